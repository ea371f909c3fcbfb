#pragma once

#include <windows.h>

#include <string>

namespace corvane::os {

/// Gives a file that is to replace `target` what identifies the target to its users: its creation
/// time, its attributes (hidden, system, archive, not indexed) and its access control list. The
/// owner stays the writer, as on any file the writer makes. Nothing happens for a target that cannot
/// be opened (a missing one); an access control list that cannot be copied leaves the folder's,
/// which is what a file that has no list of its own has anyway. `replacement` needs
/// FILE_WRITE_ATTRIBUTES and WRITE_DAC access.
void giveIdentityOf(const std::wstring& target, HANDLE replacement) noexcept;

} // namespace corvane::os
