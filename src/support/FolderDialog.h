// CFolderDialog: every place that asks for a directory does it the same way: a caption of its
// own, a prompt line, the picker opened on the current value and centred on its owner, and the
// chosen folder returned as a path.
#pragma once
#include "framework/Seams.h"

#include <windows.h>

#include <string>

// A caption and a prompt for the picker.
struct CFolderTexts {
    std::wstring strCaption;
    std::wstring strPrompt;
};

// The program's folder choices.
CFolderTexts SourceFolderTexts(bool bAddLoad);
CFolderTexts DestinationFolderTexts();
// Another place for the error log when the current one cannot take it.
CFolderTexts ErrorLogFolderTexts();
// The log directory of the options dialog.
CFolderTexts ErrorLogOptionFolderTexts();

// The prompt when the caller gives none.
extern const wchar_t FOLDER_DEFAULT_PROMPT[];

// Why a confirmed folder cannot be used (FOLDER_TOO_LONG with its path, or FOLDER_NO_PATH).
std::wstring FolderNotUsableText(int nResult, const std::wstring &strPath);

class CFolderDialog {
public:
    explicit CFolderDialog(HWND hOwner = nullptr, const wchar_t *pszPath = nullptr);

    // FOLDER_CHOSEN (1): GetPath is the chosen folder. FOLDER_CANCELLED (2): GetPath is what it
    // was before the call. FOLDER_TOO_LONG (3), FOLDER_NO_PATH (4): the confirmed folder gives no
    // path; the user has been told why, and GetPath is what it was before the call. FOLDER_NOT_SHOWN (0): no owner
    // (neither given nor constructed), or the picker could not be shown. A null prompt gives the default prompt; a null
    // initial path keeps the current path as the folder to preselect; a null owner uses the constructed one.
    int Browse(const wchar_t *pszPrompt = nullptr, const wchar_t *pszInitialPath = nullptr, HWND hOwner = nullptr);
    // The same with the caption and prompt of one of the program's choices.
    int Browse(const CFolderTexts &texts, const wchar_t *pszInitialPath, HWND hOwner);

    std::wstring GetPath() const { return m_strPath; }

    // Window caption of the picker; empty keeps the platform's caption.
    std::wstring m_strCaption;

private:
    std::wstring m_strPath;
    HWND m_hOwner;
    int m_nRootFolder = 17; // the folder of all drives
    UINT m_nFlags = 1;      // file-system directories only
};
