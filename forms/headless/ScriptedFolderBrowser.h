#pragma once

#include "forms/FolderBrowserService.h"
#include "forms/headless/ScriptedAnswers.h"

namespace corvane::forms::headless {

/// Folder browsers answered from a queue: a folder, or `std::nullopt` for Cancel.
class ScriptedFolderBrowser : public FolderBrowserService {
public:
    explicit ScriptedFolderBrowser(FailureReporter& failures) : answers_(failures, "folder browser") {}

    void answer(std::optional<std::string> folder) { answers_.answer(std::move(folder)); }
    const std::vector<FolderBrowseRequest>& requests() const { return answers_.requests(); }
    void verifyDone() { answers_.verifyDone(); }

    std::optional<std::string> browseForFolder(const FolderBrowseRequest& request) override {
        return answers_.take(request);
    }

private:
    ScriptedAnswers<FolderBrowseRequest> answers_;
};

} // namespace corvane::forms::headless
