#pragma once

#include "common/FieldSettingsFile.h"
#include "forms/ListControl.h"

#include <cstdint>

#include <string>
#include <vector>

namespace corvane::trigger {

/// Adds items to an empty sorted list with the result of adding them one by one: they are put in
/// the list's order first (equal items keep theirs) and then appended, instead of each being
/// searched for and inserted at its place. A settings file of thousands of items loads in
/// n log n time rather than n squared.
void addItemsSorted(forms::ListControl& list, std::vector<std::string> items);

/// Reads the rest of a field settings file (its items) into an empty sorted list; returns how many
/// items it added.
int32_t addFileItemsSorted(forms::ListControl& list, FieldSettingsReader& reader);

} // namespace corvane::trigger
