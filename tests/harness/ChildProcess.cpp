#include "ChildProcess.h"

#include <shellapi.h>

#include <map>

namespace {

const wchar_t CHILD_SWITCH[] = L"--pelnix-child=";

std::map<std::wstring, ChildMain> &Entries()
{
    static std::map<std::wstring, ChildMain> s_map;
    return s_map;
}

} // namespace

CChildEntry::CChildEntry(const wchar_t *pszName, ChildMain fn)
{
    Entries()[pszName] = fn;
}

HANDLE StartChildProcess(const std::wstring &strName, const std::vector<std::wstring> &listArgs)
{
    wchar_t szExe[MAX_PATH * 2];
    DWORD n = ::GetModuleFileNameW(nullptr, szExe, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2)
        return nullptr;
    std::wstring strCommand = L"\"" + std::wstring(szExe) + L"\" " + CHILD_SWITCH + strName;
    for (const std::wstring &strArg : listArgs)
        strCommand += L" \"" + strArg + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(szExe, strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return nullptr;
    ::CloseHandle(pi.hThread);
    return pi.hProcess;
}

bool RunChildEntry(int &nExitCode)
{
    int nArgs = 0;
    LPWSTR *ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (!ppArgs)
        return false;
    std::vector<std::wstring> listArgs(ppArgs, ppArgs + nArgs);
    ::LocalFree(ppArgs);
    const std::wstring strSwitch = CHILD_SWITCH;
    if (listArgs.size() < 2 || listArgs[1].compare(0, strSwitch.size(), strSwitch) != 0)
        return false;
    auto it = Entries().find(listArgs[1].substr(strSwitch.size()));
    nExitCode = 250; // no such entry
    if (it != Entries().end())
        nExitCode = it->second(std::vector<std::wstring>(listArgs.begin() + 2, listArgs.end()));
    return true;
}
