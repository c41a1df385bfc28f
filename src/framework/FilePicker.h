// The platform's common dialogs to open or save one file.
#pragma once
#include "framework/Seams.h"

bool ShowFilePicker(const CFileRequest &req, std::wstring &strPath);
