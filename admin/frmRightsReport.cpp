#include "admin/frmRightsReport.h"

#include "admin/CsvExport.h"
#include "admin/RightsReportSource.h"
#include "common/RightsExplanation.h"
#include "common/RightsReportCsv.h"
#include "common/Text.h"

#include <utility>

namespace corvane::admin {
namespace {

constexpr int32_t kFieldColumnWidth = 1300;

std::string countOf(size_t count, const std::string& one, const std::string& many) {
    return text::decimal(static_cast<int64_t>(count)) + " " + (count == 1 ? one : many);
}

} // namespace

forms::PrintTable printedRightsReport(const RightsReport& report, const std::string& section) {
    forms::PrintTable table{"Rights Report: " + section, {"User"}, {}};
    for (size_t field = 0; field < report.fields().size(); ++field) {
        table.headers.push_back(report.heading(field));
    }
    for (size_t user = 0; user < report.users().size(); ++user) {
        std::vector<std::string>& row = table.rows.emplace_back(1, report.users()[user].name);
        for (size_t field = 0; field < report.fields().size(); ++field) {
            row.emplace_back(levelName(report.level(user, field)));
        }
    }
    return table;
}

frmRightsReport::frmRightsReport(forms::Runtime& runtime, ErrorReporter& errors, ActHost& host, std::string usersPath,
                                 std::string section)
    : Form(runtime, {.name = "frmRightsReport",
                     .caption = "Rights Report",
                     .width = 9000 + forms::kDialogChromeWidth,
                     .height = 6045 + forms::kDialogChromeHeight,
                     .borderStyle = forms::BorderStyle::FixedDialog,
                     .startUpPosition = forms::StartUpPosition::CenterScreen}),
      errors_(errors), host_(host), usersPath_(std::move(usersPath)), section_(std::move(section)) {
    lvwRights.MouseUp = [this](int /*button*/, int /*shift*/, float /*x*/, float /*y*/) { lvwRights_MouseUp(); };
    cboCheckUser.Click = [this] { Explain_Level(); };
    cboCheckField.Click = [this] { Explain_Level(); };
    cmdExport.Click = [this] { cmdExport_Click(); };
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    cmdClose.Click = [this] { Unload(); };
}

void frmRightsReport::Form_Load() {
    cmdExport.setEnabled(false);
    cmdPrint.setEnabled(false);
    if (!errors_.guard("frmRightsReport: Sub Load_Report", [&](Statement& at) {
            at(10);
            Load_Report();
        })) {
        lblStatus.setCaption("The rights report could not be made.");
    }
}

void frmRightsReport::Load_Report() {
    RightsReportReading reading = Read_Report(host_, errors_, usersPath_, section_);
    if (!reading.report) {
        lblStatus.setCaption(reading.refusal.empty() ? "The rights report could not be made." : reading.refusal);
        return;
    }
    report_ = std::move(reading.report);
    Show_Report();
}

void frmRightsReport::Show_Report() {
    for (size_t field = 0; field < report_->fields().size(); ++field) {
        lvwRights.AddColumn({.text = report_->heading(field),
                             .key = "F" + text::decimal(report_->fields()[field].number),
                             .width = kFieldColumnWidth});
        cboCheckField.AddItem(report_->fields()[field].label);
    }
    for (size_t user = 0; user < report_->users().size(); ++user) {
        const std::string& name = report_->users()[user].name;
        forms::ListItem& item = lvwRights.ListItems().Add("U" + text::decimal(static_cast<int64_t>(user)), name);
        for (size_t field = 0; field < report_->fields().size(); ++field) {
            item.setSubItems(static_cast<int>(field) + 1, std::string(levelName(report_->level(user, field))));
        }
        cboCheckUser.AddItem(name);
    }
    lblStatus.setCaption("Levels of " + countOf(report_->users().size(), "user", "users") + " for " +
                         countOf(report_->fields().size(), "protected field", "protected fields") + ", as saved in " +
                         usersPath_ + ".");
    const bool anything = !report_->users().empty() && !report_->fields().empty();
    cmdExport.setEnabled(anything);
    cmdPrint.setEnabled(anything);
}

void frmRightsReport::lvwRights_MouseUp() {
    // A row clicked in the table is the user to check.
    if (const forms::ListItem* item = lvwRights.SelectedItem()) {
        cboCheckUser.setListIndex(item->Index() - 1);
    }
}

void frmRightsReport::Explain_Level() {
    const int32_t user = cboCheckUser.ListIndex();
    const int32_t field = cboCheckField.ListIndex();
    if (!report_ || user < 0 || field < 0) {
        return;
    }
    const ReportUser& who = report_->users().at(static_cast<size_t>(user));
    const FieldRights& rights = report_->rightsOf(static_cast<size_t>(field));
    // Whether an Initialize user may change the field now depends on the value it holds.
    std::optional<std::string> value;
    if (report_->level(static_cast<size_t>(user), static_cast<size_t>(field)) == RightsLevel::Initialize) {
        value = Current_Value(report_->fields().at(static_cast<size_t>(field)).number);
    }
    lblExplanation.setCaption(explainRights(who.uniqueId, rights, value).reason);
}

std::optional<std::string> frmRightsReport::Current_Value(int16_t fieldNumber) {
    std::optional<std::string> value;
    // Without the contact's value the explanation says only that the field must be empty.
    errors_.guard("frmRightsReport: Function Current_Value", [&](Statement& at) {
        at(10);
        value = need(host_.contactView).GetField(fieldNumber);
    });
    return value;
}

void frmRightsReport::cmdExport_Click() {
    errors_.guard("frmRightsReport: Sub cmdExport_Click", [&](Statement& at) {
        Export_Csv(dlgExport, section_ + " rights.csv", at, [&] { return rightsReportCsv(*report_); });
    });
}

void frmRightsReport::cmdPrint_Click() {
    errors_.guard("frmRightsReport: Sub cmdPrint_Click", [&](Statement& at) {
        at(10);
        const forms::PrintTable table = printedRightsReport(*report_, section_);
        dlgPrint.setOrientation(forms::PrinterOrientation::Landscape);
        dlgPrint.ShowPrinter("Rights Report", [&](forms::PrintCanvas& canvas) { printTable(canvas, table); });
    });
}

} // namespace corvane::admin
