#include "RemoteBuffer.h"

#include "Wait.h"

#include <vector>

CRemoteBuffer::CRemoteBuffer(HWND hWnd, size_t cb) : m_cb(cb)
{
    DWORD dwPid = 0;
    if (!::GetWindowThreadProcessId(hWnd, &dwPid))
        throw CDriverError(L"no process owns window " + DescribeWindow(hWnd));
    m_hProcess = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, dwPid);
    if (!m_hProcess)
        throw CDriverError(L"cannot open process " + std::to_wstring(dwPid) + L": " +
                           SystemErrorText(::GetLastError()));
    m_pRemote = ::VirtualAllocEx(m_hProcess, nullptr, cb, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!m_pRemote) {
        DWORD dwError = ::GetLastError();
        ::CloseHandle(m_hProcess);
        throw CDriverError(L"cannot allocate memory in process " + std::to_wstring(dwPid) + L": " +
                           SystemErrorText(dwError));
    }
}

CRemoteBuffer::~CRemoteBuffer()
{
    ::VirtualFreeEx(m_hProcess, m_pRemote, 0, MEM_RELEASE);
    ::CloseHandle(m_hProcess);
}

void *CRemoteBuffer::Address(size_t nOffset) const
{
    return static_cast<char *>(m_pRemote) + nOffset;
}

LPARAM CRemoteBuffer::Param(size_t nOffset) const
{
    return reinterpret_cast<LPARAM>(Address(nOffset));
}

void CRemoteBuffer::Write(const void *pData, size_t cb, size_t nOffset)
{
    if (nOffset > m_cb || cb > m_cb - nOffset)
        throw CDriverError(L"write beyond a remote buffer of " + std::to_wstring(m_cb) + L" bytes");
    SIZE_T cbDone = 0;
    if (!::WriteProcessMemory(m_hProcess, Address(nOffset), pData, cb, &cbDone) || cbDone != cb)
        throw CDriverError(L"cannot write another process's memory: " + SystemErrorText(::GetLastError()));
}

void CRemoteBuffer::Read(void *pData, size_t cb, size_t nOffset) const
{
    if (nOffset > m_cb || cb > m_cb - nOffset)
        throw CDriverError(L"read beyond a remote buffer of " + std::to_wstring(m_cb) + L" bytes");
    SIZE_T cbDone = 0;
    if (!::ReadProcessMemory(m_hProcess, Address(nOffset), pData, cb, &cbDone) || cbDone != cb)
        throw CDriverError(L"cannot read another process's memory: " + SystemErrorText(::GetLastError()));
}

void CRemoteBuffer::WriteString(const std::wstring &str, size_t nOffset)
{
    Write(str.c_str(), (str.size() + 1) * sizeof(wchar_t), nOffset);
}

std::wstring CRemoteBuffer::ReadStringAt(const void *pRemote, size_t cchMax) const
{
    if (!pRemote)
        return {};
    // Read piecewise: a short string may end near the end of its page.
    std::wstring str;
    std::vector<wchar_t> chunk(256);
    const wchar_t *p = static_cast<const wchar_t *>(pRemote);
    while (str.size() < cchMax) {
        size_t cch = chunk.size();
        if (cch > cchMax - str.size())
            cch = cchMax - str.size();
        SIZE_T cbDone = 0;
        if (!::ReadProcessMemory(m_hProcess, p, chunk.data(), cch * sizeof(wchar_t), &cbDone) || cbDone == 0) {
            // Retry one character at a time up to the unreadable page.
            if (cch > 1) {
                chunk.resize(1);
                continue;
            }
            throw CDriverError(L"cannot read a string from another process: " + SystemErrorText(::GetLastError()));
        }
        size_t got = cbDone / sizeof(wchar_t);
        for (size_t i = 0; i < got; ++i) {
            if (chunk[i] == L'\0')
                return str;
            str += chunk[i];
        }
        p += got;
    }
    return str;
}
