#include "SmallDrive.h"

#include "TempDir.h"

#include <windows.h>

bool FindSmallDrive(std::wstring &strRoot, std::string &strReason)
{
    strRoot = L"Q:\\";
    if (::GetFileAttributesW(L"Q:\\pelnix-small-drive") != INVALID_FILE_ATTRIBUTES)
        return true;
    // The runner leaves its reason in the prefix (a Unix path, seen through drive Z:).
    std::string why;
    wchar_t szPrefix[1024];
    DWORD n = ::GetEnvironmentVariableW(L"WINEPREFIX", szPrefix, 1024);
    std::wstring file = L"Z:" + std::wstring(szPrefix, n < 1024 ? n : 0) + L"/small-drive-unavailable.txt";
    for (auto &ch : file)
        if (ch == L'/')
            ch = L'\\';
    if (n > 0 && ReadWholeFile(file, why) && !why.empty())
        strReason = "small drive Q: unavailable: " + why;
    else
        strReason = "small drive Q: unavailable (mounting a tmpfs is not permitted here)";
    return false;
}
