// Every interaction that waits for a person goes through here, so that a test can answer it.
// The program calls the Ui* functions; a test installs its own CUiSeams for its duration.
#pragma once
#include <windows.h>
#include <string>

class CDialog;

// What the folder picker is asked to show.
struct CFolderRequest {
    HWND hOwner = nullptr;
    std::wstring strCaption;     // empty keeps the platform's caption
    std::wstring strPrompt;      // the line above the tree
    std::wstring strInitialPath; // preselected when it fits and exists
    int nRootFolder = 17;        // shell special folder at the top (all drives)
    UINT nFlags = 1;             // file-system directories only
};

// Folder picker outcomes. The last two are a confirmed choice that gives no usable path: nothing
// was chosen.
enum {
    FOLDER_NOT_SHOWN = 0,
    FOLDER_CHOSEN = 1,
    FOLDER_CANCELLED = 2,
    FOLDER_TOO_LONG = 3, // the folder's path does not fit MAX_PATH (the path comes back all the same)
    FOLDER_NO_PATH = 4,  // the item is no file-system folder
};

// What the platform's open or save dialog for one file is asked to show.
struct CFileRequest {
    HWND hOwner = nullptr;
    bool bSave = false;          // the save dialog (asks before replacing a file), else the open dialog
    std::wstring strFilter;      // pairs of "text\0pattern\0", as the dialog takes them
    std::wstring strDefaultExt;  // without its period; added to a name typed without one
    std::wstring strInitialPath; // a file (its folder opens and its name is offered) or empty
};

class CUiSeams {
public:
    virtual ~CUiSeams() = default;
    virtual int MessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType);
    // Returns FOLDER_CHOSEN with the path, FOLDER_TOO_LONG with the path, FOLDER_NO_PATH,
    // FOLDER_CANCELLED, or FOLDER_NOT_SHOWN.
    virtual int BrowseForFolder(const CFolderRequest &req, std::wstring &strPath);
    // True with the chosen file's path; false when the person cancelled.
    virtual bool ChooseFile(const CFileRequest &req, std::wstring &strPath);
    virtual SHORT GetAsyncKeyState(int nVirtKey);
    virtual void MessageBeep(UINT nType);
    // Called once a modal dialog is initialised and before it is shown.
    virtual void OnModalDialogInit(CDialog &dlg);
};

// The seams in force; the platform's when no test installed any.
CUiSeams &UiSeams();
// Installs pSeams (nullptr: the platform's) and returns what was installed before.
CUiSeams *SetUiSeams(CUiSeams *pSeams);

int UiMessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType);
int UiBrowseForFolder(const CFolderRequest &req, std::wstring &strPath);
bool UiChooseFile(const CFileRequest &req, std::wstring &strPath);
SHORT UiGetAsyncKeyState(int nVirtKey);
void UiMessageBeep(UINT nType);
// True while the key (or mouse button) is held down.
bool UiIsKeyDown(int nVirtKey);
