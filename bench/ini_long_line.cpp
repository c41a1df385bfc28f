// ReadIniString on a settings file holding one very long line: the time to read it whole and how
// many reads the growing buffer takes (against 1 KiB more per read).
#include "app/SettingsProfile.h"

#include "BenchClock.h"

#include <cstdio>
#include <string>

int wmain()
{
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    const std::wstring strIni = std::wstring(szTemp) + L"pelnix-bench-long-line.ini";
    std::printf("%12s %10s %14s %12s\n", "characters", "reads", "reads (+1 KiB)", "median ms");
    for (unsigned nChars : {64u << 10, 1u << 20, 4u << 20, 16u << 20}) {
        ::DeleteFileW(strIni.c_str());
        WriteIniString(L"S", L"long", std::wstring(nChars, L'x'), strIni);
        unsigned nReads = 1, nSize = INI_READ_CHUNK;
        while (nSize - 1 <= nChars && nSize) {
            nSize = NextIniReadBufferSize(nSize);
            ++nReads;
        }
        std::vector<double> samples;
        bool bWhole = true;
        for (int i = 0; i < 3; ++i) {
            const double t0 = NowSeconds();
            bWhole = bWhole && ReadIniString(L"S", L"long", L"", strIni).size() == nChars;
            samples.push_back((NowSeconds() - t0) * 1000.0);
        }
        std::printf("%12u %10u %14u %12.1f%s\n", nChars, nReads, nChars / INI_READ_CHUNK + 1, Median(samples),
                    bWhole ? "" : "  (cut!)");
    }
    ::DeleteFileW(strIni.c_str());
    return 0;
}
