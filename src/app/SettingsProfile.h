// The settings file's profile routines: one key=value line per key, string values with tab and
// CR LF escaped so that a value always stays on one line. Each takes the file's full path last.
#pragma once
#include <string>
#include <vector>

// The key as a decimal integer; nDefault when the key or the file is missing.
int ReadIniInt(const std::wstring &strSection, const std::wstring &strKey, int nDefault,
               const std::wstring &strIniPath);
// The writes say whether the profile functions took the value (false with the last error).
bool WriteIniInt(const std::wstring &strSection, const std::wstring &strKey, int nValue,
                 const std::wstring &strIniPath);
// The whole value however long, with the escapes decoded.
std::wstring ReadIniString(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strDefault,
                           const std::wstring &strIniPath);
bool WriteIniString(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strValue,
                    const std::wstring &strIniPath);
// Removes the section with all its keys.
bool DeleteIniSection(const std::wstring &strSection, const std::wstring &strIniPath);

// A string value as WriteIniString puts it into the file: tab and CR LF escaped.
std::wstring EncodeIniString(const std::wstring &strValue);
// The value as the file holds it, escapes and all.
std::wstring ReadIniText(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strDefault,
                         const std::wstring &strIniPath);
// Every section's name, and a section's "key=value" lines, as the profile functions read them.
std::vector<std::wstring> ReadIniSectionNames(const std::wstring &strIniPath);
std::vector<std::wstring> ReadIniSectionLines(const std::wstring &strSection, const std::wstring &strIniPath);
// Lets go of what the profile functions hold of the file, so that the next read is of the disk.
void FlushIniCache(const std::wstring &strIniPath);

// Which pair EscapeControlChars handles.
enum { ESCAPE_TAB = 0, ESCAPE_CRLF = 1 };
// Encoding replaces the raw sequence by its token ("<\x09>", "<\x0D\x0A>"), decoding the token by
// the raw sequence; left to right, replaced text is never looked at again.
std::wstring EscapeControlChars(const std::wstring &strText, int nSelector, bool bEncode);

// The first read buffer of ReadIniString, in characters.
constexpr unsigned INI_READ_CHUNK = 1024;
// The next read buffer after one that was too small: twice as large, so that a line of megabytes
// takes a few reads rather than thousands; 0 when the profile functions cannot take a larger one.
unsigned NextIniReadBufferSize(unsigned nSize);
