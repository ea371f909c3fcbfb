#pragma once

#include "platform/win32/ui/WinApi.h"

#include <cstddef>

namespace corvane::test {

/// A block of memory in another process, for the messages whose pointers the system carries across
/// processes only below WM_USER: a list view's items and cells point into the block, and the test
/// reads the answer back from it. Freed when the object goes.
class RemoteMemory {
public:
    /// `process` needs PROCESS_VM_OPERATION, PROCESS_VM_READ and PROCESS_VM_WRITE and must outlive
    /// the block. Fails with std::runtime_error when the block cannot be made.
    RemoteMemory(HANDLE process, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    /// The block's address in the other process.
    void* address() const { return address_; }
    /// The address `offset` bytes into the block, in the other process.
    void* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
    /// Copies bytes into the block, or out of it; fails with std::runtime_error.
    void write(size_t offset, const void* data, size_t size) const;
    void read(size_t offset, void* data, size_t size) const;

private:
    HANDLE process_;
    void* address_;
};

} // namespace corvane::test
