// The driver's command line, read once by main.
#pragma once
#include <string>
#include <vector>

struct CDriverOptions {
    std::wstring strPelnix; // --pelnix=PATH: the program under test
    std::wstring strOutDir; // --out=DIR: where screenshots go (default: the current folder)
    std::wstring strDemo;   // --demo=PREFIX: run the demo with pictures PREFIX-N-step.bmp instead of the tests
    std::wstring strHelper; // --helper=KIND: be a helper window for the driver's own tests
    int cxDesktop = 0;      // --desktop=WxH: drive programs on a desktop of their own of this size
    int cyDesktop = 0;
};

const CDriverOptions &DriverOptions();
// Takes the driver's own options out of argv, leaving the test framework's; false on a bad option.
bool ParseDriverOptions(int &argc, wchar_t **argv, std::wstring &strError);
// A file in the output folder.
std::wstring OutPath(const std::wstring &strName);
