// The platform shell's folder picker: caption, prompt, initial folder, centred on its owner.
#pragma once
#include "framework/Seams.h"

int ShowShellFolderPicker(const CFolderRequest &req, std::wstring &strPath);
