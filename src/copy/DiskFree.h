// How much room the destination volume has for the next file.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// Free space that is not known: no disk check is made, the copy itself tells.
constexpr uint64_t DISK_FREE_UNKNOWN = UINT64_MAX;

// Free bytes for the caller on the volume that holds strPath (a drive path, a folder where a
// volume is mounted, or \\server\share\...), and that volume's cluster size (1 when unknown).
// DISK_FREE_UNKNOWN when the volume cannot be asked.
uint64_t GetDiskFreeBytes(const std::wstring &strPath, uint64_t &nBytesPerCluster);

// The space a file of nSize bytes takes: whole clusters.
uint64_t RoundUpToCluster(uint64_t nSize, uint64_t nBytesPerCluster);

// While one exists, GetDiskFreeBytes on its thread remembers which volume holds the directory it
// was last asked about and keeps that volume's root open: asking again, as a copy does for every
// file, is then a single query instead of finding, opening and closing the volume each time.
// The worker holds one for its phase only, so that no handle outlives the run.
class CDiskFreeCache {
public:
    CDiskFreeCache();
    ~CDiskFreeCache();
    CDiskFreeCache(const CDiskFreeCache &) = delete;
    CDiskFreeCache &operator=(const CDiskFreeCache &) = delete;
};
