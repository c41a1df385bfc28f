// Resource and control ids shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_PELNIX_DIALOG 102

#define IDC_DIRTREE 1015
#define IDC_FILEINFO 1041
#define IDC_SELECT_DEST 1017
#define IDC_DEST_PATH 1013
#define IDC_TOOLBAR 1004

// Main window's tool bar: 16 images of 16 x 16, magenta transparent.
#define IDB_TOOLBAR 131

// Status window animation: 15 frames of 32 x 32, yellow transparent.
#define IDB_STATUS_ANIM 143

// Directory tree: node images and drag cursors
#define IDB_DIRTREE 147
#define IDC_DRAG_MOVE 138
#define IDC_DRAG_NODROP 139
#define IDC_DRAG_COPY 140
