#pragma once

#include <QString>

#include <string>
#include <string_view>

/// Text crosses between the models (bytes in Windows-1252) and Qt (Unicode) here, at the widget edge
/// only. Qt 6 has no Windows-1252 codec, so the table of the bytes 0x80-0x9F is our own.
namespace corvane::forms::qt::ansi {

/// The Unicode text of Windows-1252 bytes. The five bytes that code page leaves undefined map to the
/// control characters of the same number, as the system's own conversion does.
QString toQt(std::string_view ansi);

/// The Windows-1252 bytes of a text; a character the code page lacks becomes "?".
std::string fromQt(QStringView text);

/// The Windows-1252 byte of one character, "?" (63) when the code page lacks it.
unsigned char byteOf(QChar c);

} // namespace corvane::forms::qt::ansi
