#include "support/Path.h"

#include <windows.h>

std::wstring JoinPath(const std::wstring &strFirst, const std::wstring &strSecond)
{
    if (strFirst.empty())
        return strSecond;
    if (strSecond.empty())
        return strFirst;
    if (strFirst.back() == L'\\')
        return strFirst + strSecond;
    return strFirst + L'\\' + strSecond;
}

std::wstring RemoveTrailingBackslash(const std::wstring &strPath)
{
    if (strPath.size() > 3 && strPath.back() == L'\\')
        return strPath.substr(0, strPath.size() - 1);
    return strPath;
}

int CompareNameNoCase(std::wstring_view strA, std::wstring_view strB)
{
    if (strA.empty() || strB.empty())
        return strA.empty() ? (strB.empty() ? 0 : -1) : 1;
    // Lengths beyond int are not file names; the system call takes int counts.
    const int r = ::CompareStringOrdinal(strA.data(), static_cast<int>(strA.size()), strB.data(),
                                         static_cast<int>(strB.size()), TRUE);
    return r == 0 ? 0 : r - CSTR_EQUAL;
}

namespace {

// SplitFileExt without copies: base and extension as views into the name.
void SplitView(std::wstring_view strName, std::wstring_view &strBase, std::wstring_view &strExt)
{
    strBase = strExt = std::wstring_view();
    if (strName == L"." || strName == L"..")
        return;
    const size_t dot = strName.rfind(L'.');
    if (dot == std::wstring_view::npos) {
        strBase = strName;
        return;
    }
    strBase = strName.substr(0, dot);
    strExt = strName.substr(dot + 1);
}

} // namespace

int CompareByExtension(std::wstring_view strA, std::wstring_view strB)
{
    std::wstring_view baseA, extA, baseB, extB;
    SplitView(strA, baseA, extA);
    SplitView(strB, baseB, extB);
    const int r = CompareNameNoCase(extA, extB);
    return r != 0 ? r : CompareNameNoCase(baseA, baseB);
}

void SplitFileExt(const std::wstring &strName, std::wstring &strBase, std::wstring &strExt)
{
    std::wstring_view base, ext;
    SplitView(strName, base, ext);
    std::wstring b(base), e(ext); // strName may be one of the outputs
    strBase = std::move(b);
    strExt = std::move(e);
}
