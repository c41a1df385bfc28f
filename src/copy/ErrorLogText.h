// The error log's texts: the line of one failure or skip, the banner, the file name, the messages
// around writing it, and the conversion to the bytes the file holds.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// "[label] path1 -> path2 , ErrCode(%4u) , \" text \"" and CR LF. The argument fills the label's
// "%s" when it is not empty; no arrow without a second path; no code part for code 0. The code's
// text is the system's, line breaks removed.
std::wstring FormatErrorLogLine(DWORD dwError, const std::wstring &strLabel, const std::wstring &strArg,
                                const std::wstring &strPath1, const std::wstring &strPath2);

// The two banner lines with the given local time text, each ended by CR LF.
std::wstring FormatErrorLogBanner(const std::wstring &strLoggedOn);
// The banner for now.
std::wstring CurrentErrorLogBanner();

// "PLX[%08X].err": one file per process.
std::wstring ErrorLogFileName(DWORD dwProcessId);

// The free space asked for: the log's size rounded up to a whole number of kilobytes.
uint64_t ErrorLogSpaceNeeded(uint64_t nBytes);

// Message texts.
std::wstring ErrorLogNoRoomText(const std::wstring &strDirectory, uint64_t nNeeded);
std::wstring ErrorLogWrittenText(const std::wstring &strLogPath);
std::wstring ErrorLogCreateFailedText(const std::wstring &strLogPath);
std::wstring ErrorLogWriteFailedText(const std::wstring &strLogPath);
// The report of a file error itself, before the program's own message.
std::wstring FileErrorText(const std::wstring &strPath, DWORD dwError);

// The bytes of a text in the system's ANSI code page.
std::string ToAnsiBytes(const std::wstring &strText);
// The bytes of the log file for its whole text: the ANSI code page when every character comes back
// from it unchanged; otherwise UTF-8 after a byte-order mark, so that no name is lost or turned into
// another one.
std::string EncodeErrorLogText(const std::wstring &strText);
