// Texts of the file copy phase: the overwrite question and the three fatal stop messages.
#pragma once
#include <cstdint>
#include <string>

// Caption and text of the question asked before an existing destination is replaced; the times
// are texts as "%Y/%m/%d %H:%M:%S".
extern const wchar_t OVERWRITE_CAPTION[];
std::wstring FormatOverwriteQuestion(const std::wstring &strSrc, const std::wstring &strSrcTime, uint64_t nSrcSize,
                                     const std::wstring &strDst, const std::wstring &strDstTime, uint64_t nDstSize);

// The message for a fatal result (CR_SYSERR with the system's text, CR_SAME_PATH, CR_SRC_NOT_FOUND);
// empty for any other result.
std::wstring FormatFatalCopyMessage(int nResult, const std::wstring &strSrc, const std::wstring &strDst,
                                    const std::wstring &strErrorText);
