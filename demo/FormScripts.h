#pragma once

#include "forms/FormObserver.h"
#include "forms/Runtime.h"

#include <functional>
#include <map>
#include <string>

namespace corvane::demo {

/// What the tour's user does in a modal form: the script runs from the form's own message loop once
/// the form shows, as a user acts on a dialog that has come up.
class FormScripts : private forms::FormObserver {
public:
    using Script = std::function<void(forms::Form& form)>;

    explicit FormScripts(forms::Runtime& runtime);
    ~FormScripts() override;
    FormScripts(const FormScripts&) = delete;
    FormScripts& operator=(const FormScripts&) = delete;

    /// Runs `script` the next time a form of that name shows.
    void on(const std::string& formName, Script script) { scripts_[formName] = std::move(script); }
    /// Scripts that never ran.
    size_t pending() const { return scripts_.size(); }

private:
    void formShown(forms::Form& form) override;
    void formHidden(forms::Form& /*form*/) override {}

    forms::Runtime& runtime_;
    std::map<std::string, Script> scripts_;
};

} // namespace corvane::demo
