// One file's attributes and time chosen before a run: the attribute dialog from the tool bar, file
// mode, a file picked, Read Only ticked, an explicit time typed, OK; the run with files writes the
// copy with that attribute and that last-write time.
#include "Controls.h"
#include "Dialogs.h"
#include "SampleTree.h"
#include "Scenario.h"
#include "TreeView.h"

#include "res/resource.h"

namespace {

const DWORD WAIT_RUN_MS = 60000;
const wchar_t ATTR_CAPTION[] = L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘ/複写対象ﾌｧｲﾙの属性";
constexpr int ID_FIELD_EDIT = 9999; // the date-time field's edit box
constexpr int ID_FIELD_DROP = 9998; // and its drop button

class ItemAttributes : public CPelnixScenario {};

// A check box or radio clicked: it changes its state and tells the dialog.
void ClickBox(HWND hDlg, int nId)
{
    HWND hBox = RequireControl(hDlg, nId);
    ::SendMessageW(hBox, BM_CLICK, 0, 0);
    SyncWindowThread(hBox);
}

std::wstring ListLine(HWND hList, int nIndex)
{
    wchar_t sz[MAX_PATH] = {};
    ::SendMessageW(hList, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(sz));
    return sz;
}

TEST_F(ItemAttributes, OneFileGetsReadOnlyAndATypedTimeInTheRun)
{
    StartOnScannedSample();
    HWND hTree = Control(IDC_DIRTREE), hBar = Control(IDC_TOOLBAR);
    HTREEITEM hDocs = FindTreeItem(hTree, {L"[ root ]", L"Documents"});
    ASSERT_NE(hDocs, nullptr);
    SelectTreeItem(hTree, hDocs);
    ASSERT_TRUE(IsToolButtonEnabled(hBar, ID_EDIT_ATTRIBUTES));

    PressToolButton(hBar, ID_EDIT_ATTRIBUTES);
    HWND hDlg = WaitForDialog(m_app, ATTR_CAPTION);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(GetText(RequireControl(hDlg, IDC_ATTR_DIR_NAME)), L"Documents");
    Shot(L"item-attr-directory");
    ClickBox(hDlg, IDC_ATTR_MODE_FILE);
    HWND hList = RequireControl(hDlg, IDC_ATTR_FILE_LIST);
    ASSERT_EQ(::SendMessageW(hList, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(SampleFilesIn(L"Documents").size()));
    ::SendMessageW(hList, LB_SETCURSEL, 0, 0);
    ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_ATTR_FILE_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
    const std::wstring strFile = ListLine(hList, 0);
    ClickBox(hDlg, IDC_ATTR_READONLY);
    ClickBox(hDlg, IDC_ATTR_TIME_SPECIFIED);
    HWND hField = RequireControl(RequireControl(hDlg, IDC_DATETIME), ID_FIELD_EDIT);
    EXPECT_FALSE(GetText(hField).empty()) << "the explicit choice fills the field with the present time";
    TypeText(hField, L"2025/06/07 08:09:10");
    Shot(L"item-attr-file");
    // The field's panel, opened by a click on its button and closed by a click outside it, which
    // keeps the typed time.
    HWND hFieldWnd = RequireControl(hDlg, IDC_DATETIME), hDrop = RequireControl(hFieldWnd, ID_FIELD_DROP);
    RECT rcDrop = {};
    ::GetClientRect(hDrop, &rcDrop);
    const LPARAM ptDrop = MAKELPARAM(rcDrop.right / 2, rcDrop.bottom / 2);
    ::SendMessageW(hDrop, WM_LBUTTONDOWN, MK_LBUTTON, ptDrop);
    ::SendMessageW(hDrop, WM_LBUTTONUP, 0, ptDrop);
    SyncWindowThread(hFieldWnd);
    EXPECT_EQ(GetText(hField), L"2025/06/07 08:09:10");
    Shot(L"item-attr-panel");
    ::SendMessageW(hFieldWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-200, -200));
    ::SendMessageW(hFieldWnd, WM_LBUTTONUP, 0, MAKELPARAM(-200, -200));
    SyncWindowThread(hFieldWnd);
    EXPECT_EQ(GetText(hField), L"2025/06/07 08:09:10");
    ClickButton(hDlg, IDOK);
    WaitUntil([&] { return !::IsWindow(hDlg); }, L"the attribute dialog to close");
    WaitUntilIdle();

    const std::wstring strDest = *m_pFolder / L"複写先";
    TypeText(Control(IDC_DEST_PATH), strDest);
    PressToolButton(hBar, ID_RUN_WITH_FILES);
    EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDOK), L"\"" + strDest + L"\"に作成/複写します。\nよろしいですか ?");
    WaitForDialog(m_app, L"Result ...", WAIT_RUN_MS);
    AnswerMessageBox(m_app, L"Result ...", IDOK);
    WaitUntilIdle();

    const std::wstring strCopy = strDest + L"\\Documents\\" + strFile;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(::GetFileAttributesExW(strCopy.c_str(), GetFileExInfoStandard, &data)) << Utf8(strCopy);
    EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
    FILETIME ftLocal = {};
    SYSTEMTIME st = {};
    ::FileTimeToLocalFileTime(&data.ftLastWriteTime, &ftLocal);
    ::FileTimeToSystemTime(&ftLocal, &st);
    EXPECT_EQ(st.wYear, 2025);
    EXPECT_EQ(st.wMonth, 6);
    EXPECT_EQ(st.wDay, 7);
    EXPECT_EQ(st.wHour, 8);
    EXPECT_EQ(st.wMinute, 9);
    EXPECT_EQ(st.wSecond, 10);
    // The other file of the directory keeps its own attributes.
    for (const CSampleFile &file : SampleFilesIn(L"Documents")) {
        const std::wstring strOther = strDest + L"\\" + file.pszPath;
        if (strOther == strCopy)
            continue;
        EXPECT_FALSE(::GetFileAttributesW(strOther.c_str()) & FILE_ATTRIBUTE_READONLY) << Utf8(strOther);
    }
    // The folder goes with the scenario.
    ::SetFileAttributesW(strCopy.c_str(), FILE_ATTRIBUTE_NORMAL);
    ExitConfirmed();
}

} // namespace
