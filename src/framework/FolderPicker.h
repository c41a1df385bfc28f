// The platform shell's folder picker: caption, prompt, initial folder, centred on its owner.
#pragma once
#include "framework/Seams.h"

#include <shlobj.h>

int ShowShellFolderPicker(const CFolderRequest &req, std::wstring &strPath);

// The path of a chosen item: FOLDER_CHOSEN with a path that fits MAX_PATH, FOLDER_TOO_LONG with
// one that does not, FOLDER_NO_PATH when the item has no file-system path.
int PathFromFolderItem(PCIDLIST_ABSOLUTE pidl, std::wstring &strPath);
