// The options dialog (IDD_OPTIONS): edits a copy of the option set; the caller copies it back on OK.
#pragma once
#include "framework/Dialog.h"
#include "support/DpiArt.h"

#include <string>

struct OptionSet;

class COptionsDlg : public CDialog {
public:
    explicit COptionsDlg(HWND hParent = nullptr);

    // Members to and from the option set; FileSortOrder is rebuilt from the two radio indexes.
    void LoadFrom(const OptionSet &options);
    void StoreTo(OptionSet &options) const;

    // In the order of the data exchange.
    int m_bNoExpandOnSearch = 0;
    int m_bSkipHiddenDir = 0;
    int m_bSkipSystemDir = 0;
    int m_bNotCopyFile = 0;
    int m_nSortDirection = 0; // 0 none, 1 ascending, 2 descending
    int m_nSortKey = 0;       // 0 by name, 1 by extension
    int m_nOverWriteMode = -1;
    int m_bProtectAttrOfExist = 0;
    int m_bBreakOnDiskFull = 0;
    int m_bUseErrorLog = 0;
    std::wstring m_strErrorLogFilePath;
    int m_bNoExpandOnCopy = 0;

protected:
    void DoDataExchange(CDataExchange &dx) override;
    BOOL OnInitDialog() override;
    // Accepts only a log directory that exists or, asked, could be created.
    void OnOK() override;
    bool OnCommand(UINT nID, UINT nCode, HWND hCtrl) override;

    // Greys out what the files and sort choices make meaningless; bRead reads the controls first.
    void UpdateOptionControls(bool bRead);
    void BrowseLogDirectory();

private:
    // Trims the log directory's text and accepts only an absolute path; false (after the error
    // message) keeps the dialog open.
    bool TakeErrorLogDirectoryText();

    CWindowIcons m_icons; // the caption's icons at the dialog's DPI
};

// Runs the dialog on the options; they change only when it ends with OK (then true).
bool EditOptions(OptionSet &options, HWND hOwner);
