#include "copy/DiskFree.h"
#include "framework/Handles.h"

#include <winternl.h>

#include <algorithm>
#include <cwchar>

namespace {

// The volume that holds one directory.
struct CVolume {
    std::wstring strDir;  // the directory asked about, with its trailing backslash
    std::wstring strRoot; // empty: the volume cannot be found
    uint64_t nBytesPerCluster = 1;
    CFileHandle hRoot; // open only inside a cache
};

struct CCacheState {
    int nDepth = 0;
    CVolume volume;
};
thread_local CCacheState t_cache;

std::wstring DirectoryOf(const std::wstring &strPath)
{
    return strPath.substr(0, strPath.find_last_of(L'\\') + 1);
}

// A drive root, a folder a volume is mounted in, or a share; and its cluster size.
CVolume FindVolume(const std::wstring &strPath)
{
    CVolume volume;
    volume.strDir = DirectoryOf(strPath);
    std::wstring strRoot(std::max<size_t>(strPath.size() + 2, MAX_PATH + 1), L'\0');
    if (!::GetVolumePathNameW(strPath.c_str(), strRoot.data(), static_cast<DWORD>(strRoot.size())))
        return volume;
    strRoot.resize(std::wcslen(strRoot.c_str()));
    DWORD nSectorsPerCluster = 0, nBytesPerSector = 0, nFree = 0, nTotal = 0;
    if (::GetDiskFreeSpaceW(strRoot.c_str(), &nSectorsPerCluster, &nBytesPerSector, &nFree, &nTotal) &&
        nSectorsPerCluster && nBytesPerSector)
        volume.nBytesPerCluster = static_cast<uint64_t>(nSectorsPerCluster) * nBytesPerSector;
    volume.strRoot = std::move(strRoot);
    return volume;
}

// The caller's free bytes, with the quota heeded, from the open root: what GetDiskFreeSpaceExW
// asks the volume for after opening it itself.
bool QueryOpenVolume(HANDLE hRoot, uint64_t &nFree)
{
    FILE_FS_FULL_SIZE_INFORMATION info = {};
    IO_STATUS_BLOCK io = {};
    if (!NT_SUCCESS(::NtQueryVolumeInformationFile(hRoot, &io, &info, sizeof(info), FileFsFullSizeInformation)))
        return false;
    const uint64_t nUnit = static_cast<uint64_t>(info.SectorsPerAllocationUnit) * info.BytesPerSector;
    nFree = static_cast<uint64_t>(info.CallerAvailableAllocationUnits.QuadPart) * nUnit;
    return true;
}

uint64_t FreeBytesOf(const CVolume &volume)
{
    uint64_t nFree = 0;
    if (volume.hRoot && QueryOpenVolume(volume.hRoot, nFree))
        return nFree;
    ULARGE_INTEGER nAvailable = {};
    if (!::GetDiskFreeSpaceExW(volume.strRoot.c_str(), &nAvailable, nullptr, nullptr))
        return DISK_FREE_UNKNOWN;
    return nAvailable.QuadPart;
}

} // namespace

CDiskFreeCache::CDiskFreeCache()
{
    ++t_cache.nDepth;
}

CDiskFreeCache::~CDiskFreeCache()
{
    if (--t_cache.nDepth == 0)
        t_cache.volume = CVolume();
}

uint64_t GetDiskFreeBytes(const std::wstring &strPath, uint64_t &nBytesPerCluster)
{
    CVolume uncached;
    CVolume *pVolume = &t_cache.volume;
    if (t_cache.nDepth == 0) {
        uncached = FindVolume(strPath);
        pVolume = &uncached;
    } else if (pVolume->strDir.empty() || pVolume->strDir != DirectoryOf(strPath)) {
        CVolume found = FindVolume(strPath);
        if (found.strRoot == pVolume->strRoot)
            found.hRoot = std::move(pVolume->hRoot);
        else if (!found.strRoot.empty())
            found.hRoot.Attach(::CreateFileW(found.strRoot.c_str(), 0,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        *pVolume = std::move(found);
    }
    nBytesPerCluster = pVolume->nBytesPerCluster;
    const uint64_t nFree = pVolume->strRoot.empty() ? DISK_FREE_UNKNOWN : FreeBytesOf(*pVolume);
    if (nFree == DISK_FREE_UNKNOWN)
        nBytesPerCluster = 1;
    return nFree;
}

uint64_t RoundUpToCluster(uint64_t nSize, uint64_t nBytesPerCluster)
{
    if (nBytesPerCluster <= 1 || nSize % nBytesPerCluster == 0)
        return nSize;
    const uint64_t nRounded = nSize - nSize % nBytesPerCluster + nBytesPerCluster;
    return nRounded < nSize ? UINT64_MAX : nRounded;
}
