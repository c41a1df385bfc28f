#include "app/SettingsFileUpdate.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

// Long enough for an instance that saves while another one does; a hung instance does not
// keep the others from exiting.
constexpr DWORD LOCK_WAIT_MS = 10000;
// A reader (a virus scanner, an editor) may hold the file for a moment.
constexpr int REPLACE_TRIES = 20;
constexpr DWORD REPLACE_PAUSE_MS = 25;

bool ReadFileBytes(const std::wstring &strPath, std::vector<char> &bytes, bool &bMissing)
{
    bMissing = false;
    CFileHandle file(::CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD dwError = ::GetLastError();
        bMissing = dwError == ERROR_FILE_NOT_FOUND;
        return false;
    }
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD nRead = 0;
    return bytes.empty() ||
           (::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &nRead, nullptr) && nRead == bytes.size());
}

bool WriteNewFile(const std::wstring &strPath, const std::vector<char> &bytes)
{
    CFileHandle file(
        ::CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD nWritten = 0;
    return bytes.empty() || (::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr) &&
                             nWritten == bytes.size());
}

} // namespace

std::wstring SettingsMutexName(const std::wstring &strIniPath)
{
    // A mutex name cannot hold backslashes: the path goes in as a hash of its upper-case form.
    std::wstring strUpper = strIniPath;
    if (!strUpper.empty())
        ::CharUpperBuffW(strUpper.data(), static_cast<DWORD>(strUpper.size()));
    unsigned long long nHash = 14695981039346656037ull;
    for (wchar_t ch : strUpper) {
        nHash ^= static_cast<unsigned>(ch);
        nHash *= 1099511628211ull;
    }
    wchar_t sz[64];
    std::swprintf(sz, 64, L"Pelnix.SettingsFile.%016llX", nHash);
    return sz;
}

CSettingsFileUpdate::CSettingsFileUpdate(const std::wstring &strIniPath) : m_strIniPath(strIniPath)
{
    m_mutex.Attach(::CreateMutexW(nullptr, FALSE, SettingsMutexName(strIniPath).c_str()));
    if (!m_mutex)
        return;
    const DWORD dwWait = ::WaitForSingleObject(m_mutex, LOCK_WAIT_MS);
    // An instance that died while saving left the file whole: its copy had not replaced it yet.
    m_bLocked = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
    if (m_bLocked)
        m_bReady = PrepareCopy();
}

CSettingsFileUpdate::~CSettingsFileUpdate()
{
    if (m_bReady)
        ::DeleteFileW(m_strWorkPath.c_str());
    if (m_bLocked)
        ::ReleaseMutex(m_mutex);
}

bool CSettingsFileUpdate::PrepareCopy()
{
    static LONG s_nSerial = 0;
    wchar_t szSuffix[48];
    std::swprintf(szSuffix, 48, L".%lX-%lX.new", ::GetCurrentProcessId(),
                  static_cast<unsigned long>(::InterlockedIncrement(&s_nSerial)));
    m_strWorkPath = m_strIniPath + szSuffix;

    std::vector<char> bytes;
    bool bMissing = false;
    if (!ReadFileBytes(m_strIniPath, bytes, bMissing)) {
        // A file that is there but cannot be read is left alone: writing would lose what it holds.
        if (!bMissing)
            return false;
        // A new file is UTF-16 with its byte-order mark, so that the profile functions keep names
        // the system code page cannot spell.
        bytes = {'\xFF', '\xFE'};
    }
    if (!WriteNewFile(m_strWorkPath, bytes)) {
        ::DeleteFileW(m_strWorkPath.c_str());
        return false;
    }
    return true;
}

bool CSettingsFileUpdate::Commit()
{
    if (!m_bReady)
        return false;
    for (int nTry = 0; nTry < REPLACE_TRIES; ++nTry) {
        if (::MoveFileExW(m_strWorkPath.c_str(), m_strIniPath.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            m_bReady = false; // nothing left to remove
            return true;
        }
        const DWORD dwError = ::GetLastError();
        if (dwError != ERROR_SHARING_VIOLATION && dwError != ERROR_ACCESS_DENIED && dwError != ERROR_LOCK_VIOLATION)
            break;
        ::Sleep(REPLACE_PAUSE_MS);
    }
    return false;
}
