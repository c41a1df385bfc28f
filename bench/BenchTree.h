// A source tree of the size a user's data drive has (about 20,000 directories and 100,000 files,
// names of mixed case, some Japanese), built once on the real file system beside the benchmark
// program and reused by later runs, and the bare FindFirstFile/FindNextFile walk over it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bench_tree {

// Changing the shape changes this, so that an older tree is built again.
constexpr const wchar_t *kShapeVersion = L"scan-tree 3";

inline std::wstring ProgramDirectory()
{
    wchar_t sz[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, sz, MAX_PATH);
    std::wstring str(sz, n);
    return str.substr(0, str.rfind(L'\\'));
}

inline std::wstring Join(const std::wstring &a, const std::wstring &b)
{
    return a + L"\\" + b;
}

inline const wchar_t *Pick(const std::vector<const wchar_t *> &list, unsigned n)
{
    return list[n % list.size()];
}

// Small deterministic hash, so that names and sizes look varied but every build is the same.
inline unsigned Mix(unsigned n)
{
    n ^= n >> 16;
    n *= 0x45d9f3bu;
    n ^= n >> 16;
    return n;
}

inline std::wstring DirName(unsigned n)
{
    static const std::vector<const wchar_t *> kStems = {
        L"Projects", L"データ",   L"archive", L"SRC",    L"Docs", L"写真",      L"Music",        L"build",
        L"Temp",     L"レポート", L"Backup",  L"images", L"資料", L"Old Files", L"node_modules", L"Work"};
    static const std::vector<const wchar_t *> kForms = {L"%ls %02u", L"%ls_%02u", L"%ls-%02u", L"%ls%02u"};
    wchar_t sz[64];
    swprintf(sz, 64, Pick(kForms, Mix(n) >> 4), Pick(kStems, Mix(n)), n % 100);
    // Numbered folders of a level stay distinct.
    return std::wstring(sz) + L"." + std::to_wstring(n);
}

inline std::wstring FileName(unsigned n)
{
    static const std::vector<const wchar_t *> kStems = {L"readme", L"Report", L"画像",  L"IMG_",   L"data",
                                                        L"Setup",  L"メモ",   L"index", L"Thumbs", L"会議資料"};
    static const std::vector<const wchar_t *> kExts = {L".txt", L".JPG",  L".docx", L".cpp", L".H",
                                                       L".png", L".xlsx", L".log",  L"",     L".tar.gz"};
    wchar_t sz[64];
    swprintf(sz, 64, L"%ls%05u%ls", Pick(kStems, Mix(n)), n, Pick(kExts, Mix(n) >> 8));
    return sz;
}

class CBuilder {
public:
    bool Dir(const std::wstring &strPath)
    {
        ++m_nDirs;
        return ::CreateDirectoryW(strPath.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS;
    }
    bool Files(const std::wstring &strDir, unsigned nFiles)
    {
        for (unsigned i = 0; i < nFiles; ++i) {
            const unsigned n = m_nFiles++;
            HANDLE h = ::CreateFileW(Join(strDir, FileName(n)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h == INVALID_HANDLE_VALUE)
                return false;
            // Sizes without data: the file system keeps them sparse.
            LARGE_INTEGER size;
            size.QuadPart = Mix(n) % 200000;
            ::SetFilePointerEx(h, size, nullptr, FILE_BEGIN);
            ::SetEndOfFile(h);
            ::CloseHandle(h);
        }
        return true;
    }
    unsigned m_nDirs = 0, m_nFiles = 0;
};

// bulk: 24 x 24 x 24 directories of 6 or 7 files each, one directory of 3,000 files;
// wide: one directory of 4,500 sub-directories; deep: 100 chains 10 levels deep.
inline bool Build(const std::wstring &strRoot, CBuilder &b)
{
    if (!b.Dir(strRoot))
        return false;
    const std::wstring strBulk = Join(strRoot, L"Bulk"), strWide = Join(strRoot, L"Wide ディレクトリ"),
                       strDeep = Join(strRoot, L"deep");
    if (!b.Dir(strBulk) || !b.Dir(strWide) || !b.Dir(strDeep) || !b.Files(strRoot, 12))
        return false;
    unsigned nName = 0;
    for (unsigned i = 0; i < 24; ++i) {
        const std::wstring s1 = Join(strBulk, DirName(nName++));
        if (!b.Dir(s1) || !b.Files(s1, i == 7 ? 3000 : 3))
            return false;
        for (unsigned j = 0; j < 24; ++j) {
            const std::wstring s2 = Join(s1, DirName(nName++));
            if (!b.Dir(s2) || !b.Files(s2, 4))
                return false;
            for (unsigned k = 0; k < 24; ++k) {
                const std::wstring s3 = Join(s2, DirName(nName++));
                if (!b.Dir(s3) || !b.Files(s3, 6 + (k % 3 == 0)))
                    return false;
            }
        }
        if (i % 6 == 5)
            std::printf("  building the source tree: %u directories, %u files\n", b.m_nDirs, b.m_nFiles);
    }
    for (unsigned i = 0; i < 4500; ++i) {
        const std::wstring s = Join(strWide, DirName(nName++));
        if (!b.Dir(s) || !b.Files(s, 1))
            return false;
    }
    for (unsigned i = 0; i < 100; ++i) {
        std::wstring s = strDeep;
        for (unsigned d = 0; d < 10; ++d) {
            s = Join(s, d ? L"Level" + std::to_wstring(d) : L"chain" + std::to_wstring(i));
            if (!b.Dir(s) || !b.Files(s, 2))
                return false;
        }
    }
    return true;
}

inline void RemoveTree(const std::wstring &strDir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(Join(strDir, L"*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring strName = fd.cFileName;
            if (strName == L"." || strName == L"..")
                continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(Join(strDir, strName));
            else
                ::DeleteFileW(Join(strDir, strName).c_str());
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(strDir.c_str());
}

// The tree's root, built when missing or of another shape. Empty when it cannot be built.
inline std::wstring EnsureSourceTree()
{
    const std::wstring strBase = Join(ProgramDirectory(), L"scan_tree_data");
    const std::wstring strRoot = Join(strBase, L"source"), strMark = Join(strBase, L"complete.txt");
    wchar_t szMark[64] = {};
    if (::GetPrivateProfileStringW(L"tree", L"shape", L"", szMark, 64, strMark.c_str()) &&
        std::wstring(szMark) == kShapeVersion)
        return strRoot;
    std::printf("  building the source tree once (later runs reuse it) ...\n");
    RemoveTree(strBase);
    ::CreateDirectoryW(strBase.c_str(), nullptr);
    CBuilder b;
    if (!Build(strRoot, b)) {
        std::printf("\n  cannot build the source tree (error %lu)\n", ::GetLastError());
        return std::wstring();
    }
    std::printf("  built: %u directories, %u files\n", b.m_nDirs, b.m_nFiles);
    ::WritePrivateProfileStringW(L"tree", L"shape", kShapeVersion, strMark.c_str());
    return strRoot;
}

struct CWalkCount {
    uint64_t nDirs = 0, nFiles = 0;
};

// The floor: every entry listed once, directories descended into, nothing kept.
inline void BareWalk(const std::wstring &strDir, CWalkCount &count)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(Join(strDir, L"*.*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (fd.cFileName[0] == L'.' && (fd.cFileName[1] == 0 || (fd.cFileName[1] == L'.' && fd.cFileName[2] == 0)))
                continue;
            ++count.nDirs;
            BareWalk(Join(strDir, fd.cFileName), count);
        } else {
            ++count.nFiles;
        }
    } while (::FindNextFileW(h, &fd));
    ::FindClose(h);
}

} // namespace bench_tree
