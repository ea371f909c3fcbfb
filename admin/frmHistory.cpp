#include "admin/frmHistory.h"

#include "admin/ActHost.h"
#include "admin/CsvExport.h"
#include "common/FileIo.h"
#include "common/ScopedFlag.h"
#include "common/Text.h"
#include "common/VbConvert.h"

#include <limits>
#include <set>
#include <utility>

namespace corvane::admin {
namespace {

constexpr int16_t kNoField = -1;

std::string countOf(int64_t count, const std::string& one, const std::string& many) {
    return text::decimal(count) + " " + (count == 1 ? one : many);
}

} // namespace

frmHistory::frmHistory(forms::Runtime& runtime, ErrorReporter& errors, ActNames act, const std::string& usersPath,
                       std::string genericName)
    : Form(runtime, {.name = "frmHistory",
                     .caption = "Change History",
                     .width = 9000 + forms::kDialogChromeWidth,
                     .height = 4800 + forms::kDialogChromeHeight,
                     .borderStyle = forms::BorderStyle::FixedDialog,
                     .startUpPosition = forms::StartUpPosition::CenterScreen}),
      errors_(errors), act_(std::move(act)), historyPath_(ChangeHistory::historyPath(usersPath, genericName)),
      genericName_(std::move(genericName)) {
    cboField.Click = [this] { Show_Rows(); };
    cboUser.Click = [this] { Show_Rows(); };
    cmdExport.Click = [this] { cmdExport_Click(); };
    cmdClose.Click = [this] { Unload(); };
}

void frmHistory::Form_Load() {
    cmdExport.setEnabled(false);
    if (!errors_.guard("frmHistory: Sub Load_History", [&](Statement& at) {
            at(10);
            Load_History();
        })) {
        lblStatus.setCaption("The change history could not be read: " + historyPath_);
    }
}

void frmHistory::Load_History() {
    const std::optional<std::string> bytes = readFileIfPresent(historyPath_);
    if (!bytes) {
        lblStatus.setCaption("No changes have been recorded yet: " + historyPath_ + " does not exist.");
        return;
    }
    const ChangeHistory::Content content = ChangeHistory::parse(*bytes);
    badLines_ = content.badLines;
    table_.emplace(content, Get_User_Names(), Get_Field_Labels());
    fillFilters();
    Show_Rows();
}

std::map<std::string, std::string> frmHistory::Get_User_Names() {
    std::map<std::string, std::string> names;
    // Users ACT! cannot name are shown by their ID.
    errors_.guard("frmHistory: Function Get_User_Names", [&](Statement& at) {
        at(10);
        act::Users& users = need(act_.users);
        const int16_t count = vb::CInt(users.Count());
        for (int32_t position = 1; position <= count; ++position) {
            at(20);
            names[users.UniqueID(text::decimal(position))] = users.Name(static_cast<int16_t>(position));
        }
    });
    return names;
}

std::map<int16_t, std::string> frmHistory::Get_Field_Labels() {
    std::map<int16_t, std::string> labels;
    // Fields ACT! cannot name are shown by their number.
    errors_.guard("frmHistory: Function Get_Field_Labels", [&](Statement& at) {
        at(10);
        act::Fields& fields = need(act_.fields);
        const int32_t count = fields.Count();
        int32_t found = 0;
        for (int16_t index = 0; found < count && index < std::numeric_limits<int16_t>::max(); ++index) {
            at(20);
            const int16_t id = fields.ID(index);
            if (id != kNoField) {
                at(30);
                labels[id] = fields.Label(index);
                ++found;
            }
        }
    });
    return labels;
}

void frmHistory::fillFilters() {
    const ScopedFlag filling(bFillingFilters);
    std::set<std::pair<std::string, int16_t>> fields;
    std::set<std::pair<std::string, std::string>> users;
    for (const HistoryRow& row : table_->rows()) {
        fields.emplace(row.field, row.fieldNumber);
        users.emplace(row.user, row.userId);
    }
    cboField.Clear();
    cboField.AddItem("(All fields)");
    for (const auto& [label, number] : fields) {
        cboField.AddItem(label);
        cboField.setItemData(cboField.NewIndex(), number);
    }
    cboField.setListIndex(0);
    cboUser.Clear();
    cboUser.AddItem("(All users)");
    filterUserIds_.clear();
    for (const auto& [name, id] : users) {
        cboUser.AddItem(name);
        filterUserIds_.push_back(id);
    }
    cboUser.setListIndex(0);
}

void frmHistory::Show_Rows() {
    if (bFillingFilters || !table_) {
        return;
    }
    errors_.guard("frmHistory: Sub Show_Rows", [&](Statement& at) {
        at(10);
        const int32_t field = cboField.ListIndex();
        const int32_t user = cboUser.ListIndex();
        shown_ = table_->matching(
            field > 0 ? std::optional<int16_t>(static_cast<int16_t>(cboField.ItemData(field))) : std::nullopt,
            user > 0 ? std::optional<std::string>(filterUserIds_.at(static_cast<size_t>(user - 1))) : std::nullopt);
        at(20);
        lvwHistory.ListItems().Clear();
        for (size_t i = 0; i < shown_.size(); ++i) {
            const HistoryRow& row = *shown_[i];
            forms::ListItem& item = lvwHistory.ListItems().Add("R" + text::decimal(static_cast<int64_t>(i)), row.time);
            item.setSubItems(1, row.user);
            item.setSubItems(2, row.field);
            item.setSubItems(3, row.before);
            item.setSubItems(4, row.after);
        }
        at(30);
        const auto total = static_cast<int64_t>(table_->rows().size());
        std::string status = total == 0 && badLines_ == 0
                                 ? "No changes have been recorded yet: " + historyPath_ + " is empty."
                                 : "Showing " + text::decimal(static_cast<int64_t>(shown_.size())) + " of " +
                                       countOf(total, "change.", "changes.");
        if (badLines_ > 0) {
            status += " " + countOf(badLines_, "line", "lines") + " of the file could not be read and " +
                      (badLines_ == 1 ? "was" : "were") + " skipped.";
        }
        lblStatus.setCaption(status);
        cmdExport.setEnabled(!shown_.empty());
    });
}

void frmHistory::cmdExport_Click() {
    errors_.guard("frmHistory: Sub cmdExport_Click", [&](Statement& at) {
        Export_Csv(dlgExport, genericName_ + " history.csv", at, [&] { return HistoryTable::csvOf(shown_); });
    });
}

} // namespace corvane::admin
