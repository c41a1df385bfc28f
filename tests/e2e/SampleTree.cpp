#include "SampleTree.h"

#include "Wait.h"

#include <windows.h>

namespace {

const wchar_t *const kDirs[] = {
    L"Documents",          L"Documents\\Archive", L"資料",       L"資料\\画像",
    L"資料\\画像\\2024年", L"ﾃｽﾄ ﾃﾞｰﾀ",           L"Hidden Dir", L"System Dir",
};

const CSampleFile kFiles[] = {
    {L"readme.txt", 512},
    {L"setup.bin", 3000000},
    {L"隠しファイル.dat", 64},
    {L"Documents\\report.txt", 1234},
    {L"Documents\\notes.md", 56},
    {L"Documents\\Archive\\2019.zip", 150000},
    {L"資料\\会議録.txt", 4321},
    {L"資料\\予算.xls", 22528},
    {L"資料\\画像\\写真1.jpg", 65536},
    {L"資料\\画像\\写真2.jpg", 70000},
    {L"資料\\画像\\2024年\\表紙.png", 1048576},
    {L"ﾃｽﾄ ﾃﾞｰﾀ\\空.txt", 0},
    {L"Hidden Dir\\secret.txt", 99},
};

struct CSampleAttr {
    const wchar_t *pszPath;
    DWORD dwAttr;
};
const CSampleAttr kAttrs[] = {
    {L"Hidden Dir", FILE_ATTRIBUTE_HIDDEN},
    {L"System Dir", FILE_ATTRIBUTE_SYSTEM},
    {L"隠しファイル.dat", FILE_ATTRIBUTE_HIDDEN},
};

std::wstring Join(const std::wstring &a, const std::wstring &b)
{
    return a + L"\\" + b;
}

void WriteSizedFile(const std::wstring &strPath, uint64_t nSize)
{
    HANDLE h = ::CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw CDriverError(L"cannot create " + strPath + L": " + SystemErrorText(::GetLastError()));
    std::string chunk(64 * 1024, 'x');
    uint64_t nLeft = nSize;
    bool bOk = true;
    while (bOk && nLeft) {
        DWORD dwPart = static_cast<DWORD>(nLeft < chunk.size() ? nLeft : chunk.size());
        DWORD dwWritten = 0;
        bOk = ::WriteFile(h, chunk.data(), dwPart, &dwWritten, nullptr) && dwWritten == dwPart;
        nLeft -= dwPart;
    }
    ::CloseHandle(h);
    if (!bOk)
        throw CDriverError(L"cannot write " + strPath);
}

} // namespace

void CreateSampleTree(const std::wstring &strRoot)
{
    for (const wchar_t *pszDir : kDirs) {
        std::wstring strDir = Join(strRoot, pszDir);
        if (!::CreateDirectoryW(strDir.c_str(), nullptr))
            throw CDriverError(L"cannot create " + strDir + L": " + SystemErrorText(::GetLastError()));
    }
    for (const CSampleFile &file : kFiles)
        WriteSizedFile(Join(strRoot, file.pszPath), file.nSize);
    for (const CSampleAttr &attr : kAttrs) {
        std::wstring strPath = Join(strRoot, attr.pszPath);
        if (!::SetFileAttributesW(strPath.c_str(), attr.dwAttr))
            throw CDriverError(L"cannot set the attributes of " + strPath);
    }
}

std::vector<std::wstring> SampleTreeOutline()
{
    return {L"[ root ]",   L"  Documents", L"    Archive", L"  Hidden Dir",
            L"  ﾃｽﾄ ﾃﾞｰﾀ", L"  資料",      L"    画像",    L"      2024年"};
}

std::vector<CSampleFile> SampleFilesIn(const std::wstring &strDir)
{
    std::vector<CSampleFile> list;
    for (const CSampleFile &file : kFiles) {
        std::wstring strPath = file.pszPath;
        size_t nSlash = strPath.find_last_of(L'\\');
        std::wstring strParent = nSlash == std::wstring::npos ? L"" : strPath.substr(0, nSlash);
        if (strParent == strDir)
            list.push_back(file);
    }
    return list;
}

uint64_t SampleBytesIn(const std::wstring &strDir)
{
    uint64_t n = 0;
    for (const CSampleFile &file : SampleFilesIn(strDir))
        n += file.nSize;
    return n;
}
