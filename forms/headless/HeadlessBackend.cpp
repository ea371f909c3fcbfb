#include "forms/headless/HeadlessBackend.h"

#include "forms/Form.h"

#include <utility>

namespace corvane::forms::headless {

void HeadlessBackend::onModal(std::string formName, ModalScript script) {
    scripts_[std::move(formName)].push_back(std::move(script));
}

void HeadlessBackend::runModalLoop(Form& form) {
    auto found = scripts_.find(form.Name());
    if (found == scripts_.end() || found->second.empty()) {
        failures_.fail("Form " + form.Name() + " was shown modally with nothing scripted; it was unloaded");
    } else {
        ModalScript script = std::move(found->second.front());
        found->second.pop_front();
        script(form);
        if (!form.Loaded() || !form.Visible()) {
            return;
        }
        failures_.fail("Form " + form.Name() + " was left open by its script; it was unloaded");
    }
    form.Unload();
    // A form whose unload handler refuses still has to leave the loop.
    form.Hide();
}

void HeadlessBackend::verifyDone() {
    for (auto& [name, scripts] : scripts_) {
        if (!scripts.empty()) {
            failures_.fail("Form " + name + " never showed modally as scripted");
        }
    }
    scripts_.clear();
}

} // namespace corvane::forms::headless
