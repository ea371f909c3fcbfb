#include "admin/ModSHBrowse.h"

namespace corvane::ModSHBrowse {

void BrowseForFolder(forms::Runtime& runtime, forms::Hwnd owner, forms::TextBox& target) {
    const auto folder = runtime.modalWait([&] {
        return runtime.folderBrowser().browseForFolder(
            {.owner = owner, .root = forms::BrowseRoot::Desktop, .prompt = "", .onlyFileSystemFolders = true});
    });
    if (!folder) {
        return;
    }
    // The shell hands the path back in a fixed buffer; only the text before its first NUL counts.
    target.setText(folder->substr(0, folder->find('\0')));
}

} // namespace corvane::ModSHBrowse
