#pragma once

#include "common/ErrorReport.h"
#include "common/act/Act.h"
#include "forms/ComboBox.h"
#include "forms/ListView.h"

#include <functional>
#include <memory>
#include <string>

/// Fills the administration tool's field box and user lists from the open ACT! database.
namespace corvane::modPopulateACTLists {

/// Fills the combo box with the protected fields (entry rule 3): text the field's label, item data its
/// number. Walks the field indices from 0, skipping indices that hold no field, until as many fields
/// were found as `Count` gives. A failure ends the filling under "modPopulateACTLists: Sub
/// Populate_cboFields"; the items added so far stay.
void Populate_cboFields(forms::ComboBox& box, const std::shared_ptr<act::Fields>& fields, ErrorReporter& errors);

/// Receives a protected field's number and label.
using FieldVisitor = std::function<void(int16_t number, const std::string& label)>;

/// The walk of `Populate_cboFields`: hands each protected field to `onField` in index order, under
/// the caller's guard, whose statements it numbers from 20 to 60.
void forEachProtectedField(act::Fields& list, Statement& at, ErrorReporter& errors, const FieldVisitor& onField);

/// Whether the field is offered: its entry rule is 3. A failure is reported under
/// "modPopulateACTLists: Function Include_Field" and gives false.
bool Include_Field(act::Fields& fields, const std::string& fieldNumberText, ErrorReporter& errors);

/// Empties the list view, then adds one item for each ACT! user in the user list's order: key "U"
/// and the position from 1, text the user's name. A failure while adding ends the filling under
/// "modPopulateACTLists: Sub Populate_lvwUsers"; a failure to empty the list reaches the caller.
/// Returns true when the list holds every user.
bool Populate_lvwUsers(forms::ListView& list, const std::shared_ptr<act::Users>& users, ErrorReporter& errors);

} // namespace corvane::modPopulateACTLists
