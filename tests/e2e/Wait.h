// Failures and deadlines of the driver: every wait polls a condition until a deadline and, when the
// deadline passes, throws an error that names what was awaited.
#pragma once
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

// What the driver throws when the program does not do what a person would see it do.
class CDriverError : public std::runtime_error {
public:
    explicit CDriverError(const std::wstring &strWhat);
};

std::string Utf8(const std::wstring &str);
// "0x1234 "caption" (class)" for failure messages.
std::wstring DescribeWindow(HWND hWnd);
// The text of a system error code, e.g. for a failed ReadProcessMemory.
std::wstring SystemErrorText(DWORD dwError);

// Windows of a fresh process under Wine may take long on a busy machine; other waits are short.
constexpr DWORD WAIT_START_MS = 60000;
constexpr DWORD WAIT_DEFAULT_MS = 15000;

// Polls fnDone until it returns true; throws "timed out after N s waiting for <strWhat>" otherwise.
void WaitUntil(const std::function<bool()> &fnDone, const std::wstring &strWhat, DWORD dwTimeoutMs = WAIT_DEFAULT_MS);

// Polls fnFind until it returns a non-null value and returns that value.
template <class T>
T WaitFor(const std::function<T()> &fnFind, const std::wstring &strWhat, DWORD dwTimeoutMs = WAIT_DEFAULT_MS)
{
    T found{};
    WaitUntil(
        [&] {
            found = fnFind();
            return static_cast<bool>(found);
        },
        strWhat, dwTimeoutMs);
    return found;
}
