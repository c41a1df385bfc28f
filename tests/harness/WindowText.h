// Reading a window from a test: its text and its class name.
#pragma once
#include <windows.h>

#include <string>

inline std::wstring Text(HWND hWnd)
{
    std::wstring str(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    str.resize(static_cast<size_t>(::GetWindowTextW(hWnd, str.data(), static_cast<int>(str.size()))));
    return str;
}

inline std::wstring ClassOf(HWND hWnd)
{
    wchar_t sz[256] = {};
    ::GetClassNameW(hWnd, sz, 256);
    return sz;
}
