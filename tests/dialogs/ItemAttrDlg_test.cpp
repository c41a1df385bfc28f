// The item attributes dialog on its real template, opened by the tree view on records of a real
// scan, driven as a person would through the modal-dialog seam.
#include "dialogs/ItemAttrDlg.h"

#include "datetime/DateTimeCmb.h"
#include "support/ItemName.h"
#include "support/TimeText.h"

#include "ItemAttrHost.h"

#include <algorithm>
#include <vector>

namespace {

const wchar_t NA[] = L"(N/A)";
const int TIME_IDS[] = {IDC_ATTR_TIME_SYSCLOCK, IDC_ATTR_TIME_SOURCE, IDC_ATTR_TIME_SPECIFIED};
const int ATTR_IDS[] = {IDC_ATTR_ARCHIVE, IDC_ATTR_SYSTEM, IDC_ATTR_HIDE, IDC_ATTR_READONLY};

// Selects a list line as a click does: the selection, then LBN_SELCHANGE to the dialog.
void Select(HWND hDlg, int nIndex)
{
    HWND hList = ::GetDlgItem(hDlg, IDC_ATTR_FILE_LIST);
    ::SendMessageW(hList, LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_ATTR_FILE_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

CDateTimeCmb &Field(CDialog &dlg)
{
    return *static_cast<CItemAttrDlg &>(dlg).GetDateTimeField();
}

RECT ChildRect(HWND hDlg, int nID)
{
    RECT rc = {};
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

bool IsZero(const FILETIME &ft)
{
    return ft.dwLowDateTime == 0 && ft.dwHighDateTime == 0;
}

} // namespace

TEST_F(AttrDialogTest, EveryControlInOrderWhereTheTemplateSaysAndTheFieldAfterTheSpecifiedChoice)
{
    struct CExpected {
        int nID;
        const wchar_t *pszClass;
        const wchar_t *pszText; // null: changed at run time
        RECT rc;                // dialog units: x, y, w, h
    };
    const CExpected expected[] = {
        {IDC_ATTR_MODE_DIR, L"Button", L"ﾃﾞｨﾚｸﾄﾘ名 :", {7, 7, 45, 14}},
        {IDC_ATTR_MODE_FILE, L"Button", L"ﾌｧｲﾙ :", {7, 24, 45, 14}},
        {IDC_ATTR_DIR_NAME, L"Edit", nullptr, {52, 7, 127, 14}},
        {IDC_ATTR_SOURCE_PATH, L"Edit", nullptr, {52, 24, 127, 14}},
        {IDC_ATTR_FILES_GROUP, L"Button", nullptr, {7, 42, 172, 73}},
        {IDC_ATTR_FILE_LIST, L"ListBox", nullptr, {13, 53, 160, 41}},
        {IDC_ATTR_DELETE, L"Button", L"削除", {13, 97, 47, 14}},
        {IDC_ATTR_SORT, L"Button", L"Sort", {63, 97, 22, 14}},
        {IDC_ATTR_DESCENDING, L"Button", L"降順", {88, 99, 25, 10}},
        {IDC_ATTR_SORT_BY_NAME, L"Button", L"名前", {115, 97, 25, 14}},
        {IDC_ATTR_SORT_BY_EXT, L"Button", L"拡張子", {142, 97, 31, 14}},
        {IDC_ATTR_SIZE_GROUP, L"Button", L"ﾌｧｲﾙｻｲｽﾞ : [ byte(s) ]", {7, 122, 172, 33}},
        {-1, L"Static", L"Total :", {13, 135, 18, 14}},
        {IDC_ATTR_TOTAL_SIZE, L"Static", nullptr, {33, 135, 54, 14}},
        {-1, L"Static", L"Sel File :", {91, 135, 27, 14}},
        {IDC_ATTR_SEL_SIZE, L"Static", nullptr, {119, 135, 54, 14}},
        {IDC_ATTR_TIME_GROUP, L"Button", L"ﾀｲﾑｽﾀﾝﾌﾟ :", {7, 160, 118, 75}},
        {-1, L"Static", L"複写元 :", {13, 172, 28, 14}},
        {IDC_ATTR_SOURCE_TIME, L"Static", nullptr, {46, 172, 67, 14}},
        {IDC_ATTR_TIME_SYSCLOCK, L"Button", L"作成時のｼｽﾃﾑｸﾛｯｸ", {13, 190, 75, 10}},
        {IDC_ATTR_TIME_SOURCE, L"Button", L"複写元に合わせる", {13, 204, 69, 10}},
        {IDC_ATTR_TIME_SPECIFIED, L"Button", L"指定", {13, 218, 30, 10}},
        {IDC_DATETIME, nullptr, nullptr, {46, 216, 74, 14}}, // the field, one pixel larger all round
        {IDC_ATTR_ATTR_GROUP, L"Button", L"属性 :", {127, 160, 52, 75}},
        {IDC_ATTR_ARCHIVE, L"Button", L"Archive", {133, 174, 38, 10}},
        {IDC_ATTR_SYSTEM, L"Button", L"System", {133, 188, 38, 10}},
        {IDC_ATTR_HIDE, L"Button", L"Hide", {133, 202, 29, 10}},
        {IDC_ATTR_READONLY, L"Button", L"Read Only", {133, 216, 41, 10}},
        {IDC_ATTR_PROCESSED, L"Button", L"処理済 ( 複写/属性設定 )", {13, 240, 93, 10}},
        {IDOK, L"Button", L"OK", {42, 254, 50, 14}},
        {IDCANCEL, L"Button", L"ｷｬﾝｾﾙ", {95, 254, 50, 14}},
    };
    ScanSample();
    bool bRan = false;
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        bRan = true;
        HWND hDlg = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(hDlg));
        EXPECT_EQ(Text(hDlg), L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘ/複写対象ﾌｧｲﾙの属性");
        EXPECT_EQ(::GetWindow(hDlg, GW_OWNER), m_host.Window());
        EXPECT_EQ(IconPixels(reinterpret_cast<HICON>(dlg.SendMessage(WM_GETICON, ICON_BIG))),
                  IconPixels(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ATTR))));
        const std::vector<HWND> children = ChildWindows(hDlg);
        ASSERT_EQ(children.size(), std::size(expected));
        for (size_t i = 0; i < children.size(); ++i) {
            const CExpected &e = expected[i];
            ExpectControl(children[i], e, i);
            // Position and size are converted one by one, as the dialog manager does. Labels too
            // narrow for their texts in this font move the columns right of them: the rows stay,
            // no control is narrower than the template makes it.
            RECT rcWant = e.rc;
            ::MapDialogRect(hDlg, &rcWant);
            rcWant.right += rcWant.left;
            rcWant.bottom += rcWant.top;
            if (e.nID == IDC_DATETIME)
                ::InflateRect(&rcWant, 1, 1);
            RECT rc = {};
            ::GetWindowRect(children[i], &rc);
            ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
            EXPECT_EQ(rc.top, rcWant.top) << i;
            EXPECT_EQ(rc.bottom, rcWant.bottom) << i;
            EXPECT_GE(rc.left, rcWant.left) << i;
            EXPECT_GE(rc.right - rc.left, rcWant.right - rcWant.left) << i;
        }
        const auto Style = [&](int nID) { return ::GetWindowLongW(dlg.GetDlgItem(nID), GWL_STYLE); };
        EXPECT_TRUE(Style(IDC_ATTR_SOURCE_PATH) & ES_READONLY);
        EXPECT_TRUE(Style(IDC_ATTR_DIR_NAME) & ES_AUTOHSCROLL);
        // (The list hides its scroll bar while everything fits.)
        EXPECT_EQ(Style(IDC_ATTR_FILE_LIST) & (LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_SORT),
                  LBS_NOTIFY | LBS_NOINTEGRALHEIGHT);
        EXPECT_EQ(Style(IDC_ATTR_TOTAL_SIZE) & (SS_TYPEMASK | SS_SUNKEN), SS_CENTER | SS_SUNKEN);
        EXPECT_TRUE(::GetWindowLongW(hDlg, GWL_STYLE) & WS_THICKFRAME);
        for (int nID : {IDC_ATTR_MODE_DIR, IDC_ATTR_SORT_BY_NAME, IDC_ATTR_TIME_SYSCLOCK})
            EXPECT_TRUE(Style(nID) & WS_GROUP) << nID;
        dlg.PostButtonClick(IDCANCEL);
    });
    Tree().EditItemAttributes(m_hDir);
    EXPECT_TRUE(bRan);
}

TEST_F(AttrDialogTest, WhatTheRootAHandMadeDirectoryAndFileModeWithoutSelectionOffer)
{
    ScanSample();
    // The root in directory mode: nothing of its own to edit; its files are listed.
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        EXPECT_TRUE(Checked(h, IDC_ATTR_MODE_DIR));
        EXPECT_FALSE(Enabled(h, IDC_ATTR_DIR_NAME));
        for (int nID : TIME_IDS)
            EXPECT_FALSE(Enabled(h, nID)) << nID;
        for (int nID : ATTR_IDS)
            EXPECT_FALSE(Enabled(h, nID)) << nID;
        EXPECT_EQ(ItemText(h, IDC_ATTR_DIR_NAME), ROOT_ITEM_NAME);
        EXPECT_EQ(ItemText(h, IDC_ATTR_FILES_GROUP), L"複写対象ﾌｧｲﾙ : [ 2 file(s) ]");
        EXPECT_EQ(ItemText(h, IDC_ATTR_TOTAL_SIZE), L"8");
        EXPECT_EQ(ItemText(h, IDC_ATTR_SEL_SIZE), NA);
        EXPECT_EQ(ItemText(h, IDC_ATTR_SOURCE_PATH), m_src.Path());
        EXPECT_EQ(::SendDlgItemMessageW(h, IDC_ATTR_FILE_LIST, LB_GETCOUNT, 0, 0), 2);
        Later(h, [&, h] {
            // File mode without a selection: the scratch entry's "(N/A)" texts, no attributes.
            Click(h, IDC_ATTR_MODE_FILE);
            EXPECT_EQ(ItemText(h, IDC_ATTR_TIME_SYSCLOCK), L"複写時のｼｽﾃﾑｸﾛｯｸ");
            EXPECT_EQ(ItemText(h, IDC_ATTR_SOURCE_TIME), NA);
            EXPECT_EQ(ItemText(h, IDC_ATTR_SEL_SIZE), NA);
            for (int nID : ATTR_IDS)
                EXPECT_FALSE(Enabled(h, nID)) << nID;
            for (int nID : {IDC_ATTR_DELETE, IDC_ATTR_PROCESSED, IDC_ATTR_DIR_NAME})
                EXPECT_FALSE(Enabled(h, nID)) << nID;
            for (int nID : {IDC_ATTR_FILE_LIST, IDC_ATTR_SOURCE_PATH, IDC_ATTR_SORT, IDC_ATTR_SORT_BY_EXT})
                EXPECT_TRUE(Enabled(h, nID)) << nID;
            EXPECT_TRUE(Checked(h, IDC_ATTR_TIME_SOURCE)); // the scratch entry's choice
            Click(h, IDCANCEL);
        });
    });
    Tree().EditItemAttributes(m_hRoot);

    // A hand-made directory: no source time, yet the system clock is its choice; no entries.
    auto pNew = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    pNew->m_strName = L"新規 SubDir";
    const HTREEITEM hNew = Tree().InsertItemData(m_hRoot, std::move(pNew), TVI_SORT);
    ASSERT_NE(hNew, nullptr);
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        EXPECT_TRUE(Enabled(h, IDC_ATTR_TIME_SYSCLOCK));
        EXPECT_FALSE(Enabled(h, IDC_ATTR_TIME_SOURCE));
        EXPECT_FALSE(Enabled(h, IDC_ATTR_TIME_SPECIFIED));
        EXPECT_FALSE(Enabled(h, IDC_DATETIME));
        EXPECT_TRUE(Enabled(h, IDC_ATTR_DIR_NAME));
        EXPECT_EQ(ItemText(h, IDC_ATTR_SOURCE_TIME), NA);
        EXPECT_EQ(ItemText(h, IDC_ATTR_SOURCE_PATH), NA);
        EXPECT_EQ(ItemText(h, IDC_ATTR_FILES_GROUP), L"複写対象ﾌｧｲﾙ :");
        Later(h, [&, h] {
            Click(h, IDC_ATTR_MODE_FILE);
            for (int nID : {IDC_ATTR_SORT, IDC_ATTR_DESCENDING, IDC_ATTR_SORT_BY_NAME, IDC_ATTR_SORT_BY_EXT})
                EXPECT_FALSE(Enabled(h, nID)) << nID;
            Click(h, IDCANCEL);
        });
    });
    Tree().EditItemAttributes(hNew);
    EXPECT_TRUE(m_seams.m_listMessages.empty());
}

TEST_F(AttrDialogTest, EditsOfOneEntrySurviveAnotherAndReachTheRecordOnOK)
{
    ScanSample();
    const CItemInfo *pDir = Record(m_hDir);
    const FILETIME ftSourceX = pDir->m_listFiles[0]->m_ftSource;
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            Click(h, IDC_ATTR_MODE_FILE);
            Select(h, 0); // x.txt
            EXPECT_EQ(ItemText(h, IDC_ATTR_SEL_SIZE), L"7");
            EXPECT_EQ(ItemText(h, IDC_ATTR_SOURCE_TIME), FormatFileTime(&ftSourceX, TIME_PART_DATE | TIME_PART_TIME));
            EXPECT_FALSE(Enabled(h, IDC_DATETIME));
            Click(h, IDC_ATTR_READONLY);
            // The explicit choice fills the empty field with the present time.
            const std::wstring strBefore = FormatCTime(CTime::GetCurrentTime(), TIME_PART_DATE | TIME_PART_TIME);
            Click(h, IDC_ATTR_TIME_SPECIFIED);
            const std::wstring strNow = Field(dlg).GetValueText();
            const std::wstring strAfter = FormatCTime(CTime::GetCurrentTime(), TIME_PART_DATE | TIME_PART_TIME);
            EXPECT_TRUE(strNow >= strBefore && strNow <= strAfter) << strNow;
            EXPECT_TRUE(Enabled(h, IDC_DATETIME));
            Field(dlg).SetText(L"2026/02/03 04:05:06");

            Select(h, 1); // y.dat: processed, system clock
            EXPECT_FALSE(Checked(h, IDC_ATTR_READONLY));
            EXPECT_EQ(Field(dlg).GetText(), L"");
            Click(h, IDC_ATTR_PROCESSED);
            Click(h, IDC_ATTR_TIME_SYSCLOCK);

            Select(h, 0); // x.txt as it was left
            EXPECT_TRUE(Checked(h, IDC_ATTR_READONLY));
            EXPECT_TRUE(Checked(h, IDC_ATTR_TIME_SPECIFIED));
            EXPECT_EQ(Field(dlg).GetText(), L"2026/02/03 04:05:06");

            Select(h, 2); // z.c: the explicit choice with the field emptied before OK
            Click(h, IDC_ATTR_TIME_SPECIFIED);
            EXPECT_FALSE(Field(dlg).GetText().empty());
            Field(dlg).SetText(L"");
            Click(h, IDOK);
        });
    });
    Tree().EditItemAttributes(m_hDir);
    ASSERT_EQ(pDir->m_listFiles.size(), 3u);
    const CItemInfo &x = *pDir->m_listFiles[0], &y = *pDir->m_listFiles[1], &z = *pDir->m_listFiles[2];
    EXPECT_EQ(x.m_strName, L"x.txt");
    EXPECT_TRUE(x.m_dwAttributes & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(x.m_nTimeMode, TIME_MODE_SPECIFIED);
    EXPECT_EQ(FormatFileTime(&x.m_ftSpecified, TIME_PART_DATE | TIME_PART_TIME), L"2026/02/03 04:05:06");
    // A changed attribute with the processed box clear leaves both marks clear.
    EXPECT_FALSE(x.IsProcessed());
    EXPECT_EQ(y.m_dwKindFlags & ITEM_FLAGS_PROCESSED, DWORD(ITEM_FLAGS_PROCESSED));
    EXPECT_EQ(y.m_nTimeMode, TIME_MODE_SYSCLOCK);
    EXPECT_EQ(z.m_nTimeMode, TIME_MODE_SOURCE);
    EXPECT_TRUE(IsZero(z.m_ftSpecified));
    EXPECT_FALSE(pDir->IsCopied()) << "not every entry is processed";
    EXPECT_TRUE(m_seams.m_listMessages.empty());
}

TEST_F(AttrDialogTest, DeleteSortAndTheCopiedMarkAfterOKButNothingOnCancel)
{
    ScanSample();
    CItemInfo *pDir = Record(m_hDir);
    // Cancel: the deletions, ticks and a new name stay in the dialog.
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            ::SetDlgItemTextW(h, IDC_ATTR_DIR_NAME, L"other");
            Click(h, IDC_ATTR_ARCHIVE);
            Click(h, IDC_ATTR_MODE_FILE);
            Select(h, 0);
            Click(h, IDC_ATTR_DELETE);
            Click(h, IDCANCEL);
        });
    });
    const DWORD dwAttrBefore = pDir->m_dwAttributes;
    Tree().EditItemAttributes(m_hDir);
    EXPECT_EQ(pDir->m_listFiles.size(), 3u);
    EXPECT_EQ(pDir->m_dwSize, 31u);
    EXPECT_EQ(pDir->m_strName, L"dir1");
    EXPECT_EQ(Tree().GetItemText(m_hDir), L"dir1");
    EXPECT_EQ(pDir->m_dwAttributes, dwAttrBefore);

    int nImageBefore = -1, nSelBefore = -1;
    Tree().GetItemImage(m_hDir, nImageBefore, nSelBefore);
    // OK: sorted descending by name, the middle entry deleted, the other two processed.
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            Click(h, IDC_ATTR_MODE_FILE);
            Click(h, IDC_ATTR_DESCENDING);
            Select(h, 1);
            Click(h, IDC_ATTR_SORT);
            EXPECT_EQ(::SendDlgItemMessageW(h, IDC_ATTR_FILE_LIST, LB_GETCURSEL, 0, 0), LB_ERR);
            wchar_t sz[32] = {};
            ::SendDlgItemMessageW(h, IDC_ATTR_FILE_LIST, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(sz));
            EXPECT_STREQ(sz, L"z.c");
            Select(h, 1); // y.dat
            Click(h, IDC_ATTR_DELETE);
            EXPECT_EQ(ItemText(h, IDC_ATTR_TOTAL_SIZE), L"20");
            EXPECT_EQ(ItemText(h, IDC_ATTR_FILES_GROUP), L"複写対象ﾌｧｲﾙ : [ 2 file(s) ]");
            EXPECT_EQ(::SendDlgItemMessageW(h, IDC_ATTR_FILE_LIST, LB_GETCURSEL, 0, 0), LB_ERR);
            EXPECT_EQ(ItemText(h, IDC_ATTR_SEL_SIZE), NA);
            EXPECT_FALSE(Enabled(h, IDC_ATTR_DELETE));
            for (int i : {0, 1}) {
                Select(h, i);
                Click(h, IDC_ATTR_PROCESSED);
            }
            Click(h, IDOK);
        });
    });
    Tree().EditItemAttributes(m_hDir);
    ASSERT_EQ(pDir->m_listFiles.size(), 2u);
    EXPECT_EQ(pDir->m_listFiles[0]->m_strName, L"z.c");
    EXPECT_EQ(pDir->m_listFiles[1]->m_strName, L"x.txt");
    EXPECT_EQ(pDir->m_dwSize, 20u);
    EXPECT_TRUE(pDir->IsCopied());
    // The node shows the copied mark.
    int nImage = -1, nSelImage = -1;
    Tree().GetItemImage(m_hDir, nImage, nSelImage);
    EXPECT_NE(nImage, nImageBefore);
    EXPECT_EQ(nImage, Tree().GetItemImage(pDir));

    // Deleting the last entries: the count leaves the caption, and an empty directory is never copied.
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            Click(h, IDC_ATTR_MODE_FILE);
            for (int i = 0; i < 2; ++i) {
                Select(h, 0);
                Click(h, IDC_ATTR_DELETE);
            }
            EXPECT_EQ(ItemText(h, IDC_ATTR_FILES_GROUP), L"複写対象ﾌｧｲﾙ :");
            EXPECT_EQ(ItemText(h, IDC_ATTR_TOTAL_SIZE), L"0");
            EXPECT_FALSE(Enabled(h, IDC_ATTR_SORT));
            Click(h, IDOK);
        });
    });
    Tree().EditItemAttributes(m_hDir);
    EXPECT_TRUE(pDir->m_listFiles.empty());
    EXPECT_EQ(pDir->m_dwSize, 0u);
    EXPECT_FALSE(pDir->IsCopied());
}

TEST_F(AttrDialogTest, ARefusedNameKeepsTheDialogOpenAndARenameReachesTheLabel)
{
    ScanSample();
    int nSteps = 0;
    m_seams.m_listMessageAnswers = {IDOK, IDOK};
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            ++nSteps;
            ::SetDlgItemTextW(h, IDC_ATTR_DIR_NAME, L"..\\x");
            Click(h, IDOK);
            EXPECT_TRUE(::IsWindow(h));
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(h, IDC_ATTR_DIR_NAME));
            DWORD dwStart = 1, dwEnd = 0;
            ::SendDlgItemMessageW(h, IDC_ATTR_DIR_NAME, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                                  reinterpret_cast<LPARAM>(&dwEnd));
            EXPECT_EQ(dwStart, 0u);
            EXPECT_EQ(dwEnd, 4u);
            // Typed, then left for the file list: OK brings the name back to be corrected.
            ::SetDlgItemTextW(h, IDC_ATTR_DIR_NAME, L"CON");
            Click(h, IDC_ATTR_MODE_FILE);
            Click(h, IDOK);
            EXPECT_TRUE(Checked(h, IDC_ATTR_MODE_DIR));
            EXPECT_TRUE(Enabled(h, IDC_ATTR_DIR_NAME));
            ::SetDlgItemTextW(h, IDC_ATTR_DIR_NAME, L"新しい名前");
            Click(h, IDOK);
        });
    });
    Tree().EditItemAttributes(m_hDir);
    EXPECT_EQ(nSteps, 1);
    ASSERT_EQ(m_seams.m_listMessages.size(), 2u);
    EXPECT_EQ(m_seams.m_listMessages[0].strText, ItemNameErrorText(CheckItemName(L"..\\x")));
    EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"Error");
    EXPECT_EQ(m_seams.m_listMessages[1].strText, ItemNameErrorText(NAME_RESERVED));
    EXPECT_EQ(m_seams.m_listBeeps.size(), 2u);
    EXPECT_EQ(Record(m_hDir)->m_strName, L"新しい名前");
    EXPECT_EQ(Tree().GetItemText(m_hDir), L"新しい名前");
}

TEST_F(AttrDialogTest, ADirectoryWithATimeChoiceHearsItIsNotSupportedAndStillCloses)
{
    ScanSample();
    Record(m_hDir)->m_nTimeMode = TIME_MODE_SOURCE;
    m_seams.m_listMessageAnswers = {IDOK};
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) { dlg.PostButtonClick(IDOK); });
    Tree().EditItemAttributes(m_hDir);
    ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
    EXPECT_EQ(m_seams.m_listMessages[0].strText, L"現ﾊﾞｰｼﾞｮﾝでは、\nｻﾌﾞﾃﾞｨﾚｸﾄﾘのﾀｲﾑｽﾀﾝﾌﾟ任意設定は\n機能しません。");
    EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"御免なさい m(_ _)m");
    EXPECT_EQ(m_seams.m_listMessages[0].nType, UINT(MB_OK | MB_ICONINFORMATION));
}

TEST_F(AttrDialogTest, ResizedOnlyInWidthAndNeverBelowItsFirstSize)
{
    ScanSample();
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            RECT rcFirst = {};
            ::GetWindowRect(h, &rcFirst);
            const int cx = rcFirst.right - rcFirst.left, cy = rcFirst.bottom - rcFirst.top;
            // The borders: only left and right size.
            const int yMid = (rcFirst.top + rcFirst.bottom) / 2, xMid = (rcFirst.left + rcFirst.right) / 2;
            EXPECT_EQ(::SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(rcFirst.right - 1, yMid)), HTRIGHT);
            EXPECT_EQ(::SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(rcFirst.left, yMid)), HTLEFT);
            EXPECT_EQ(::SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(xMid, rcFirst.bottom - 1)), HTBORDER);
            EXPECT_EQ(::SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(rcFirst.right - 1, rcFirst.bottom - 1)), HTRIGHT);
            RECT rc = {rcFirst.left, rcFirst.top, rcFirst.left + cx - 40, rcFirst.top + cy + 50};
            ::SendMessageW(h, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&rc));
            EXPECT_EQ(rc.right - rc.left, cx);
            EXPECT_EQ(rc.bottom - rc.top, cy);

            // Wider: the name, the path and the file list's group stretch, the list keeps its margins.
            const RECT rcName = ChildRect(h, IDC_ATTR_DIR_NAME), rcGroup = ChildRect(h, IDC_ATTR_FILES_GROUP);
            const RECT rcAttr = ChildRect(h, IDC_ATTR_ATTR_GROUP), rcList = ChildRect(h, IDC_ATTR_FILE_LIST);
            const LONG nOkTop = ChildRect(h, IDOK).top;
            ::SetWindowPos(h, nullptr, 0, 0, cx + 100, cy, SWP_NOMOVE | SWP_NOZORDER);
            const RECT rcName2 = ChildRect(h, IDC_ATTR_DIR_NAME), rcGroup2 = ChildRect(h, IDC_ATTR_FILES_GROUP);
            const RECT rcList2 = ChildRect(h, IDC_ATTR_FILE_LIST), rcPath2 = ChildRect(h, IDC_ATTR_SOURCE_PATH);
            RECT rcClient = {};
            ::GetClientRect(h, &rcClient);
            EXPECT_EQ(rcName2.right, rcName.right + 100);
            EXPECT_EQ(rcPath2.right, rcName2.right);
            EXPECT_EQ(rcGroup2.right, rcGroup.right + 100);
            // The margin right of the stretched controls is the one the attribute group had.
            EXPECT_EQ(rcClient.right - rcGroup2.right, rcClient.right - 100 - rcAttr.right);
            EXPECT_EQ(rcGroup2.right - rcList2.right, rcList.left - rcGroup.left);
            EXPECT_EQ(rcName2.top, rcName.top);
            EXPECT_EQ(ChildRect(h, IDOK).top, nOkTop);
            Click(h, IDCANCEL);
        });
    });
    Tree().EditItemAttributes(m_hDir);
}

TEST_F(AttrDialogTest, WideningDrawsTheDateTimeFieldWithItsButtonAgainAtEverySize)
{
    ScanSample();
    int nSizes = 0;
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            // The modal loop may run this step before it first shows the dialog; hidden windows get no paint.
            ::ShowWindow(h, SW_SHOWNORMAL);
            Click(h, IDC_ATTR_MODE_FILE);
            CDateTimeCmb &field = Field(dlg);
            const RECT rcFirst = dlg.GetWindowRect();
            // What the loop paints until it has nothing more to do.
            const auto Painted = [] {
                std::vector<HWND> painted;
                MSG msg;
                while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    if (msg.message == WM_PAINT)
                        painted.push_back(msg.hwnd);
                    ::DispatchMessageW(&msg);
                }
                return painted;
            };
            for (int dx : {30, 120, 7, 260}) {
                Painted();
                ::SetWindowPos(h, nullptr, 0, 0, rcFirst.right - rcFirst.left + dx, rcFirst.bottom - rcFirst.top,
                               SWP_NOMOVE | SWP_NOZORDER);
                const std::vector<HWND> painted = Painted();
                for (HWND hPart : {field.m_hWnd, field.GetDropButton(), field.GetEdit()})
                    EXPECT_NE(std::find(painted.begin(), painted.end(), hPart), painted.end()) << dx;
                ++nSizes;
            }
            Click(h, IDCANCEL);
        });
    });
    Tree().EditItemAttributes(m_hDir);
    EXPECT_EQ(nSizes, 4);
}
