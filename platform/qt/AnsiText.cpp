#include "platform/qt/AnsiText.h"

#include <array>

namespace corvane::forms::qt::ansi {

namespace {
// Unicode of the bytes 0x80-0x9F; the undefined ones keep their own number.
constexpr std::array<char16_t, 32> kHighControls{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr unsigned char kFirstHigh = 0x80;
constexpr unsigned char kUnknown = '?';
} // namespace

QString toQt(std::string_view ansi) {
    QString text;
    text.reserve(static_cast<qsizetype>(ansi.size()));
    for (char c : ansi) {
        auto byte = static_cast<unsigned char>(c);
        bool high = byte >= kFirstHigh && byte < kFirstHigh + kHighControls.size();
        text.append(QChar(high ? kHighControls[byte - kFirstHigh] : char16_t{byte}));
    }
    return text;
}

unsigned char byteOf(QChar c) {
    char16_t code = c.unicode();
    if (code < kFirstHigh || (code >= kFirstHigh + kHighControls.size() && code <= 0xFF)) {
        return static_cast<unsigned char>(code);
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            return static_cast<unsigned char>(kFirstHigh + i);
        }
    }
    return kUnknown;
}

std::string fromQt(QStringView text) {
    std::string ansi;
    ansi.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        ansi.push_back(static_cast<char>(byteOf(c)));
    }
    return ansi;
}

} // namespace corvane::forms::qt::ansi
