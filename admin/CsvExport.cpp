#include "admin/CsvExport.h"

#include "common/FileIo.h"
#include "common/RuntimeError.h"

namespace corvane::admin {

void Export_Csv(forms::CommonDialog& dialog, const std::string& fileName, Statement& at,
                const std::function<std::string()>& csv) {
    at(10);
    dialog.setCancelError(true);
    dialog.setFileName(fileName);
    dialog.setFilter("CSV file (*.csv)|*.csv");
    try {
        dialog.ShowSave();
    } catch (const RuntimeError& e) {
        if (e.number() == forms::kCancelSelected) {
            return;
        }
        throw;
    }
    at(20);
    replaceFile(dialog.FileName(), csv());
}

} // namespace corvane::admin
