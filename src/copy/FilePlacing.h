// Putting a copy of a file in place without ever losing what stood there: a new name is taken
// only when it is still free, and an old file is replaced only by a complete copy.
#pragma once
#include <windows.h>

#include <string>

// Copies strSrc to strDst, a name judged free: fails with ERROR_FILE_EXISTS when something has
// taken it since, and leaves that alone. A copy that fails part way removes what it wrote.
// *pbCancel (may be null) turning TRUE stops a copy under way (ERROR_REQUEST_ABORTED).
bool CopyToFreeName(const std::wstring &strSrc, const std::wstring &strDst, BOOL *pbCancel);

// Replaces the file strDst (whose attributes are dwDstAttributes) by a copy of strSrc. The copy
// is made under a temporary name beside it and takes the old file's place only once complete; on
// any failure the temporary file is removed and the old file keeps its name, bytes, attributes and
// time. The source stays open without shared deletion meanwhile: a destination that is the source
// under another name can then not be replaced, and the source is never lost.
bool ReplaceWithCopy(const std::wstring &strSrc, const std::wstring &strDst, DWORD dwDstAttributes, BOOL *pbCancel);
