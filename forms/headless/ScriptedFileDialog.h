#pragma once

#include "forms/FileDialogService.h"
#include "forms/headless/ScriptedAnswers.h"

namespace corvane::forms::headless {

/// Open-file dialogs answered from a queue: `answer("/path/Users.dat")`, or `answer(std::nullopt)`
/// for Cancel.
class ScriptedFileDialog : public FileDialogService {
public:
    explicit ScriptedFileDialog(FailureReporter& failures) : answers_(failures, "open-file dialog") {}

    void answer(std::optional<std::string> path) { answers_.answer(std::move(path)); }
    const std::vector<FileDialogRequest>& requests() const { return answers_.requests(); }
    void verifyDone() { answers_.verifyDone(); }

    std::optional<std::string> showOpen(const FileDialogRequest& request) override { return answers_.take(request); }

private:
    ScriptedAnswers<FileDialogRequest> answers_;
};

} // namespace corvane::forms::headless
