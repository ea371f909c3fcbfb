#include "admin/RightsReportCommand.h"

#include "admin/ActHost.h"
#include "admin/Module1.h"
#include "admin/modPopulateACTLists.h"
#include "common/ErrorReport.h"
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "common/RightsReport.h"
#include "common/RightsReportCsv.h"
#include "common/SettingsPaths.h"
#include "common/Text.h"
#include "common/VbConvert.h"

#include <algorithm>
#include <optional>

namespace corvane::admin {

namespace {

constexpr int32_t kAdministratorSecurity = 5;

/// Error reports as lines of text on a stream: the report's CR-parted lines become lines.
class StreamErrorSink : public ErrorSink {
public:
    explicit StreamErrorSink(std::ostream& out) : out_(out) {}

    void showErrorReport(const std::string& title, const std::string& text) override {
        std::string lines = text;
        std::replace(lines.begin(), lines.end(), '\r', '\n');
        out_ << title << ":\n" << lines << '\n';
        ++reports_;
    }

    bool reported() const { return reports_ > 0; }

private:
    std::ostream& out_;
    int reports_ = 0;
};

std::optional<std::vector<ReportUser>> actUsers(ActHost& host, ErrorReporter& errors) {
    std::vector<ReportUser> users;
    const bool read = errors.guard("RightsReport: Function ACT_Users", [&](Statement& at) {
        at(10);
        act::Users& all = need(host.users);
        const int16_t count = vb::CInt(all.Count());
        for (int32_t position = 1; position <= count; ++position) {
            at(20);
            users.push_back({all.Name(static_cast<int16_t>(position)), all.UniqueID(text::decimal(position))});
        }
    });
    return read ? std::optional(std::move(users)) : std::nullopt;
}

std::optional<std::vector<ReportField>> protectedFields(ActHost& host, ErrorReporter& errors) {
    std::vector<ReportField> fields;
    const bool read = errors.guard("RightsReport: Function Protected_Fields", [&](Statement& at) {
        at(10);
        modPopulateACTLists::forEachProtectedField(need(host.fields), at, errors,
                                                   [&](int16_t number, const std::string& label) {
                                                       fields.push_back({label, number});
                                                   });
    });
    return read ? std::optional(std::move(fields)) : std::nullopt;
}

} // namespace

int runRightsReportCommand(const std::vector<std::string>& arguments, act::ActFactory& factory, SettingsStore& settings,
                           forms::App& app, std::ostream& err) {
    if (arguments.size() != 2 || arguments[0] != kRightsReportOption || arguments[1].empty()) {
        err << "Usage: " << app.Title() << ' ' << kRightsReportOption << " <file.csv>\n";
        return kUsageError;
    }
    StreamErrorSink sink(err);
    ErrorReporter errors(app.Title(), sink);
    ActHost host;
    Module1::Create_Database(host, factory, errors);
    if (sink.reported()) {
        return kReportFailed;
    }
    bool refused = false;
    errors.guard("RightsReport: Sub Write_Report", [&](Statement& at) {
        at(10);
        if (need(host.users).CurrentUserSecurity() != kAdministratorSecurity) {
            err << "Sorry! This program may only be run by an administrator of the database!\n";
            refused = true;
            return;
        }
        at(20);
        const std::string section = Module1::Get_Generic_Name(need(host.app), errors);
        if (section.empty()) {
            err << "ACT! gave no name for its open database.\n";
            refused = true;
            return;
        }
        at(30);
        std::optional<std::vector<ReportUser>> users = actUsers(host, errors);
        std::optional<std::vector<ReportField>> fields = protectedFields(host, errors);
        if (!users || !fields) {
            return;
        }
        at(40);
        const std::string usersPath = readUsersPath(settings, app.Path());
        if (!corvane::Module1::FileExists(usersPath, errors)) {
            err << "The users file " << usersPath << " does not exist.\n";
            refused = true;
            return;
        }
        at(50);
        const ProfileDocument usersFile = IniLib::ReadKeys(usersPath, errors);
        if (sink.reported()) {
            return;
        }
        at(60);
        const RightsReport report(std::move(*users), std::move(*fields), usersFile, section);
        at(70);
        replaceFile(arguments[1], rightsReportCsv(report));
    });
    return refused || sink.reported() ? kReportFailed : kReportWritten;
}

} // namespace corvane::admin
