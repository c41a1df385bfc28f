#include "app/SettingsFileUpdate.h"

#include "app/SettingsEncoding.h"
#include "app/SettingsProfile.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

// Long enough for an instance that saves while another one does; a hung instance does not
// keep the others from exiting.
constexpr DWORD LOCK_WAIT_MS = 10000;
// A reader (a virus scanner, an editor) may hold the file for a moment.
constexpr int REPLACE_TRIES = 20;
constexpr DWORD REPLACE_PAUSE_MS = 25;
// What a copy is named after the file's own name: ".<process>-<serial>.new".
const wchar_t COPY_SUFFIX[] = L".new";

// The whole buffer, or false with the last error; a short write counts as a full disk.
bool WriteNewFile(const std::wstring &strPath, const std::string &strBytes)
{
    CFileHandle file(
        ::CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD nWritten = 0;
    if (!strBytes.empty() &&
        !::WriteFile(file, strBytes.data(), static_cast<DWORD>(strBytes.size()), &nWritten, nullptr))
        return false;
    if (nWritten != strBytes.size()) {
        ::SetLastError(ERROR_DISK_FULL);
        return false;
    }
    return ::FlushFileBuffers(file) != FALSE;
}

unsigned long long HashUpper(const std::wstring &str)
{
    std::wstring strUpper = str;
    if (!strUpper.empty())
        ::CharUpperBuffW(strUpper.data(), static_cast<DWORD>(strUpper.size()));
    unsigned long long nHash = 14695981039346656037ull;
    for (wchar_t ch : strUpper) {
        nHash ^= static_cast<unsigned>(ch);
        nHash *= 1099511628211ull;
    }
    return nHash;
}

// The directory part and the name part of a path ("" and the path when it has no directory).
void SplitDirectory(const std::wstring &strPath, std::wstring &strDir, std::wstring &strName)
{
    const size_t pos = strPath.find_last_of(L"\\/");
    strDir = pos == std::wstring::npos ? std::wstring() : strPath.substr(0, pos + 1);
    strName = pos == std::wstring::npos ? strPath : strPath.substr(pos + 1);
}

bool SameText(const std::wstring &a, const std::wstring &b)
{
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

std::wstring KeyOfLine(const std::wstring &strLine)
{
    std::wstring strKey = strLine.substr(0, strLine.find(L'='));
    const size_t nEnd = strKey.find_last_not_of(L" \t");
    return nEnd == std::wstring::npos ? std::wstring() : strKey.substr(0, nEnd + 1);
}

// The usual reason why a copy lost what was written to it.
bool IsDiskNearlyFull(const std::wstring &strIniPath)
{
    std::wstring strDir, strName;
    SplitDirectory(strIniPath, strDir, strName);
    ULARGE_INTEGER nFree = {};
    return ::GetDiskFreeSpaceExW(strDir.empty() ? nullptr : strDir.c_str(), &nFree, nullptr, nullptr) &&
           nFree.QuadPart < (1u << 20);
}

// The directory as CreateFile opens it: without a trailing separator unless it is a drive's root.
std::wstring DirectoryToOpen(std::wstring strDir)
{
    if (strDir.empty())
        return L".";
    if (strDir.size() > 1 && (strDir.back() == L'\\' || strDir.back() == L'/') && strDir[strDir.size() - 2] != L':')
        strDir.pop_back();
    return strDir;
}

// Copies of the file left by an instance that ended while saving: "<name>.<anything>.new".
void RemoveLeftCopies(const std::wstring &strIniPath)
{
    std::wstring strDir, strName;
    SplitDirectory(strIniPath, strDir, strName);
    WIN32_FIND_DATAW fd;
    CFindHandle find(::FindFirstFileW((strIniPath + L".*" + COPY_SUFFIX).c_str(), &fd));
    if (!find)
        return;
    do {
        // The pattern also matches short names; only our own long form is taken.
        const std::wstring strFound = fd.cFileName;
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && strFound.size() > strName.size() + 1 &&
            SameText(strFound.substr(0, strName.size() + 1), strName + L".")) {
            const std::wstring strPath = strDir + strFound;
            ::SetFileAttributesW(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(strPath.c_str());
        }
    } while (::FindNextFileW(find, &fd));
}

} // namespace

std::wstring ProfileValueAsRead(const std::wstring &strText)
{
    const size_t nFirst = strText.find_first_not_of(L" \t");
    if (nFirst == std::wstring::npos)
        return std::wstring();
    std::wstring str = strText.substr(nFirst, strText.find_last_not_of(L" \t") - nFirst + 1);
    if (str.size() >= 2 && (str.front() == L'"' || str.front() == L'\'') && str.back() == str.front())
        str = str.substr(1, str.size() - 2);
    return str;
}

std::wstring SettingsMutexName(const std::wstring &strIniPath)
{
    std::wstring strDir, strName;
    SplitDirectory(strIniPath, strDir, strName);
    // The file's long name, when it is there to ask.
    WIN32_FIND_DATAW fd;
    CFindHandle find(::FindFirstFileW(strIniPath.c_str(), &fd));
    if (find)
        strName = fd.cFileName;

    wchar_t sz[96];
    CFileHandle dir(::CreateFileW(DirectoryToOpen(strDir).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info = {};
    if (dir && ::GetFileInformationByHandle(dir, &info)) {
        std::swprintf(sz, std::size(sz), L"Pelnix.SettingsFile.%08lX.%08lX%08lX.%016llX", info.dwVolumeSerialNumber,
                      info.nFileIndexHigh, info.nFileIndexLow, HashUpper(strName));
        return sz;
    }
    // No directory to ask (the save will fail): the path's text. A mutex name cannot hold
    // backslashes, so it goes in as a hash.
    std::swprintf(sz, std::size(sz), L"Pelnix.SettingsFile.%016llX", HashUpper(strIniPath));
    return sz;
}

CSettingsFileUpdate::CSettingsFileUpdate(const std::wstring &strIniPath) : m_strIniPath(strIniPath)
{
    m_mutex.Attach(::CreateMutexW(nullptr, FALSE, SettingsMutexName(strIniPath).c_str()));
    if (!m_mutex) {
        Fail(::GetLastError());
        return;
    }
    const DWORD dwWait = ::WaitForSingleObject(m_mutex, LOCK_WAIT_MS);
    // An instance that died while saving left the file whole: its copy had not replaced it yet.
    m_bLocked = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
    if (!m_bLocked) {
        Fail(dwWait == WAIT_TIMEOUT ? ERROR_TIMEOUT : ::GetLastError());
        return;
    }
    m_bReady = PrepareCopy();
}

CSettingsFileUpdate::~CSettingsFileUpdate()
{
    if (!m_strWorkPath.empty())
        ::DeleteFileW(m_strWorkPath.c_str());
    if (m_bLocked)
        ::ReleaseMutex(m_mutex);
}

bool CSettingsFileUpdate::Fail(DWORD dwError)
{
    m_dwError = dwError != 0 ? dwError : ERROR_GEN_FAILURE;
    m_bReady = false;
    return false;
}

bool CSettingsFileUpdate::PrepareCopy()
{
    // Every copy there is now was left by an instance that ended while saving: a saving one
    // holds the turn until its copy is gone. None is ever read as the settings.
    RemoveLeftCopies(m_strIniPath);

    const DWORD dwAttributes = ::GetFileAttributesW(m_strIniPath.c_str());
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY)) {
        // Replacing it would take away what its owner protected; waiting would not change it.
        m_bReadOnly = true;
        return Fail(ERROR_ACCESS_DENIED);
    }

    std::string strBytes;
    DWORD dwError = 0;
    if (!ReadSettingsBytes(m_strIniPath, strBytes, dwError)) {
        // A file that is there but cannot be read is left alone: writing would lose what it holds.
        if (!IsMissingFileError(dwError))
            return Fail(dwError);
        // A new file is UTF-16 with its byte-order mark, so that the profile functions keep names
        // the system code page cannot spell.
        strBytes.assign("\xFF\xFE", 2);
    } else if (!NormaliseSettingsBytes(strBytes)) {
        return Fail(ERROR_INVALID_DATA);
    }

    static LONG s_nSerial = 0;
    wchar_t szSuffix[48];
    std::swprintf(szSuffix, 48, L".%lX-%lX%ls", ::GetCurrentProcessId(),
                  static_cast<unsigned long>(::InterlockedIncrement(&s_nSerial)), COPY_SUFFIX);
    m_strWorkPath = m_strIniPath + szSuffix;
    if (!WriteNewFile(m_strWorkPath, strBytes)) {
        const DWORD dwWriteError = ::GetLastError();
        ::DeleteFileW(m_strWorkPath.c_str());
        m_strWorkPath.clear();
        return Fail(dwWriteError);
    }

    for (const std::wstring &strSection : ReadIniSectionNames(m_strWorkPath))
        m_listBefore.push_back({strSection, ReadIniSectionLines(strSection, m_strWorkPath)});
    return true;
}

bool CSettingsFileUpdate::WriteString(const std::wstring &strSection, const std::wstring &strKey,
                                      const std::wstring &strValue)
{
    if (!m_bReady)
        return false;
    if (!WriteIniString(strSection, strKey, strValue, m_strWorkPath))
        return Fail(::GetLastError());
    m_listWritten.push_back({strSection, strKey, ProfileValueAsRead(EncodeIniString(strValue))});
    return true;
}

bool CSettingsFileUpdate::WriteInt(const std::wstring &strSection, const std::wstring &strKey, int nValue)
{
    if (!m_bReady)
        return false;
    if (!WriteIniInt(strSection, strKey, nValue, m_strWorkPath))
        return Fail(::GetLastError());
    m_listWritten.push_back({strSection, strKey, std::to_wstring(nValue)});
    return true;
}

bool CSettingsFileUpdate::VerifyCopy() const
{
    for (const CWritten &w : m_listWritten) {
        if (ReadIniText(w.strSection, w.strKey, L"\x01", m_strWorkPath) != w.strText)
            return false;
    }
    for (const CSectionLines &before : m_listBefore) {
        const std::vector<std::wstring> listAfter = ReadIniSectionLines(before.strSection, m_strWorkPath);
        for (const std::wstring &strLine : before.listLines) {
            const std::wstring strKey = KeyOfLine(strLine);
            const bool bOverwritten = std::any_of(m_listWritten.begin(), m_listWritten.end(), [&](const CWritten &w) {
                return SameText(w.strSection, before.strSection) && SameText(w.strKey, strKey);
            });
            if (!bOverwritten && std::find(listAfter.begin(), listAfter.end(), strLine) == listAfter.end())
                return false;
        }
    }
    return true;
}

bool CSettingsFileUpdate::Commit()
{
    if (!m_bReady)
        return false;
    // What the profile functions keep in memory may be more than the disk took (a full disk):
    // the copy is judged by what a fresh read of it finds.
    FlushIniCache(m_strWorkPath);
    if (!VerifyCopy())
        return Fail(IsDiskNearlyFull(m_strIniPath) ? ERROR_DISK_FULL : ERROR_WRITE_FAULT);
    for (int nTry = 0; nTry < REPLACE_TRIES; ++nTry) {
        if (::MoveFileExW(m_strWorkPath.c_str(), m_strIniPath.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            m_bReady = false; // nothing left to remove
            m_strWorkPath.clear();
            return true;
        }
        const DWORD dwError = ::GetLastError();
        if (dwError != ERROR_SHARING_VIOLATION && dwError != ERROR_ACCESS_DENIED && dwError != ERROR_LOCK_VIOLATION)
            return Fail(dwError);
        // Made read-only meanwhile: no retry mends that.
        const DWORD dwAttributes = ::GetFileAttributesW(m_strIniPath.c_str());
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY)) {
            m_bReadOnly = true;
            return Fail(dwError);
        }
        ::Sleep(REPLACE_PAUSE_MS);
    }
    return Fail(ERROR_SHARING_VIOLATION);
}
