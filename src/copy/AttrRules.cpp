#include "copy/AttrRules.h"

#include "copy/CopyItem.h"
#include "support/FileApiPath.h"
#include "tree/ItemInfo.h"

#include <cstdint>

namespace {

uint64_t WholeSeconds(const FILETIME &ft)
{
    return ((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 10000000u;
}

} // namespace

CDestState ReadDestState(const std::wstring &strPath)
{
    CDestState dest;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (::GetFileAttributesExW(FileApiPath(strPath).c_str(), GetFileExInfoStandard, &data)) {
        dest.bExists = true;
        dest.dwAttributes = data.dwFileAttributes;
        dest.ftLastWrite = data.ftLastWriteTime;
    } else {
        const DWORD dwError = ::GetLastError();
        dest.bMissing = dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
    }
    return dest;
}

bool IsSameSecond(const FILETIME &ftA, const FILETIME &ftB)
{
    // Local time differs from UTC by whole minutes, so whole seconds compare alike in both.
    return WholeSeconds(ftA) == WholeSeconds(ftB);
}

bool IsLaterSecond(const FILETIME &ftA, const FILETIME &ftB)
{
    return WholeSeconds(ftA) > WholeSeconds(ftB);
}

int ChooseFileTime(int nTimeMode, bool bProtectAttrOfExist, const CDestState &dest, const FILETIME &ftSource)
{
    switch (nTimeMode) {
    case TIME_MODE_SYSCLOCK: return FILE_TIME_NOW;
    case TIME_MODE_SPECIFIED: return FILE_TIME_SPECIFIED;
    case TIME_MODE_SOURCE:
        if (!bProtectAttrOfExist && dest.bExists && !IsSameSecond(ftSource, dest.ftLastWrite))
            return FILE_TIME_SOURCE;
        return FILE_TIME_NONE;
    default: return FILE_TIME_NONE;
    }
}

bool NeedsFileAttributes(bool bProtectAttrOfExist, const CDestState &dest, DWORD dwItemAttributes, bool bAttrSet)
{
    if (!dest.bExists || bProtectAttrOfExist)
        return bAttrSet;
    return dest.dwAttributes != dwItemAttributes;
}

bool NeedsDirAttributes(bool bProtectAttrOfExist, const CDestState &dest, DWORD dwItemAttributes, bool bCreatedByRun)
{
    if (!dest.bExists || dest.dwAttributes == dwItemAttributes)
        return false;
    return bCreatedByRun || !bProtectAttrOfExist;
}

DWORD FlagsAfterCopy(DWORD dwKind, int nTimeMode)
{
    if ((dwKind & (COPY_FLAG_SET_ATTR | COPY_FLAG_SET_TIME)) && nTimeMode == TIME_MODE_SOURCE)
        dwKind &= ~static_cast<DWORD>(COPY_FLAG_SET_TIME);
    return dwKind;
}
