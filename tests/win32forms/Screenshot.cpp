#include "tests/win32forms/Screenshot.h"

#include "platform/win32/com/ComPtr.h"
#include "platform/win32/ui/Handles.h"
#include "tests/win32forms/MessageLoop.h"

#include <wincodec.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace corvane::forms::win32::test {

namespace {
using corvane::win32::com::ComPtr;

/// The screen's device context, released once.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

/// COM on this thread for the encoder's time (a test may hold it already).
class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (initialised_) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

void check(HRESULT result, const char* what) {
    if (FAILED(result)) {
        throw std::runtime_error(std::string("cannot save the screenshot: ") + what + " failed");
    }
}

std::wstring wide(const std::string& text) {
    std::wstring result(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(),
                                           static_cast<int>(result.size()));
    result.resize(static_cast<size_t>(std::max(length, 0)));
    return result;
}
/// The pixels as 24-bit rows (blue, green, red), as the encoder takes them.
std::vector<BYTE> bgrRows(const ScreenImage& image) {
    std::vector<BYTE> rows;
    rows.reserve(image.pixels.size() * 3);
    for (uint32_t pixel : image.pixels) {
        rows.push_back(static_cast<BYTE>(pixel & 0xFF));
        rows.push_back(static_cast<BYTE>((pixel >> 8) & 0xFF));
        rows.push_back(static_cast<BYTE>((pixel >> 16) & 0xFF));
    }
    return rows;
}
} // namespace

GdiObject<HBITMAP> imageBitmap(HDC like, int width, int height, void*& bits) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return GdiObject<HBITMAP>(CreateDIBSection(like, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
}

bool ScreenImage::blank() const {
    return std::all_of(pixels.begin(), pixels.end(), [&](uint32_t pixel) { return pixel == pixels.front(); });
}

ScreenImage captureScreen(const RECT& area) {
    ScreenImage image{area.right - area.left, area.bottom - area.top, {}};
    const ScreenDc screen;
    void* bits = nullptr;
    const GdiObject<HBITMAP> bitmap = imageBitmap(screen.get(), image.width, image.height, bits);
    if (bitmap.get() == nullptr) {
        return {};
    }
    {
        const MemoryDc memory(screen.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), area.left, area.top, SRCCOPY | CAPTUREBLT);
    }
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(bits);
    image.pixels.assign(first, first + static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
    return image;
}

void paintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpPending();
}

ScreenImage saveWindow(HWND window, const std::string& name) {
    paintNow(window);
    RECT area{};
    GetWindowRect(window, &area);
    ScreenImage image = captureScreen(area);
    savePng(image, name);
    return image;
}

std::string savePng(const ScreenImage& image, const std::string& name) {
    std::filesystem::create_directories(CORVANE_SCREENSHOT_DIR);
    const std::string path = std::string(CORVANE_SCREENSHOT_DIR) + "\\" + name + ".png";
    const ComScope com;
    ComPtr<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(factory.put())),
          "CoCreateInstance(WICImagingFactory)");
    ComPtr<IWICStream> stream;
    check(factory->CreateStream(stream.put()), "CreateStream");
    check(stream->InitializeFromFilename(wide(path).c_str(), GENERIC_WRITE), "InitializeFromFilename");
    ComPtr<IWICBitmapEncoder> encoder;
    check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put()), "CreateEncoder");
    check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "Initialize");
    ComPtr<IWICBitmapFrameEncode> frame;
    check(encoder->CreateNewFrame(frame.put(), nullptr), "CreateNewFrame");
    check(frame->Initialize(nullptr), "frame Initialize");
    check(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height)), "SetSize");
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    check(frame->SetPixelFormat(&format), "SetPixelFormat");
    if (!IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
        throw std::runtime_error("cannot save the screenshot: the encoder takes no 24-bit pixels");
    }
    const std::vector<BYTE> rows = bgrRows(image);
    const auto stride = static_cast<UINT>(image.width) * 3;
    check(frame->WritePixels(static_cast<UINT>(image.height), stride, static_cast<UINT>(rows.size()),
                             const_cast<BYTE*>(rows.data())),
          "WritePixels");
    check(frame->Commit(), "frame Commit");
    check(encoder->Commit(), "Commit");
    return path;
}

} // namespace corvane::forms::win32::test
