#include "admin/HistoryTable.h"

#include "admin/LocalTimeText.h"
#include "common/Csv.h"
#include "common/Text.h"

#include <algorithm>

namespace corvane::admin {
namespace {

template <class Key> std::string nameOr(const std::map<Key, std::string>& names, const Key& key, std::string other) {
    const auto found = names.find(key);
    return found == names.end() ? std::move(other) : found->second;
}

} // namespace

HistoryTable::HistoryTable(const ChangeHistory::Content& content, const std::map<std::string, std::string>& userNames,
                           const std::map<int16_t, std::string>& fieldLabels) {
    std::vector<const HistoryRecord*> order;
    order.reserve(content.records.size());
    for (auto record = content.records.rbegin(); record != content.records.rend(); ++record) {
        order.push_back(&*record);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const HistoryRecord* a, const HistoryRecord* b) { return a->time > b->time; });
    rows_.reserve(order.size());
    LocalTimeText localTime;
    for (const HistoryRecord* record : order) {
        rows_.push_back({localTime(record->time), nameOr(userNames, record->userId, record->userId),
                         nameOr(fieldLabels, record->field, text::decimal(record->field)), record->before,
                         record->after, record->userId, record->field});
    }
}

std::vector<const HistoryRow*> HistoryTable::matching(std::optional<int16_t> field,
                                                      const std::optional<std::string>& userId) const {
    std::vector<const HistoryRow*> shown;
    for (const HistoryRow& row : rows_) {
        if ((!field || row.fieldNumber == *field) && (!userId || row.userId == *userId)) {
            shown.push_back(&row);
        }
    }
    return shown;
}

std::string HistoryTable::csvOf(const std::vector<const HistoryRow*>& rows) {
    std::string csv = "\"Time\",\"User\",\"Field\",\"Before\",\"After\"";
    csv += kCsvRecordEnd;
    for (const HistoryRow* row : rows) {
        csv += csvField(row->time) + "," + csvField(row->user) + "," + csvField(row->field) + "," +
               csvField(row->before) + "," + csvField(row->after);
        csv += kCsvRecordEnd;
    }
    return csv;
}

} // namespace corvane::admin
