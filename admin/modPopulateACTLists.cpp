#include "admin/modPopulateACTLists.h"

#include "admin/ActHost.h"
#include "common/Text.h"
#include "common/VbConvert.h"

#include <limits>

namespace corvane::modPopulateACTLists {

namespace {

constexpr int32_t kProtectedEntryRule = 3;
constexpr int16_t kNoField = -1;

/// The field index is a 16-bit number: growing past 32767 overflows, as it would in ACT!'s own type.
int16_t nextIndex(int16_t index) {
    if (index == std::numeric_limits<int16_t>::max()) {
        throw RuntimeError(vberr::Overflow);
    }
    return static_cast<int16_t>(index + 1);
}

} // namespace

void Populate_cboFields(forms::ComboBox& box, const std::shared_ptr<act::Fields>& fields, ErrorReporter& errors) {
    errors.guard("modPopulateACTLists: Sub Populate_cboFields", [&](Statement& at) {
        at(10);
        box.Clear();
        forEachProtectedField(admin::need(fields), at, errors, [&](int16_t id, const std::string& label) {
            box.AddItem(label);
            box.setItemData(box.NewIndex(), id);
        });
    });
}

void forEachProtectedField(act::Fields& list, Statement& at, ErrorReporter& errors, const FieldVisitor& onField) {
    int16_t index = 0;
    int32_t found = 0;
    do {
        at(20);
        const int16_t id = list.ID(index);
        if (id != kNoField) {
            at(30);
            if (Include_Field(list, text::decimal(id), errors)) {
                at(40);
                onField(id, list.Label(index));
            }
            ++found;
        }
        at(50);
        index = nextIndex(index);
        at(60);
    } while (found != list.Count());
}

bool Include_Field(act::Fields& fields, const std::string& fieldNumberText, ErrorReporter& errors) {
    bool include = false;
    errors.guard("modPopulateACTLists: Function Include_Field", [&](Statement& at) {
        at(10);
        include = fields.EntryRule(fieldNumberText) == kProtectedEntryRule;
    });
    return include;
}

bool Populate_lvwUsers(forms::ListView& list, const std::shared_ptr<act::Users>& users, ErrorReporter& errors) {
    list.ListItems().Clear();
    return errors.guard("modPopulateACTLists: Sub Populate_lvwUsers", [&](Statement& at) {
        at(10);
        act::Users& all = admin::need(users);
        const int16_t count = vb::CInt(all.Count());
        for (int32_t position = 1; position <= count; ++position) {
            at(20);
            list.ListItems().Add("U" + text::decimal(position), all.Name(static_cast<int16_t>(position)));
        }
    });
}

} // namespace corvane::modPopulateACTLists
