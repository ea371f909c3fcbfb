// The tour: the whole system at work on Linux, offscreen. Usage: tour <folder>
#include "demo/Tour.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform says so each time a window asks to be raised or resized by its contents;
// that is no news in a tour that runs without a screen.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::abort();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tour <folder>\n");
        return 2;
    }
    qInstallMessageHandler(quietOffscreenNotices);
    QApplication application(argc, argv);
    corvane::demo::Tour tour(argv[1]);
    return tour.run();
}
