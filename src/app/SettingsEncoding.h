// The settings file's bytes as the profile functions can take them: they recognise UTF-16 only
// little-endian and after its byte-order mark, so any other UTF-16 is handed to them in that form.
#pragma once
#include <windows.h>

#include <string>

enum SETTINGS_TEXT {
    ST_ANSI,         // no NUL byte: the code page, or UTF-8 after its mark
    ST_UTF16LE,      // with its mark
    ST_UTF16LE_BARE, // without a mark
    ST_UTF16BE,      // with or without a mark
    ST_UNKNOWN,      // NUL bytes that do not make UTF-16 text
};

// A text file with NUL bytes in it is UTF-16, whose ASCII letters leave every other byte NUL:
// the odd ones in little-endian, the even ones in big-endian.
SETTINGS_TEXT ClassifySettingsBytes(const std::string &strBytes);

// The bytes in a form the profile functions read as they are meant: UTF-16 becomes little-endian
// after its mark. False for ST_UNKNOWN, which no reader should take for settings.
bool NormaliseSettingsBytes(std::string &strBytes);

// The whole file; false with the system's error (ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND when
// it is not there).
bool ReadSettingsBytes(const std::wstring &strPath, std::string &strBytes, DWORD &dwError);
// A missing file or directory rather than one that is there and cannot be read.
bool IsMissingFileError(DWORD dwError);
