// The floor a run with files is measured against: a find-first walk that creates each directory
// and copies each file with the platform's copy, nothing else (no records, no window, no checks).
// Like the scan, it does not descend into a directory that is a link.
//   bench_bare_walk.exe SOURCE DESTINATION
#include <windows.h>

#include "BenchClock.h"

#include <cstdio>
#include <string>

namespace {

struct CCounts {
    size_t nDirs = 0, nFiles = 0, nFailed = 0;
};

void Walk(const std::wstring &strSrc, const std::wstring &strDst, CCounts &counts)
{
    if (!::CreateDirectoryW(strDst.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        ++counts.nFailed;
    ++counts.nDirs;
    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW((strSrc + L"\\*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring strName = fd.cFileName;
        if (strName == L"." || strName == L"..")
            continue;
        const std::wstring strFrom = strSrc + L"\\" + strName, strTo = strDst + L"\\" + strName;
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            ++counts.nFiles;
            if (!::CopyFileW(strFrom.c_str(), strTo.c_str(), FALSE))
                ++counts.nFailed;
        } else if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            if (!::CreateDirectoryW(strTo.c_str(), nullptr))
                ++counts.nFailed;
            ++counts.nDirs;
        } else {
            Walk(strFrom, strTo, counts);
        }
    } while (::FindNextFileW(hFind, &fd));
    ::FindClose(hFind);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 3) {
        std::printf("usage: bench_bare_walk.exe SOURCE DESTINATION\n");
        return 2;
    }
    CCounts counts;
    const double dStart = NowSeconds();
    Walk(argv[1], argv[2], counts);
    std::printf("run (bare walk): wall %.2f s, %zu directories, %zu files, %zu failed\n", NowSeconds() - dStart,
                counts.nDirs, counts.nFiles, counts.nFailed);
    return 0;
}
