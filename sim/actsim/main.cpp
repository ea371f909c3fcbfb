// actsim: the simulated ACT! on Linux. Opens the database given on its command line, or the demo
// database "Sales" in the user's data folder, and notes for the programs that it runs.
#include "common/RuntimeError.h"
#include "platform/linux/ActRegistration.h"
#include "sim/actsim/ActsimDatabase.h"
#include "sim/actsim/ActsimWindow.h"

#include <QApplication>
#include <QMessageBox>

#include <filesystem>
#include <unistd.h>

int main(int argc, char** argv) {
    using namespace corvane;
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const std::string path = arguments.size() > 1 ? arguments.at(1).toStdString() : sim::actsim::defaultDatabasePath();
    const int64_t processId = getpid();
    try {
        auto engine = sim::actsim::openActsimDatabase(path);
        const std::string folder = platform::linux_desktop::ActRegistration::userFolder();
        std::filesystem::create_directories(folder);
        platform::linux_desktop::ActRegistration registration(folder);
        registration.publish(processId, path);
        int result = 0;
        {
            sim::actsim::ActsimWindow window(*engine, processId, QApplication::applicationDirPath());
            window.show();
            result = QApplication::exec();
        }
        registration.withdraw(processId);
        return result;
    } catch (const RuntimeError& error) {
        QMessageBox::critical(nullptr, "actsim", QString::fromStdString(error.description()));
    } catch (const std::exception& error) {
        // A data folder that cannot be made, for instance.
        QMessageBox::critical(nullptr, "actsim", QString::fromStdString(error.what()));
    }
    return 1;
}
