// pelnix_driver: drives Pelnix.exe from outside, through window messages only, as a person would.
//   pelnix_driver --pelnix=PATH [--out=DIR] [--desktop=WxH] [gtest options]   run the scenarios
//   pelnix_driver --pelnix=PATH --out=DIR --desktop=WxH --demo=PREFIX         the run script's demo, with pictures
//   pelnix_driver --helper=window                                             (started by its own tests)
#include <gtest/gtest.h>

#include "Helper.h"
#include "Options.h"
#include "Program.h"
#include "Scenario.h"

#include <objbase.h>

#include <cstdio>

int wmain(int argc, wchar_t **argv)
{
    std::wstring strError;
    if (!ParseDriverOptions(argc, argv, strError)) {
        fprintf(stderr, "pelnix_driver: %s\n", Utf8(strError).c_str());
        return 2;
    }
    const CDriverOptions &opt = DriverOptions();
    if (!opt.strHelper.empty())
        return RunHelper(opt.strHelper);

    if (opt.cxDesktop) {
        try {
            UseDesktop(L"pelnix-e2e", opt.cxDesktop, opt.cyDesktop);
        } catch (const std::exception &e) {
            fprintf(stderr, "pelnix_driver: %s\n", e.what());
            return 2;
        }
    }
    if (!opt.strDemo.empty())
        return RunDemo(opt.strDemo);

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
