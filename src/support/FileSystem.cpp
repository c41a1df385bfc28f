#include "support/FileSystem.h"
#include "framework/Handles.h"
#include "support/FileApiPath.h"
#include "support/Path.h"

namespace {

// Asks a system call that fills a buffer and reports the length it needs when the buffer is short.
template <class Ask> std::wstring AskSystemText(Ask ask)
{
    DWORD n = ask(nullptr, 0);
    while (n > 0) {
        std::wstring buf(n + 1, L'\0');
        const DWORD got = ask(&buf[0], n + 1);
        if (got == 0)
            break;
        if (got <= n) {
            buf.resize(got);
            return buf;
        }
        n = got; // grew between the two calls
    }
    return std::wstring();
}

bool IsDriveRoot(const std::wstring &strPath)
{
    return strPath.size() == 3 && strPath[1] == L':' && strPath[2] == L'\\';
}

struct CPathRoot {
    std::wstring strRoot; // the part that is never created
    size_t nRest = 0;     // where the levels below the root begin
    bool bShare = false;  // \\server\share
};

CPathRoot SplitRoot(const std::wstring &strPath)
{
    CPathRoot root;
    if (strPath.compare(0, 2, L"\\\\") == 0) {
        root.bShare = true;
        size_t server = strPath.find(L'\\', 2);
        size_t share = server == std::wstring::npos ? server : strPath.find(L'\\', server + 1);
        root.strRoot = strPath.substr(0, share);
        root.nRest = share == std::wstring::npos ? strPath.size() : share + 1;
    } else if (strPath.size() >= 2 && strPath[1] == L':') {
        root.nRest = strPath.size() >= 3 && strPath[2] == L'\\' ? 3 : 2;
        root.strRoot = strPath.substr(0, root.nRest);
    } else if (!strPath.empty() && strPath[0] == L'\\') {
        root.strRoot = L"\\";
        root.nRest = 1;
    }
    return root;
}

// "X:" followed by a name stays drive-relative.
std::wstring AppendLevel(const std::wstring &strBuilt, const std::wstring &strLevel)
{
    if (!strBuilt.empty() && strBuilt.back() == L':')
        return strBuilt + strLevel;
    return JoinPath(strBuilt, strLevel);
}

int NotADirectory()
{
    ::SetLastError(ERROR_ALREADY_EXISTS);
    return CDP_NOT_DIR;
}

} // namespace

std::wstring GetSpecialDirectory(int nCode)
{
    switch (nCode) {
    case SPECIAL_DIR_WINDOWS: return AskSystemText([](wchar_t *p, DWORD n) { return ::GetWindowsDirectoryW(p, n); });
    case SPECIAL_DIR_SYSTEM: return AskSystemText([](wchar_t *p, DWORD n) { return ::GetSystemDirectoryW(p, n); });
    case SPECIAL_DIR_TEMP: return AskSystemText([](wchar_t *p, DWORD n) { return ::GetTempPathW(n, p); });
    default: return AskSystemText([](wchar_t *p, DWORD n) { return ::GetCurrentDirectoryW(n, p); });
    }
}

bool FindFileEntry(const std::wstring &strPath, WIN32_FIND_DATAW *pFindData)
{
    const size_t nameStart = strPath.find_last_of(L"\\/:") + 1; // npos + 1 == 0
    if (strPath.find_first_of(L"*?", nameStart) != std::wstring::npos)
        return false;
    WIN32_FIND_DATAW fd;
    CFindHandle hFind(::FindFirstFileW(FileApiPath(strPath).c_str(), &fd));
    if (!hFind || (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (pFindData)
        *pFindData = fd;
    return true;
}

bool ReadDirIdentity(const std::wstring &strPath, CDirIdentity &identity)
{
    // A link is opened as what it leads to: that is the directory a descent would list.
    const CFileHandle hDir(::CreateFileW(FileApiPath(strPath).c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!hDir || !::GetFileInformationByHandle(hDir, &info))
        return false;
    identity.dwVolume = info.dwVolumeSerialNumber;
    identity.nIndex = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return identity.dwVolume != 0 || identity.nIndex != 0;
}

static int MakeDirectoryPath(const std::wstring &strPathIn, bool bCreate, std::wstring &strFailed)
{
    std::wstring strPath = strPathIn;
    if (strPath.size() >= 4 && strPath.back() == L'\\')
        strPath.pop_back();
    if (strPath.empty()) {
        ::SetLastError(ERROR_PATH_NOT_FOUND);
        return bCreate ? CDP_FAILED : CDP_MISSING;
    }

    DWORD dwAttr = ::GetFileAttributesW(FileApiPath(strPath).c_str());
    if (dwAttr != INVALID_FILE_ATTRIBUTES) {
        if (dwAttr & FILE_ATTRIBUTE_DIRECTORY)
            return CDP_EXISTS;
        strFailed = strPath;
        return NotADirectory();
    }
    // A drive root the system cannot find (a letter with no drive) does not exist either.
    if (!bCreate)
        return CDP_MISSING;

    const CPathRoot root = SplitRoot(strPath);
    if (root.bShare || IsDriveRoot(root.strRoot)) {
        strFailed = root.strRoot;
        dwAttr = ::GetFileAttributesW(FileApiPath(root.bShare ? root.strRoot + L"\\" : root.strRoot).c_str());
        if (dwAttr == INVALID_FILE_ATTRIBUTES)
            return CDP_FAILED;
        if (!(dwAttr & FILE_ATTRIBUTE_DIRECTORY))
            return NotADirectory();
    }

    std::wstring strBuilt = root.strRoot;
    bool bCreated = false;
    size_t pos = root.nRest;
    while (pos < strPath.size()) {
        size_t end = strPath.find(L'\\', pos);
        if (end == std::wstring::npos)
            end = strPath.size();
        if (end > pos) { // doubled separators add no level
            strBuilt = AppendLevel(strBuilt, strPath.substr(pos, end - pos));
            dwAttr = ::GetFileAttributesW(FileApiPath(strBuilt).c_str());
            if (dwAttr == INVALID_FILE_ATTRIBUTES) {
                if (::CreateDirectoryW(FileApiPath(strBuilt).c_str(), nullptr)) {
                    bCreated = true;
                } else {
                    // Someone else may have made it meanwhile; that is as good as ours.
                    const DWORD dwError = ::GetLastError();
                    dwAttr = ::GetFileAttributesW(FileApiPath(strBuilt).c_str());
                    if (dwAttr == INVALID_FILE_ATTRIBUTES || !(dwAttr & FILE_ATTRIBUTE_DIRECTORY)) {
                        strFailed = strBuilt;
                        ::SetLastError(dwError);
                        return CDP_FAILED;
                    }
                }
            } else if (!(dwAttr & FILE_ATTRIBUTE_DIRECTORY)) {
                strFailed = strBuilt;
                return NotADirectory();
            }
        }
        pos = end + 1;
    }
    return bCreated ? CDP_CREATED : CDP_EXISTS;
}

int CreateDirectoryPath(const std::wstring &strPathIn, bool bCreate, std::wstring *pstrFailedLevel)
{
    std::wstring strFailed;
    const int nResult = MakeDirectoryPath(strPathIn, bCreate, strFailed);
    if (pstrFailedLevel)
        *pstrFailedLevel = nResult < 0 ? strFailed : std::wstring();
    return nResult;
}
