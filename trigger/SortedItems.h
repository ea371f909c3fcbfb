#pragma once

#include "forms/ListControl.h"

#include <string>
#include <vector>

namespace corvane::trigger {

/// Adds items to an empty sorted list with the result of adding them one by one: they are put in
/// the list's order first (equal items keep theirs) and then appended, instead of each being
/// searched for and inserted at its place. A settings file of thousands of items loads in
/// n log n time rather than n squared.
void addItemsSorted(forms::ListControl& list, std::vector<std::string> items);

} // namespace corvane::trigger
