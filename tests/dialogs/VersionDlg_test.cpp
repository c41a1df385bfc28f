// The version dialog on its real template, with the program's own version resource and picture.
#include "dialogs/VersionDlg.h"

#include "res/Version.h"
#include "res/resource.h"
#include "support/VerInfo.h"

#include "ScriptedSeams.h"
#include "TempDir.h"
#include "WindowText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const wchar_t CAPTION[] = L"ﾊﾞｰｼﾞｮﾝ情報(Pelnix)";
const int LINE_IDS[] = {IDC_VERSION_PRODUCT, IDC_VERSION_COPYRIGHT, IDC_VERSION_COMMENTS, IDC_VERSION_BUILD};

LONG Style(HWND hWnd)
{
    return ::GetWindowLongW(hWnd, GWL_STYLE);
}

// A child's rectangle in its dialog's client coordinates.
RECT ChildRect(HWND hDlg, int nID)
{
    RECT rc = {};
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

// The four lines as the dialog's font draws them: the widest and the tallest.
SIZE MeasureLines(HWND hDlg)
{
    SIZE out = {};
    HDC hDC = ::GetDC(hDlg);
    HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(::SendMessageW(hDlg, WM_GETFONT, 0, 0)));
    for (int nID : LINE_IDS) {
        std::wstring s = Text(::GetDlgItem(hDlg, nID));
        SIZE size = {};
        ::GetTextExtentPoint32W(hDC, s.c_str(), static_cast<int>(s.size()), &size);
        out.cx = std::max(out.cx, size.cx);
        out.cy = std::max(out.cy, size.cy);
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hDlg, hDC);
    return out;
}

// The lines' rectangles, beside the picture or the margin, and OK centred at the bottom.
void ExpectLinesAndButton(HWND hDlg, int xLines)
{
    const SIZE text = MeasureLines(hDlg);
    for (int i = 0; i < 4; ++i) {
        RECT rc = ChildRect(hDlg, LINE_IDS[i]);
        EXPECT_EQ(rc.left, xLines) << "line " << i + 1;
        EXPECT_EQ(rc.top, i * (text.cy + 4) + 7) << "line " << i + 1;
        EXPECT_EQ(rc.right - rc.left, text.cx) << "line " << i + 1;
        EXPECT_EQ(rc.bottom - rc.top, text.cy) << "line " << i + 1;
    }
    RECT rcClient = {}, rcOK = ChildRect(hDlg, IDOK);
    ::GetClientRect(hDlg, &rcClient);
    EXPECT_EQ(rcClient.right, xLines + text.cx + 7);
    EXPECT_EQ(rcOK.left, (rcClient.right - (rcOK.right - rcOK.left)) / 2);
    EXPECT_EQ(rcOK.bottom, rcClient.bottom - 7);
}

TEST(VersionDlg, ShowsTheVersionResourceBesideThePicture)
{
    CScriptedSeams seams;
    CVersionDlg dlg(CAPTION, IDB_VERSION, nullptr, 0);
    seams.m_listDialogActions.push_back([&](CDialog &d) {
        HWND hDlg = d.m_hWnd;
        EXPECT_EQ(Text(hDlg), CAPTION);
        EXPECT_TRUE(Style(hDlg) & WS_SYSMENU);

        const std::wstring lines[] = {L"Ostrel:Halvorn Version 01.00 β 1", L"" PELNIX_COPYRIGHT, L"" PELNIX_COMMENTS,
                                      L"Build Version : 2026.12.07 No.1"};
        for (int i = 0; i < 4; ++i) {
            HWND hLine = ::GetDlgItem(hDlg, LINE_IDS[i]);
            ASSERT_NE(hLine, nullptr) << "line " << i + 1;
            EXPECT_EQ(_wcsicmp(ClassOf(hLine).c_str(), L"Static"), 0);
            EXPECT_EQ(Text(hLine), lines[i]);
            // "&" is a character here, never a mnemonic.
            EXPECT_TRUE(Style(hLine) & SS_NOPREFIX) << "line " << i + 1;
        }
        EXPECT_NE(lines[2].find(L" & "), std::wstring::npos);
        HWND hOK = ::GetDlgItem(hDlg, IDOK);
        EXPECT_EQ(Text(hOK), L"OK");

        // The picture, whole inside its border, at the top left; the lines beside it.
        HWND hPicture = ::GetDlgItem(hDlg, IDC_VERSION_BITMAP);
        ASSERT_NE(hPicture, nullptr);
        EXPECT_EQ(Style(hPicture) & SS_TYPEMASK, SS_BITMAP);
        // The dialog manager turns a control's plain border into this sunken edge.
        EXPECT_TRUE(::GetWindowLongW(hPicture, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_EQ(Text(hPicture), L"");
        auto hShown = reinterpret_cast<HBITMAP>(::SendMessageW(hPicture, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(hShown, nullptr);
        BITMAP bm = {};
        ASSERT_TRUE(::GetObjectW(hShown, sizeof bm, &bm));
        RECT rcInside = {};
        ::GetClientRect(hPicture, &rcInside);
        EXPECT_EQ(rcInside.right, bm.bmWidth);
        EXPECT_EQ(rcInside.bottom, bm.bmHeight);
        RECT rcPicture = ChildRect(hDlg, IDC_VERSION_BITMAP);
        EXPECT_EQ(rcPicture.left, 7);
        const SIZE text = MeasureLines(hDlg);
        const int cyBand = 4 * text.cy + 16, cyPicture = rcPicture.bottom - rcPicture.top;
        EXPECT_EQ(rcPicture.top, cyPicture < cyBand ? (cyBand - cyPicture) / 2 + 7 : 7);
        ExpectLinesAndButton(hDlg, rcPicture.right + 4);
        RECT rcClient = {}, rcOK = ChildRect(hDlg, IDOK);
        ::GetClientRect(hDlg, &rcClient);
        EXPECT_EQ(rcClient.bottom,
                  (rcOK.bottom - rcOK.top) + std::max(4 * text.cy + 12, static_cast<LONG>(cyPicture)) + 18);

        d.PostButtonClick(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(seams.m_nDialogs, 1);
}

// No picture asked for: no control for it. A picture the resources lack: its control, empty.
TEST(VersionDlg, WithoutThePictureOrItsResource)
{
    CScriptedSeams seams;
    {
        CVersionDlg dlg(CAPTION, 0, nullptr, 0);
        seams.m_listDialogActions.push_back([&](CDialog &d) {
            EXPECT_EQ(::GetDlgItem(d.m_hWnd, IDC_VERSION_BITMAP), nullptr);
            ExpectLinesAndButton(d.m_hWnd, 7);
            RECT rcClient = {}, rcOK = ChildRect(d.m_hWnd, IDOK);
            ::GetClientRect(d.m_hWnd, &rcClient);
            EXPECT_EQ(rcClient.bottom, (rcOK.bottom - rcOK.top) + 4 * MeasureLines(d.m_hWnd).cy + 12 + 18);
            d.PostButtonClick(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
    {
        CVersionDlg dlg(CAPTION, 4321, nullptr, 0);
        EXPECT_FALSE(dlg.m_bitmap);
        seams.m_listDialogActions.push_back([&](CDialog &d) {
            HWND hPicture = ::GetDlgItem(d.m_hWnd, IDC_VERSION_BITMAP);
            ASSERT_NE(hPicture, nullptr);
            EXPECT_TRUE(Style(hPicture) & WS_VISIBLE);
            EXPECT_EQ(::SendMessageW(hPicture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
            RECT rcPicture = ChildRect(d.m_hWnd, IDC_VERSION_BITMAP);
            EXPECT_EQ(rcPicture.left, 7);
            ExpectLinesAndButton(d.m_hWnd, rcPicture.right + 4);
            // The close box closes it as Cancel does.
            d.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(seams.m_nDialogs, 2);
}

TEST(VersionDlg, AProgramWithoutAVersionResourceShowsWhatTheReaderGives)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"plain.exe", "not a program"));
    CScriptedSeams seams;
    CVersionDlg dlg(CAPTION, IDB_VERSION, nullptr, 0, CVerInfo(dir / L"plain.exe"));
    seams.m_listDialogActions.push_back([&](CDialog &d) {
        const std::wstring strNotRead = L"CVerInfoの初期化が正常に行われていません。";
        EXPECT_EQ(Text(d.GetDlgItem(IDC_VERSION_PRODUCT)), strNotRead);
        EXPECT_EQ(Text(d.GetDlgItem(IDC_VERSION_COPYRIGHT)), strNotRead);
        EXPECT_EQ(Text(d.GetDlgItem(IDC_VERSION_COMMENTS)), strNotRead);
        EXPECT_EQ(Text(d.GetDlgItem(IDC_VERSION_BUILD)), L"Build Version : 00.00.00 No.0");
        d.PostButtonClick(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// Left alone it closes as Cancel does; the delay is in seconds, and 0 or less never closes it.
TEST(VersionDlg, TheTimerClosesItAsCancelDoes)
{
    EXPECT_EQ(CVersionDlg(CAPTION, 0, nullptr, 30).m_nClosePeriodMs, 30000u);
    EXPECT_EQ(CVersionDlg(CAPTION, 0, nullptr, 0).m_nClosePeriodMs, 0u);
    EXPECT_EQ(CVersionDlg(CAPTION, 0, nullptr, -5).m_nClosePeriodMs, 0u);

    CScriptedSeams seams;
    CVersionDlg dlg(CAPTION, IDB_VERSION, nullptr, 30);
    dlg.m_nClosePeriodMs = 50;
    HWND hShown = nullptr;
    seams.m_listDialogActions.push_back([&](CDialog &d) { hShown = d.m_hWnd; });
    const DWORD dwStart = ::GetTickCount();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_NE(hShown, nullptr);
    EXPECT_FALSE(::IsWindow(hShown));
    EXPECT_GE(::GetTickCount() - dwStart, 40u);
}

} // namespace
