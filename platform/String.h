// Text is Windows-1252, one byte per character, held in a plain std::string.
// It is converted to and from Qt's UTF-16 only at the toolkit's edge.
#pragma once

#include <QString>
#include <string>

namespace vcl {

using String = std::string;

// CR LF, the line break of every text in the program.
inline constexpr const char* sLineBreak = "\r\n";

// Code page 1252 to Unicode. Bytes that 1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as Windows does.
QString ToQString(const String& text);

// Unicode to code page 1252; a character the code page lacks becomes '?'.
String FromQString(const QString& text);

}  // namespace vcl
