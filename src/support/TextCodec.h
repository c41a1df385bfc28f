// Text of files: UTF-8 and the system's code pages to and from the program's UTF-16.
#pragma once
#include <string>
#include <string_view>

// UTF-16 to UTF-8 (an unpaired surrogate becomes U+FFFD).
std::string WideToUtf8(std::wstring_view strText);

// Strict UTF-8 to UTF-16: false when the bytes are not valid UTF-8.
bool Utf8ToWide(std::string_view strText, std::wstring &strOut);

// The text of a file a person made: UTF-8 with or without its byte-order mark, else code page 932
// (what a Japanese spreadsheet saves). False when the bytes are neither.
bool DecodeTextFile(std::string_view bytes, std::wstring &strOut);
