// Path and file-name rules: joining, splitting at the extension, comparing names.
#pragma once
#include <string>
#include <string_view>

// first + "\\" + second; no separator when either part is empty or the first already ends in a
// backslash. Nothing else is normalised.
std::wstring JoinPath(const std::wstring &strFirst, const std::wstring &strSecond);

// One trailing backslash removed, except from a path of 3 characters or less (a drive root "C:\").
std::wstring RemoveTrailingBackslash(const std::wstring &strPath);

// Splits at the last period: "archive.tar.gz" -> "archive.tar" and "gz". Without a period the whole
// name is the base; "." and ".." give two empty parts.
void SplitFileExt(const std::wstring &strName, std::wstring &strBase, std::wstring &strExt);

// File names compare ordinally, ignoring case (<0, 0, >0).
int CompareNameNoCase(std::wstring_view strA, std::wstring_view strB);

// Extensions first, then bases, both ignoring case (<0, 0, >0).
int CompareByExtension(std::wstring_view strA, std::wstring_view strB);
