#include "support/CommandLineArgs.h"

#include <windows.h>
#include <shellapi.h>

CommandLineArgs::CommandLineArgs()
{
    int argc = 0;
    if (LPWSTR *argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc)) {
        for (int i = 0; i < argc; ++i)
            m_listArgs.emplace_back(argv[i]);
        ::LocalFree(argv);
    }
    // Argument 0 as typed may be relative or bare; the program file's own path is what callers need.
    wchar_t szModule[MAX_PATH * 4];
    DWORD n = ::GetModuleFileNameW(nullptr, szModule, static_cast<DWORD>(std::size(szModule)));
    if (n > 0 && n < std::size(szModule)) {
        if (m_listArgs.empty())
            m_listArgs.emplace_back(szModule);
        else
            m_listArgs[0] = szModule;
    }
}

std::wstring CommandLineArgs::GetArg(int i) const
{
    if (i < 0 || i >= GetCount())
        return std::wstring();
    return m_listArgs[static_cast<size_t>(i)];
}

std::wstring CommandLineArgs::GetProgramDirectory() const
{
    std::wstring arg0 = GetArg(0);
    size_t pos = arg0.rfind(L'\\');
    if (pos == std::wstring::npos)
        return std::wstring();
    // A rooted path without a drive says nothing reliable; a network path (\\server\share\...) does.
    bool bUnc = arg0.size() > 1 && arg0[0] == L'\\' && arg0[1] == L'\\';
    if (arg0[0] == L'\\' && !bUnc)
        return std::wstring();
    // "C:\prog.exe": the backslash is the third character and stays.
    if (pos == 2)
        return arg0.substr(0, 3);
    return arg0.substr(0, pos);
}
