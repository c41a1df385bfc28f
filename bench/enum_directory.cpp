// EnumDirectory and SortFindList over one directory of 10,000 files, with and without pumping:
// the scan lists every directory this way.
#include "support/EnumDirectory.h"
#include "support/FileSystem.h"
#include "support/Path.h"
#include "support/Pump.h"
#include "support/SortList.h"

#include "BenchClock.h"

#include <cstdio>

namespace {

constexpr int kFiles = 10000;

bool MakeFiles(const std::wstring &strDir)
{
    for (int i = 0; i < kFiles; ++i) {
        wchar_t szName[32];
        swprintf(szName, 32, L"file%05d.%s", (i * 7919) % kFiles, (i % 3) ? L"txt" : L"dat");
        HANDLE h = ::CreateFileW(JoinPath(strDir, szName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        ::CloseHandle(h);
    }
    return true;
}

void RemoveFiles(const std::wstring &strDir)
{
    CNameList names;
    EnumDirectory(strDir, L"*", names, ENUM_NAMES, false);
    for (const std::wstring &name : names)
        ::DeleteFileW(JoinPath(strDir, name).c_str());
    ::RemoveDirectoryW(strDir.c_str());
}

void TimeEnum(const std::wstring &strDir, bool bPump)
{
    std::vector<double> rounds;
    int n = 0;
    for (int r = 0; r < 5; ++r) {
        CFindDataList list;
        const double t0 = NowSeconds();
        n = EnumDirectory(strDir, L"*.*", list, ENUM_FINDDATA | ENUM_DIRPASS, bPump);
        rounds.push_back(NowSeconds() - t0);
    }
    const double s = Median(rounds);
    std::printf("  EnumDirectory, pump %d: %6d entries in %7.1f ms = %8.0f entries/s\n", bPump, n, s * 1e3, n / s);
}

// What one full PumpMessages per entry would add to a listing.
void TimeFullPumpPerEntry()
{
    const double t0 = NowSeconds();
    for (int i = 0; i < kFiles; ++i)
        PumpMessages();
    std::printf("  %d x PumpMessages (a full drain per entry instead): %7.1f ms\n", kFiles, (NowSeconds() - t0) * 1e3);
}

void TimeSort(const std::wstring &strDir, DWORD dwMode, const char *pszMode, bool bPump)
{
    CFindDataList listOriginal;
    EnumDirectory(strDir, L"*.*", listOriginal, ENUM_FINDDATA | ENUM_DIRPASS, false);
    std::vector<double> rounds;
    for (int r = 0; r < 5; ++r) {
        CFindDataList list = listOriginal;
        const double t0 = NowSeconds();
        SortFindList(list, dwMode, bPump);
        rounds.push_back(NowSeconds() - t0);
    }
    const double s = Median(rounds);
    std::printf("  SortFindList %s, pump %d: %7.1f ms = %8.0f entries/s\n", pszMode, bPump, s * 1e3,
                static_cast<double>(listOriginal.size()) / s);
}

} // namespace

int wmain()
{
    const std::wstring strDir = JoinPath(GetSpecialDirectory(SPECIAL_DIR_TEMP), L"plx-bench-enum");
    RemoveFiles(strDir);
    if (CreateDirectoryPath(strDir, true) != CDP_CREATED || !MakeFiles(strDir)) {
        std::printf("could not make %d files in %ls\n", kFiles, strDir.c_str());
        RemoveFiles(strDir);
        return 1;
    }
    std::printf("%d files, median of 5 rounds\n", kFiles);
    for (bool bPump : {false, true})
        TimeEnum(strDir, bPump);
    TimeFullPumpPerEntry();
    for (bool bPump : {false, true}) {
        TimeSort(strDir, SORT_FINDDATA | SORT_ASCENDING, "by extension", bPump);
        TimeSort(strDir, SORT_FINDDATA | SORT_DESCENDING | SORT_BY_NAME, "by name desc", bPump);
    }
    RemoveFiles(strDir);
    return 0;
}
