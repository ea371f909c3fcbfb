#include "tests/win32programs/RemoteMemory.h"

#include <stdexcept>

namespace corvane::test {

RemoteMemory::RemoteMemory(HANDLE process, size_t size)
    : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
    if (address_ == nullptr) {
        throw std::runtime_error("cannot reserve memory in another process");
    }
}

RemoteMemory::~RemoteMemory() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

void RemoteMemory::write(size_t offset, const void* data, size_t size) const {
    SIZE_T written = 0;
    if (WriteProcessMemory(process_, at(offset), data, size, &written) == FALSE || written != size) {
        throw std::runtime_error("cannot write memory of another process");
    }
}

void RemoteMemory::read(size_t offset, void* data, size_t size) const {
    SIZE_T read = 0;
    if (ReadProcessMemory(process_, at(offset), data, size, &read) == FALSE || read != size) {
        throw std::runtime_error("cannot read memory of another process");
    }
}

} // namespace corvane::test
