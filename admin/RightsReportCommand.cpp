#include "admin/RightsReportCommand.h"

#include "admin/ActHost.h"
#include "admin/Module1.h"
#include "admin/RightsReportSource.h"
#include "common/ErrorReport.h"
#include "common/FileIo.h"
#include "common/RightsReportCsv.h"
#include "common/SettingsPaths.h"

#include <algorithm>

namespace corvane::admin {

namespace {

constexpr int32_t kAdministratorSecurity = 5;

/// Error reports as lines of text: the report's CR-parted lines become lines.
class TextErrorSink : public ErrorSink {
public:
    explicit TextErrorSink(const TextOut& out) : out_(out) {}

    void showErrorReport(const std::string& title, const std::string& text) override {
        std::string lines = text;
        std::replace(lines.begin(), lines.end(), '\r', '\n');
        out_(title + ":\n" + lines + "\n");
        ++reports_;
    }

    bool reported() const { return reports_ > 0; }

private:
    const TextOut& out_;
    int reports_ = 0;
};

} // namespace

int runRightsReportCommand(const std::vector<std::string>& arguments, act::ActFactory& factory, SettingsStore& settings,
                           forms::App& app, const TextOut& err) {
    if (arguments.size() != 2 || arguments[0] != kRightsReportOption || arguments[1].empty()) {
        err("Usage: " + app.Title() + " " + std::string(kRightsReportOption) + " <file.csv>\n");
        return kUsageError;
    }
    TextErrorSink sink(err);
    ErrorReporter errors(app.Title(), sink);
    ActHost host;
    Module1::Create_Database(host, factory, errors);
    if (sink.reported()) {
        return kReportFailed;
    }
    bool refused = false;
    const auto refuse = [&](const std::string& reason) {
        err(reason + "\n");
        refused = true;
    };
    errors.guard("RightsReport: Sub Write_Report", [&](Statement& at) {
        at(10);
        if (need(host.users).CurrentUserSecurity() != kAdministratorSecurity) {
            refuse("Sorry! This program may only be run by an administrator of the database!");
            return;
        }
        at(20);
        const std::string section = Module1::Get_Generic_Name(need(host.app), errors);
        if (section.empty()) {
            refuse("ACT! gave no name for its open database.");
            return;
        }
        at(30);
        const RightsReportReading reading = Read_Report(host, errors, readUsersPath(settings, app.Path()), section);
        if (!reading.refusal.empty()) {
            refuse(reading.refusal);
        }
        if (!reading.report) {
            return;
        }
        at(40);
        replaceFile(arguments[1], rightsReportCsv(*reading.report));
    });
    return refused || sink.reported() ? kReportFailed : kReportWritten;
}

} // namespace corvane::admin
