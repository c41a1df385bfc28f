#include "framework/FilePicker.h"

#include <commdlg.h>

#include <algorithm>

#include <vector>

bool ShowFilePicker(const CFileRequest &req, std::wstring &strPath)
{
    // Long enough for the file API's longest path.
    std::vector<wchar_t> buffer(32768, L'\0');
    const size_t nCopy = std::min(req.strInitialPath.size(), buffer.size() - 1);
    req.strInitialPath.copy(buffer.data(), nCopy);
    // The filter ends with an empty pair.
    const std::wstring strFilter = req.strFilter + std::wstring(2, L'\0');

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = req.hOwner;
    ofn.lpstrFilter = strFilter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrDefExt = req.strDefaultExt.empty() ? nullptr : req.strDefaultExt.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    ofn.Flags |= req.bSave ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    const BOOL bChosen = req.bSave ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    if (!bChosen)
        return false;
    strPath = buffer.data();
    return !strPath.empty();
}
