#include "common/Module1.h"

#include "common/FileIo.h"
#include "common/RuntimeError.h"

namespace corvane::Module1 {

std::string genericNameOf(std::string_view databasePath) {
    const size_t lastSeparator = databasePath.find_last_of("\\/");
    const std::string_view fileName =
        lastSeparator == std::string_view::npos ? databasePath : databasePath.substr(lastSeparator + 1);
    const size_t dot = fileName.find('.');
    if (dot == std::string_view::npos) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    return std::string(fileName.substr(0, dot));
}

std::string Get_Generic_Name(act::Application& app, ErrorReporter& errors) {
    std::string name;
    errors.guard("Module1: Function Get_Generic_Name", [&](Statement& at) {
        at(10);
        const std::string path = app.GetOpenDBName();
        at(20);
        name = genericNameOf(path);
    });
    return name;
}

bool FileExists(const std::string& path, ErrorReporter& errors) {
    bool exists = false;
    errors.guardEssential("Module1: Function FileExists", [&](Statement& at) {
        at(10);
        exists = pathExists(path);
    });
    return exists;
}

} // namespace corvane::Module1
