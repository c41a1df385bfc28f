#include "support/VerInfo.h"

#include "support/CommandLineArgs.h"
#include "support/TokenList.h"

#include <windows.h>

#include <cstdio>

const wchar_t VERINFO_NOT_INITIALISED[] = L"CVerInfoの初期化が正常に行われていません。";
const wchar_t VERINFO_NOT_FOUND[] = L"ｳﾞｧｰｼﾞｮﾝﾘｿｰｽは取得できませんでした。";

namespace {

const wchar_t DEFAULT_BLOCK[] = L"041104b0";
const wchar_t PRODUCT_PREFIX[] = L"Ostrel:";

struct CVersionFields {
    int n[4];
};

// "a, b, c, d": missing or non-numeric fields are 0.
CVersionFields SplitVersion(const std::wstring &strVersion)
{
    TokenList list;
    list.Split(strVersion, L',', true);
    CVersionFields f;
    for (int i = 0; i < 4; ++i)
        f.n[i] = list.GetInt(i);
    return f;
}

bool BeginsWithPrefixIgnoringCase(const std::wstring &strName)
{
    const int nPrefix = static_cast<int>(std::size(PRODUCT_PREFIX) - 1);
    if (static_cast<int>(strName.size()) < nPrefix)
        return false;
    return ::CompareStringOrdinal(strName.c_str(), nPrefix, PRODUCT_PREFIX, nPrefix, TRUE) == CSTR_EQUAL;
}

} // namespace

std::wstring ComposeProductLine(const std::wstring &strName, const std::wstring &strProductVersion)
{
    CVersionFields f = SplitVersion(strProductVersion);
    const wchar_t *pszPrefix = BeginsWithPrefixIgnoringCase(strName) ? L"" : PRODUCT_PREFIX;
    const wchar_t *pszStage = f.n[2] != 0 ? L"Rel" : L"β";
    wchar_t szTail[128];
    std::swprintf(szTail, std::size(szTail), L" Version %02d.%02d %ls %d", f.n[0], f.n[1], pszStage, f.n[3]);
    return pszPrefix + strName + szTail;
}

std::wstring ComposeBuildLine(const std::wstring &strFileVersion)
{
    CVersionFields f = SplitVersion(strFileVersion);
    wchar_t sz[128];
    if (f.n[0] > 99)
        std::swprintf(sz, std::size(sz), L"Build Version : %04d.%02d.%02d No.%d", f.n[0] + 1900, f.n[1], f.n[2],
                      f.n[3]);
    else
        std::swprintf(sz, std::size(sz), L"Build Version : %02d.%02d.%02d No.%d", f.n[0], f.n[1], f.n[2], f.n[3]);
    return sz;
}

CVerInfo::CVerInfo() : m_strFileName(CommandLineArgs().GetArg(0)), m_strBlockName(DEFAULT_BLOCK)
{
    Load();
}

CVerInfo::CVerInfo(const std::wstring &strFileName, const std::wstring &strBlockName)
    : m_strFileName(strFileName), m_strBlockName(strBlockName)
{
    Load();
}

void CVerInfo::Load()
{
    if (m_strFileName.empty())
        return;
    DWORD dwHandle = 0;
    DWORD dwSize = ::GetFileVersionInfoSizeW(m_strFileName.c_str(), &dwHandle);
    if (dwSize == 0)
        return;
    std::vector<unsigned char> data;
    try {
        data.resize(dwSize);
    } catch (const std::bad_alloc &) {
        return;
    }
    // A block that could not be read is never queried: its contents would be garbage.
    if (!::GetFileVersionInfoW(m_strFileName.c_str(), 0, dwSize, data.data()))
        return;
    m_data = std::move(data);
}

std::wstring CVerInfo::QueryValue(const std::wstring &strBlock, const std::wstring &strKey) const
{
    if (!IsValid())
        return VERINFO_NOT_INITIALISED;
    std::wstring strSub = L"\\StringFileInfo\\" + (strBlock.empty() ? m_strBlockName : strBlock) + L"\\" + strKey;
    void *pValue = nullptr;
    UINT nLen = 0;
    // VerQueryValue wants a writable block, though it only reads a string query.
    auto *pData = const_cast<unsigned char *>(m_data.data());
    if (!::VerQueryValueW(pData, strSub.c_str(), &pValue, &nLen) || !pValue)
        return VERINFO_NOT_FOUND;
    // The length counts the terminating zero when there is one.
    std::wstring strValue(static_cast<const wchar_t *>(pValue), nLen);
    size_t nul = strValue.find(L'\0');
    if (nul != std::wstring::npos)
        strValue.resize(nul);
    return strValue;
}

std::wstring CVerInfo::Comments(const std::wstring &strBlock) const
{
    return QueryValue(strBlock, L"Comments");
}

std::wstring CVerInfo::FileVersion(const std::wstring &strBlock) const
{
    return QueryValue(strBlock, L"FileVersion");
}

std::wstring CVerInfo::LegalCopyright(const std::wstring &strBlock) const
{
    return QueryValue(strBlock, L"LegalCopyright");
}

std::wstring CVerInfo::ProductName(const std::wstring &strBlock) const
{
    return QueryValue(strBlock, L"ProductName");
}

std::wstring CVerInfo::ProductVersion(const std::wstring &strBlock) const
{
    return QueryValue(strBlock, L"ProductVersion");
}

std::wstring CVerInfo::GetProductLine(const std::wstring &strName) const
{
    if (!IsValid())
        return VERINFO_NOT_INITIALISED;
    return ComposeProductLine(strName.empty() ? ProductName() : strName, ProductVersion());
}

std::wstring CVerInfo::GetBuildLine() const
{
    return ComposeBuildLine(FileVersion());
}
