#include "sim/win32/actsim/ClassRegistration.h"

#include "common/RuntimeError.h"
#include "platform/win32/com/ComText.h"
#include "sim/win32/actsim/ActsimClasses.h"
#include "sim/win32/common/Files.h"
#include "sim/win32/common/RegistryKey.h"

#include <vector>

// oleaut32 has them since Windows Vista; MinGW's oleauto.h does not declare them.
extern "C" {
WINOLEAUTAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path, OLECHAR* helpFolder);
WINOLEAUTAPI UnRegisterTypeLibForUser(REFGUID library, WORD major, WORD minor, LCID locale, SYSKIND system);
}

namespace corvane::sim::win32::ClassRegistration {

namespace {

constexpr const char* kClassesKey = "Software\\Classes";
const HKEY kRoots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

/// A class as the registry names it: its ProgID, its id and where it is served.
struct ClassEntry {
    std::string progId;
    std::string classId;
    std::string description;
    std::string serverKind; // LocalServer32 or InprocServer32
    std::string server;
    bool control = false;
};

std::string textOf(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, static_cast<int>(std::size(text)));
    return ::corvane::win32::com::ansiOf(text, wcslen(text));
}

std::vector<ClassEntry> entriesFor(const std::string& serverPath) {
    std::vector<ClassEntry> entries;
    for (const AutomationClass& automation : automationClasses()) {
        entries.push_back({std::string(automation.progId), textOf(automation.classId),
                           std::string(automation.description), "LocalServer32", "\"" + serverPath + "\""});
    }
    entries.push_back({std::string(kEventControlProgId), textOf(__uuidof(ActEvent)), "Simulated ACT! event control",
                       "InprocServer32", folderOf(serverPath) + "\\" + std::string(kEventControlFile), true});
    return entries;
}

void write(HKEY root, const ClassEntry& entry, const std::string& libraryId) {
    const std::string classes = kClassesKey;
    RegistryKey::create(root, classes + "\\" + entry.progId).setText("", entry.description);
    RegistryKey::create(root, classes + "\\" + entry.progId + "\\CLSID").setText("", entry.classId);
    const std::string classKey = classes + "\\CLSID\\" + entry.classId;
    RegistryKey::create(root, classKey).setText("", entry.description);
    RegistryKey::create(root, classKey + "\\ProgID").setText("", entry.progId);
    RegistryKey::create(root, classKey + "\\TypeLib").setText("", libraryId);
    RegistryKey server = RegistryKey::create(root, classKey + "\\" + entry.serverKind);
    server.setText("", entry.server);
    if (entry.control) {
        server.setText("ThreadingModel", "Apartment");
        RegistryKey::create(root, classKey + "\\Control");
    }
}

// A ProgID that names another class (the real ACT!'s) is left alone.
void remove(HKEY root, const ClassEntry& entry) {
    const std::string classes = kClassesKey;
    const std::string progId = classes + "\\" + entry.progId;
    if (RegistryKey::open(root, progId + "\\CLSID").text("") == entry.classId) {
        removeRegistryTree(root, progId);
    }
    removeRegistryTree(root, classes + "\\CLSID\\" + entry.classId);
}

/// Whether the system's class root shows what was registered for the user.
bool userClassesShow(const ClassEntry& entry) {
    return static_cast<bool>(RegistryKey::open(HKEY_CLASSES_ROOT, entry.progId + "\\CLSID"));
}

class LibraryAttributes {
public:
    explicit LibraryAttributes(ITypeLib& library) : library_(library) {
        if (FAILED(library_.GetLibAttr(&attributes_))) {
            throw RuntimeError(vberr::CantCreateObject);
        }
    }
    ~LibraryAttributes() { library_.ReleaseTLibAttr(attributes_); }
    LibraryAttributes(const LibraryAttributes&) = delete;
    LibraryAttributes& operator=(const LibraryAttributes&) = delete;

    const TLIBATTR& get() const { return *attributes_; }

private:
    ITypeLib& library_;
    TLIBATTR* attributes_ = nullptr;
};

} // namespace

void registerServer(const std::string& serverPath, const TypeLibrary& library) {
    unregisterServer(library);
    const std::vector<ClassEntry> entries = entriesFor(serverPath);
    const std::string libraryId = textOf(LibraryAttributes(library.library()).get().guid);
    for (const ClassEntry& entry : entries) {
        write(HKEY_CURRENT_USER, entry, libraryId);
    }
    if (!userClassesShow(entries.front())) {
        for (const ClassEntry& entry : entries) {
            write(HKEY_LOCAL_MACHINE, entry, libraryId);
        }
    }
    std::wstring file = library.file();
    if (FAILED(RegisterTypeLibForUser(&library.library(), file.data(), nullptr))) {
        throw RuntimeError(vberr::PermissionDenied);
    }
}

void unregisterServer(const TypeLibrary& library) {
    for (const ClassEntry& entry : entriesFor("")) {
        for (HKEY root : kRoots) {
            remove(root, entry);
        }
    }
    const LibraryAttributes attributes(library.library());
    const TLIBATTR& lib = attributes.get();
    // A library that was never registered is no failure.
    UnRegisterTypeLibForUser(lib.guid, lib.wMajorVerNum, lib.wMinorVerNum, lib.lcid, lib.syskind);
}

} // namespace corvane::sim::win32::ClassRegistration
