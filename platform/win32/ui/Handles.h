#pragma once

#include "platform/win32/ui/WinApi.h"

#include <utility>

namespace corvane::forms::win32 {

/// Owns one GDI object (font, brush, bitmap) and deletes it once; never copied.
template <class Object> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Object object) : object_(object) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.object_, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Object get() const { return object_; }
    void reset(Object object = nullptr) {
        if (object_ != nullptr) {
            DeleteObject(object_);
        }
        object_ = object;
    }

private:
    Object object_ = nullptr;
};

/// Owns a kernel handle (a mutex) and closes it once; never copied.
class KernelHandle {
public:
    explicit KernelHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~KernelHandle() {
        if (handle_ != nullptr) {
            CloseHandle(handle_);
        }
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

/// Owns a window and destroys it (with its child windows) once; never copied.
class WindowHandle {
public:
    explicit WindowHandle(HWND window = nullptr) : window_(window) {}
    ~WindowHandle() {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;

    HWND get() const { return window_; }

private:
    HWND window_;
};

} // namespace corvane::forms::win32
