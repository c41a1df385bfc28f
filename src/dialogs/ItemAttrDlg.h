// The item attributes dialog (IDD_ITEM_ATTR): edits a deep copy of one directory record, its name
// and attributes, and for each of its file entries the attributes, the timestamp choice, the
// explicit time and the processed mark; entries can be deleted and the list re-sorted. The caller
// copies the record back only on OK. Parts: ItemAttrDlg.cpp (initialisation, loading and storing,
// enabled controls, layout), ItemAttrHandlers.cpp (the buttons and the list).
#pragma once
#include "framework/Dialog.h"
#include "support/DpiArt.h"
#include "tree/ItemInfo.h"

#include <memory>
#include <string>

class CDateTimeCmb;

class CItemAttrDlg : public CDialog {
public:
    explicit CItemAttrDlg(HWND hParent = nullptr);
    ~CItemAttrDlg() override;

    CItemInfo m_item{ITEM_KIND_DIR}; // the edited copy, file entries included

    // Bound to the controls, in the order of the data exchange.
    std::wstring m_strDirName;
    int m_nTimeMode = 0; // TIME_MODE_*
    int m_bArchive = 0;
    int m_bHide = 0;
    int m_bReadOnly = 0;
    int m_bSystem = 0;
    int m_nMode = 0; // 0 the directory, 1 the selected file entry
    std::wstring m_strSourcePath;
    int m_nSelected = -1;
    int m_bProcessed = 0;
    int m_bDescending = 0;
    int m_nSortKey = 0; // 0 by name, 1 by extension

    CDateTimeCmb *GetDateTimeField() const { return m_pDateTime.get(); }

protected:
    void DoDataExchange(CDataExchange &dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT nID, UINT nCode, HWND hCtrl) override;
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    // The record the attribute, time and processed controls show: the copy, the selected entry,
    // or null (file mode without a selection).
    CItemInfo *GetTarget();
    // Members into the target (bStore), or the target into the members and, with bDisplay, into
    // the controls and texts. Without a target a scratch entry takes the place and is dropped.
    void SyncTarget(bool bStore, bool bDisplay);
    void FillFileList();
    void UpdateControlStates();
    void LayoutControls();

    // The handlers.
    void SwitchMode(int nNewMode);
    void OnSelectionChange();
    void OnDelete();
    void OnSort();
    void OnSpecifiedClicked();
    // A refused directory name: the label edit's message, the name selected for correction.
    bool CheckDirectoryName();

    void SetFieldToNow();

    std::unique_ptr<CDateTimeCmb> m_pDateTime;
    FILETIME m_ftShownSource = {}; // zero: the shown entry has no source time
    int m_nMinWidth = 0;           // the first window size, kept as the least
    int m_nMinHeight = 0;
    int m_nRightMargin = 0; // free client width right of the stretched controls
    CWindowIcons m_icons;   // the caption's icons at the dialog's DPI
};
