// The image a directory node shows, from IDB_DIRTREE's 24 images: 0-7 without file entries,
// 8-15 with file entries, 16-23 with all file entries processed; within each group
// +4 read-only, +2 hidden or system, +1 open (expanded with child nodes).
#pragma once
#include <windows.h>

int NodeImageIndex(DWORD dwAttributes, bool bHasFiles, bool bCopied, bool bOpen);

// IDB_DIRTREE's layout.
constexpr int NODE_IMAGE_COUNT = 24;
constexpr int NODE_IMAGE_SIZE = 16;
constexpr COLORREF NODE_IMAGE_MASK = RGB(255, 0, 255);
