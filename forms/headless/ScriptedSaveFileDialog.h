#pragma once

#include "forms/SaveFileDialogService.h"
#include "forms/headless/ScriptedAnswers.h"

namespace corvane::forms::headless {

/// Save-file dialogs answered from a queue: `answer("/path/History.csv")`, or `answer(std::nullopt)`
/// for Cancel.
class ScriptedSaveFileDialog : public SaveFileDialogService {
public:
    explicit ScriptedSaveFileDialog(FailureReporter& failures) : answers_(failures, "save-file dialog") {}

    void answer(std::optional<std::string> path) { answers_.answer(std::move(path)); }
    const std::vector<FileDialogRequest>& requests() const { return answers_.requests(); }
    void verifyDone() { answers_.verifyDone(); }

    std::optional<std::string> showSave(const FileDialogRequest& request) override { return answers_.take(request); }

private:
    ScriptedAnswers<FileDialogRequest> answers_;
};

} // namespace corvane::forms::headless
