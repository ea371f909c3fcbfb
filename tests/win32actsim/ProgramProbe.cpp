// Stands in for a program that actsim starts: notes how it was started, its command line and its
// current folder on two lines, in "<its own path>.started", and ends.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    std::ofstream note(std::string(own) + ".started", std::ios::binary);
    note << GetCommandLineA() << "\n" << folder << "\n";
    return 0;
}
