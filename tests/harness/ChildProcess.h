// A part of a test that runs in further processes of the same test program, so that a test can
// meet the program as two running copies of it would (the same files, the same named objects).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

using ChildMain = int (*)(const std::vector<std::wstring> &listArgs);

// Registers an entry under a name; define one at namespace scope in the test's file.
class CChildEntry {
public:
    CChildEntry(const wchar_t *pszName, ChildMain fn);
};

// Starts this test program running the named entry with the arguments (no quotes in them);
// the process handle, or null.
HANDLE StartChildProcess(const std::wstring &strName, const std::vector<std::wstring> &listArgs);

// Called first by the test main: when the command line names an entry, runs it and gives its result.
bool RunChildEntry(int &nExitCode);
