#include "platform/win32/files/FileIdentity.h"

#include "platform/win32/files/FileHandle.h"

#include <aclapi.h>

namespace corvane::os {
namespace {

constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

void keepTimesAndAttributes(HANDLE original, HANDLE replacement) {
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(original, FileBasicInfo, &basic, sizeof basic)) {
        return;
    }
    FILE_BASIC_INFO kept{}; // zero times stay as they are
    kept.CreationTime = basic.CreationTime;
    kept.FileAttributes =
        (basic.FileAttributes & kKeptAttributes) ? basic.FileAttributes & kKeptAttributes : FILE_ATTRIBUTE_NORMAL;
    SetFileInformationByHandle(replacement, FileBasicInfo, &kept, sizeof kept);
}

// A list that inherits from the folder goes on inheriting: the inherited entries are dropped and
// the folder's given again, as the system does for any file put in a folder.
void keepAccessControlList(HANDLE original, HANDLE replacement) {
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(original, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &list, nullptr,
                        &descriptor) != ERROR_SUCCESS) {
        return;
    }
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    const SECURITY_INFORMATION what =
        DACL_SECURITY_INFORMATION | ((control & SE_DACL_PROTECTED) != 0 ? PROTECTED_DACL_SECURITY_INFORMATION
                                                                        : UNPROTECTED_DACL_SECURITY_INFORMATION);
    SetSecurityInfo(replacement, SE_FILE_OBJECT, what, nullptr, nullptr, list, nullptr);
    LocalFree(descriptor);
}

} // namespace

void giveIdentityOf(const std::wstring& target, HANDLE replacement) noexcept {
    const FileHandle original(CreateFileW(target.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (original.get() == INVALID_HANDLE_VALUE) {
        return;
    }
    keepTimesAndAttributes(original.get(), replacement);
    keepAccessControlList(original.get(), replacement);
}

} // namespace corvane::os
