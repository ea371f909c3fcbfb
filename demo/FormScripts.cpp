#include "demo/FormScripts.h"

#include "forms/Form.h"

#include <QTimer>

namespace corvane::demo {

FormScripts::FormScripts(forms::Runtime& runtime) : runtime_(runtime) {
    runtime_.addFormObserver(*this);
}

FormScripts::~FormScripts() {
    runtime_.removeFormObserver(*this);
}

void FormScripts::formShown(forms::Form& form) {
    auto found = scripts_.find(form.Name());
    if (found == scripts_.end()) {
        return;
    }
    Script script = std::move(found->second);
    scripts_.erase(found);
    // The form shows before its modal loop runs; the script acts from inside that loop.
    QTimer::singleShot(0, [this, script = std::move(script), &form] { runtime_.dispatch([&] { script(form); }); });
}

} // namespace corvane::demo
