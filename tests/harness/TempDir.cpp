#include "TempDir.h"

#include "support/FileApiPath.h"

#include <windows.h>

#include <atomic>

namespace {
std::atomic<unsigned> g_nSerial{0};
}

CTempDir::CTempDir()
{
    wchar_t szTemp[MAX_PATH];
    DWORD n = ::GetTempPathW(MAX_PATH, szTemp);
    std::wstring base(szTemp, n);
    if (!base.empty() && base.back() == L'\\')
        base.pop_back();
    for (;;) {
        m_strPath = base + L"\\plx-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                    std::to_wstring(++g_nSerial) + L"-" + std::to_wstring(::GetTickCount());
        if (::CreateDirectoryW(m_strPath.c_str(), nullptr))
            break;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
}

CTempDir::~CTempDir()
{
    RemoveTree(m_strPath);
}

bool CTempDir::MakeDir(const std::wstring &strRel) const
{
    std::wstring full = *this / strRel;
    for (size_t pos = m_strPath.size() + 1; pos <= full.size(); ++pos) {
        if (pos == full.size() || full[pos] == L'\\') {
            std::wstring part = full.substr(0, pos);
            if (!::CreateDirectoryW(FileApiPath(part).c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
                return false;
        }
    }
    return true;
}

bool CTempDir::WriteFile(const std::wstring &strRel, const std::string &strBytes) const
{
    size_t slash = strRel.rfind(L'\\');
    if (slash != std::wstring::npos && !MakeDir(strRel.substr(0, slash)))
        return false;
    std::wstring full = *this / strRel;
    HANDLE h = ::CreateFileW(FileApiPath(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(h, strBytes.data(), static_cast<DWORD>(strBytes.size()), &written, nullptr);
    ::CloseHandle(h);
    return ok && written == strBytes.size();
}

void RemoveTree(const std::wstring &strPath)
{
    if (strPath.empty())
        return;
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(FileApiPath(strPath + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring child = strPath + L"\\" + name;
            const std::wstring call = FileApiPath(child);
            // A link is removed, never walked: it may lead out of the tree or back into it.
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                if (!::RemoveDirectoryW(call.c_str()))
                    ::DeleteFileW(call.c_str());
                continue;
            }
            ::SetFileAttributesW(call.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileW(call.c_str());
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::SetFileAttributesW(FileApiPath(strPath).c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryW(FileApiPath(strPath).c_str());
}

bool ReadWholeFile(const std::wstring &strPath, std::string &strBytes)
{
    HANDLE h =
        ::CreateFileW(FileApiPath(strPath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    strBytes.clear();
    char buf[65536];
    DWORD got = 0;
    while (::ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0)
        strBytes.append(buf, got);
    ::CloseHandle(h);
    return true;
}
