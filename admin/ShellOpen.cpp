#include "admin/ShellOpen.h"

#include "forms/ShellService.h"

namespace corvane::admin {

void shellOpen(forms::Runtime& runtime, forms::Hwnd owner, const std::string& file) {
    runtime.shell().ShellExecuteA({.owner = owner,
                                   .verb = "open",
                                   .file = file,
                                   .parameters = "",
                                   .directory = runtime.app().Path(),
                                   .showCmd = forms::SW_SHOW});
}

} // namespace corvane::admin
