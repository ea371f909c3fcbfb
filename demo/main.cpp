// The tour: the whole system at work on Linux, offscreen. Usage: tour <folder>
#include "demo/Tour.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tour <folder>\n");
        return 2;
    }
    QApplication application(argc, argv);
    corvane::demo::Tour tour(argv[1]);
    return tour.run();
}
