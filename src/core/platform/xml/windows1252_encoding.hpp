#pragma once

namespace tt::xml::detail {

// Registers with libxml2 a Windows-1252 converter of our own (names
// "windows-1252" and "cp1252"). Builds of libxml2 without iconv lack one, and
// iconv refuses the five bytes the code page leaves undefined; ours maps them
// to the C1 control of the same value, as the platform does, so every build
// reads and writes such files alike. Called once, from EnsureLibxmlReady.
void RegisterWindows1252Encoding();

} // namespace tt::xml::detail
