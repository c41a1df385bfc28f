#include "support/TemplateDialog.h"

#include "ScriptedSeams.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Reads the fields of a locked template block at given offsets.
class CBlock {
public:
    explicit CBlock(HGLOBAL h) : m_h(h), m_p(static_cast<const BYTE *>(::GlobalLock(h))) {}
    ~CBlock() { ::GlobalUnlock(m_h); }
    bool IsValid() const { return m_p != nullptr; }
    SIZE_T Size() const { return ::GlobalSize(m_h); }
    DWORD DWordAt(size_t n) const
    {
        DWORD d;
        std::memcpy(&d, m_p + n, 4);
        return d;
    }
    WORD WordAt(size_t n) const
    {
        WORD w;
        std::memcpy(&w, m_p + n, 2);
        return w;
    }
    // The zero-terminated UTF-16 string at n, and that it ends where expected.
    std::wstring StringAt(size_t n) const
    {
        std::wstring s;
        for (WORD w; (w = WordAt(n)) != 0; n += 2)
            s += static_cast<wchar_t>(w);
        return s;
    }

private:
    HGLOBAL m_h;
    const BYTE *m_p;
};

const wchar_t kFace[] = L"ＭＳ Ｐゴシック"; // 8 characters

TEST(TemplateDialog, TemplateWithoutControlsIsHeaderCaptionAndFont)
{
    CTemplateDialog dlg;
    HGLOBAL h = dlg.hfBuildTemplate(10, 20, 110, 80, nullptr, nullptr, WS_SYSMENU, WS_EX_TOOLWINDOW);
    ASSERT_NE(h, nullptr);
    CBlock b(h);
    ASSERT_TRUE(b.IsValid());
    // 2 x ("no-title" 9 + face 9) + 24 = 60, already a multiple of 4.
    EXPECT_EQ(b.Size(), 60u);
    EXPECT_EQ(b.DWordAt(0), 0x92C000C0u | WS_SYSMENU);
    EXPECT_EQ(b.DWordAt(4), static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_EQ(b.WordAt(8), 0); // controls
    EXPECT_EQ(b.WordAt(10), 10);
    EXPECT_EQ(b.WordAt(12), 20);
    EXPECT_EQ(b.WordAt(14), 100);
    EXPECT_EQ(b.WordAt(16), 60);
    EXPECT_EQ(b.WordAt(18), 0); // menu
    EXPECT_EQ(b.WordAt(20), 0); // class
    EXPECT_EQ(b.StringAt(22), L"no-title");
    EXPECT_EQ(b.WordAt(22 + 18), 9); // point size
    EXPECT_EQ(b.StringAt(42), kFace);
    EXPECT_EQ(b.WordAt(42 + 16), 0);

    // The platform reads it as a dialog with an empty client area.
    ASSERT_TRUE(dlg.CreateModeless(10, 20, 110, 80, L"空", nullptr));
    ASSERT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_EQ(dlg.GetWindowText(), L"空");
    EXPECT_EQ(::GetWindow(dlg.m_hWnd, GW_CHILD), nullptr);
    RECT rc = dlg.GetClientRect();
    RECT rcUnits = {0, 0, 100, 60};
    ::MapDialogRect(dlg.m_hWnd, &rcUnits);
    EXPECT_EQ(rc.right, rcUnits.right);
    EXPECT_EQ(rc.bottom, rcUnits.bottom);
}

TEST(TemplateDialog, ControlsStartOnFourByteBoundariesAndTheLastIsNotPadded)
{
    CTemplateDialog dlg;
    RECT rc = {4, 6, 104, 16};
    dlg.AddItem(TEMPLATE_CLASS_STATIC, 101, &rc, L"一行", SS_LEFT, WS_EX_STATICEDGE);
    dlg.AddItem(TEMPLATE_CLASS_BUTTON, 102, nullptr, L"ab", BS_PUSHBUTTON);
    EXPECT_EQ(dlg.GetItemCount(), 2);
    HGLOBAL h = dlg.hfBuildTemplate(0, 0, 120, 40, L"abc", nullptr, 0, 0);
    ASSERT_NE(h, nullptr);
    CBlock b(h);
    ASSERT_TRUE(b.IsValid());
    // Header 2 x (4 + 9) + 24 = 50, padded to 52; first control 2 x 3 + 24 = 30, padded to 32;
    // the last 2 x 3 + 24 = 30.
    EXPECT_EQ(b.Size(), 52u + 32u + 30u);
    EXPECT_EQ(b.WordAt(8), 2);
    EXPECT_EQ(b.StringAt(22), L"abc");
    EXPECT_EQ(b.WordAt(30), 9);
    EXPECT_EQ(b.StringAt(32), kFace);
    EXPECT_EQ(b.WordAt(50), 0); // padding

    EXPECT_EQ(b.DWordAt(52), static_cast<DWORD>(SS_LEFT | WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(b.DWordAt(56), static_cast<DWORD>(WS_EX_STATICEDGE));
    EXPECT_EQ(b.WordAt(60), 4);
    EXPECT_EQ(b.WordAt(62), 6);
    EXPECT_EQ(b.WordAt(64), 100);
    EXPECT_EQ(b.WordAt(66), 10);
    EXPECT_EQ(b.WordAt(68), 101);
    EXPECT_EQ(b.WordAt(70), 0xFFFF);
    EXPECT_EQ(b.WordAt(72), 0x82);
    EXPECT_EQ(b.StringAt(74), L"一行");
    EXPECT_EQ(b.WordAt(80), 0); // creation data
    EXPECT_EQ(b.WordAt(82), 0); // padding

    EXPECT_EQ(b.DWordAt(84), static_cast<DWORD>(BS_PUSHBUTTON | WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(b.DWordAt(88), 0u);
    // Without a rectangle: 50 x 14 at 0,0.
    EXPECT_EQ(b.WordAt(92), 0);
    EXPECT_EQ(b.WordAt(94), 0);
    EXPECT_EQ(b.WordAt(96), 50);
    EXPECT_EQ(b.WordAt(98), 14);
    EXPECT_EQ(b.WordAt(100), 102);
    EXPECT_EQ(b.WordAt(102), 0xFFFF);
    EXPECT_EQ(b.WordAt(104), 0x80);
    EXPECT_EQ(b.StringAt(106), L"ab");
    EXPECT_EQ(b.WordAt(112), 0);

    // The platform reads the same: classes, texts, and 50 x 14 units at 0,0 without a rectangle.
    ASSERT_TRUE(dlg.CreateModeless(0, 0, 120, 40, L"abc", nullptr));
    ASSERT_TRUE(::IsWindow(dlg.m_hWnd));
    wchar_t szClass[32] = {};
    ::GetClassNameW(dlg.GetDlgItem(101), szClass, 32);
    EXPECT_EQ(_wcsicmp(szClass, L"Static"), 0);
    ::GetClassNameW(dlg.GetDlgItem(102), szClass, 32);
    EXPECT_EQ(_wcsicmp(szClass, L"Button"), 0);
    EXPECT_EQ(dlg.GetDlgItemText(101), L"一行");
    EXPECT_EQ(dlg.GetDlgItemText(102), L"ab");
    RECT rcButton = {}, rcUnits = {0, 0, 50, 14};
    ::GetWindowRect(dlg.GetDlgItem(102), &rcButton);
    ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT *>(&rcButton), 2);
    ::MapDialogRect(dlg.m_hWnd, &rcUnits);
    EXPECT_TRUE(rcButton.left == 0 && rcButton.top == 0);
    EXPECT_EQ(rcButton.right, rcUnits.right);
    EXPECT_EQ(rcButton.bottom, rcUnits.bottom);
}

TEST(TemplateDialog, CreatingAgainDestroysTheFirstWindow)
{
    HWND hFirst = nullptr, hSecond = nullptr;
    {
        CTemplateDialog dlg;
        dlg.AddItem(TEMPLATE_CLASS_STATIC, 101, nullptr, L"一回目");
        ASSERT_TRUE(dlg.CreateModeless(0, 0, 100, 40, L"一回目", nullptr, 0, WS_EX_TOOLWINDOW));
        hFirst = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(hFirst));
        EXPECT_TRUE(::GetWindowLongW(hFirst, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

        dlg.AddItem(TEMPLATE_CLASS_STATIC, 102, nullptr, L"二回目");
        ASSERT_TRUE(dlg.CreateModeless(0, 0, 100, 40, L"二回目", nullptr, 0, 0));
        hSecond = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(hSecond));
        EXPECT_FALSE(::IsWindow(hFirst));
        // A fresh template: the new caption and the control added since.
        EXPECT_EQ(dlg.GetWindowText(), L"二回目");
        EXPECT_EQ(dlg.GetDlgItemText(102), L"二回目");
        EXPECT_EQ(dlg.GetDlgItemText(101), L"一回目");
    }
    // The object takes its window with it.
    EXPECT_FALSE(::IsWindow(hSecond));
}

TEST(TemplateDialog, RunsModallyFromItsTemplate)
{
    CScriptedSeams seams;
    seams.m_listDialogActions.push_back([](CDialog &dlg) {
        EXPECT_EQ(dlg.GetWindowText(), L"モーダル");
        EXPECT_EQ(dlg.GetDlgItemText(101), L"本文");
        dlg.PostButtonClick(IDOK);
    });
    CTemplateDialog dlg;
    EXPECT_EQ(dlg.DoModal(), -1); // nothing prepared yet
    RECT rcText = {4, 4, 96, 14}, rcOK = {24, 20, 74, 34};
    dlg.AddItem(TEMPLATE_CLASS_STATIC, 101, &rcText, L"本文");
    dlg.AddItem(TEMPLATE_CLASS_BUTTON, IDOK, &rcOK, L"OK", BS_DEFPUSHBUTTON);
    ASSERT_TRUE(dlg.InitModal(0, 0, 100, 40, L"モーダル", nullptr));
    EXPECT_EQ(dlg.m_hWnd, nullptr); // prepared, not created
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(seams.m_nDialogs, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(TemplateDialog, AllocationFailureIsToldAndCreatesNothing)
{
    struct CNoMemoryDialog : CTemplateDialog {
        HGLOBAL AllocTemplateBlock(SIZE_T) override { return nullptr; }
    };
    CScriptedSeams seams;
    seams.m_listMessageAnswers = {IDOK, IDOK, IDOK};
    CNoMemoryDialog dlg;
    dlg.AddItem(TEMPLATE_CLASS_STATIC, 101);
    EXPECT_EQ(dlg.hfBuildTemplate(0, 0, 100, 40, nullptr, nullptr, 0, 0), nullptr);
    EXPECT_FALSE(dlg.CreateModeless(0, 0, 100, 40, L"x", nullptr));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(dlg.InitModal(0, 0, 100, 40, L"x", nullptr));
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.GetTemplate(), nullptr);
    ASSERT_EQ(seams.m_listMessages.size(), 3u);
    for (const CAskedMessage &m : seams.m_listMessages) {
        EXPECT_EQ(m.strText, L"[CTemplateDialog::hfBuildTemplate] Memory allocation for dialog template failed.");
        EXPECT_EQ(m.nType & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    EXPECT_EQ(seams.m_nDialogs, 0);
}

} // namespace
