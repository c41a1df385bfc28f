#include "support/FolderDialog.h"

#include "ScriptedSeams.h"

#include <gtest/gtest.h>

namespace {

// A real top-level window to own the picker.
class COwnerWindow {
public:
    explicit COwnerWindow(int x = 100, int y = 80, int cx = 640, int cy = 480)
        : m_hWnd(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE | WS_CAPTION, x, y, cx, cy, nullptr,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~COwnerWindow() { ::DestroyWindow(m_hWnd); }
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

TEST(FolderDialog, ChoosingGivesThePathAndPassesTheRequestThrough)
{
    COwnerWindow owner;
    ASSERT_TRUE(::IsWindow(owner.Get()));
    CScriptedSeams seams;
    seams.m_listFolderAnswers = {{FOLDER_CHOSEN, L"C:\\chosen"}};

    CFolderDialog dlg(nullptr, L"C:\\preset");
    EXPECT_EQ(dlg.GetPath(), L"C:\\preset");
    dlg.m_strCaption = L"複写先ﾃﾞｨﾚｸﾄﾘの選択";
    EXPECT_EQ(dlg.Browse(L"複写先ﾃﾞｨﾚｸﾄﾘを選択してください。", L"D:\\start", owner.Get()), FOLDER_CHOSEN);
    EXPECT_EQ(dlg.GetPath(), L"C:\\chosen");

    ASSERT_EQ(seams.m_listFolders.size(), 1u);
    const CFolderRequest &req = seams.m_listFolders[0].req;
    EXPECT_EQ(req.hOwner, owner.Get());
    EXPECT_EQ(req.strCaption, L"複写先ﾃﾞｨﾚｸﾄﾘの選択");
    EXPECT_EQ(req.strPrompt, L"複写先ﾃﾞｨﾚｸﾄﾘを選択してください。");
    EXPECT_EQ(req.strInitialPath, L"D:\\start");
    EXPECT_EQ(req.nRootFolder, 17);
    EXPECT_EQ(req.nFlags, 1u);
}

TEST(FolderDialog, CancelRestoresThePreviousPathEvenWithAnInitialPath)
{
    COwnerWindow owner;
    ASSERT_TRUE(::IsWindow(owner.Get()));
    CScriptedSeams seams;
    seams.m_listFolderAnswers = {{FOLDER_CANCELLED, L""}, {FOLDER_CHOSEN, L"E:\\x"}, {FOLDER_CANCELLED, L""}};

    CFolderDialog dlg(owner.Get(), L"C:\\before");
    EXPECT_EQ(dlg.Browse(nullptr, L"D:\\other"), FOLDER_CANCELLED);
    EXPECT_EQ(dlg.GetPath(), L"C:\\before");
    EXPECT_EQ(seams.m_listFolders[0].req.strInitialPath, L"D:\\other");

    // Without an initial path the current path is preselected; a cancel after a choice keeps the choice.
    EXPECT_EQ(dlg.Browse(), FOLDER_CHOSEN);
    EXPECT_EQ(seams.m_listFolders[1].req.strInitialPath, L"C:\\before");
    EXPECT_EQ(dlg.Browse(nullptr, L""), FOLDER_CANCELLED);
    EXPECT_EQ(seams.m_listFolders[2].req.strInitialPath, L"");
    EXPECT_EQ(dlg.GetPath(), L"E:\\x");
}

TEST(FolderDialog, DefaultPromptAndPlatformCaption)
{
    COwnerWindow owner;
    ASSERT_TRUE(::IsWindow(owner.Get()));
    CScriptedSeams seams;
    seams.m_listFolderAnswers = {{FOLDER_CANCELLED, L""}, {FOLDER_CANCELLED, L""}};
    CFolderDialog dlg(owner.Get());
    EXPECT_EQ(dlg.Browse(), FOLDER_CANCELLED);
    EXPECT_EQ(dlg.GetPath(), L"");
    ASSERT_EQ(seams.m_listFolders.size(), 1u);
    EXPECT_EQ(seams.m_listFolders[0].req.strPrompt, L"ﾌｫﾙﾀﾞを選択して下さい。");
    EXPECT_EQ(seams.m_listFolders[0].req.strCaption, L"");
    // An empty prompt is a prompt: only a missing one is replaced.
    dlg.Browse(L"");
    EXPECT_EQ(seams.m_listFolders[1].req.strPrompt, L"");
}

TEST(FolderDialog, OwnerRules)
{
    COwnerWindow constructed, given;
    ASSERT_TRUE(::IsWindow(constructed.Get()));
    ASSERT_TRUE(::IsWindow(given.Get()));
    CScriptedSeams seams;
    seams.m_listFolderAnswers = {{FOLDER_CHOSEN, L"C:\\a"}, {FOLDER_CHOSEN, L"C:\\b"}};

    // No owner at all: nothing is shown and nothing changes, even the initial path.
    CFolderDialog none(nullptr, L"C:\\keep");
    EXPECT_EQ(none.Browse(L"p", L"C:\\initial"), FOLDER_NOT_SHOWN);
    EXPECT_EQ(none.GetPath(), L"C:\\keep");
    EXPECT_TRUE(seams.m_listFolders.empty());

    CFolderDialog dlg(constructed.Get());
    EXPECT_EQ(dlg.Browse(), FOLDER_CHOSEN);
    EXPECT_EQ(dlg.Browse(nullptr, nullptr, given.Get()), FOLDER_CHOSEN);
    ASSERT_EQ(seams.m_listFolders.size(), 2u);
    EXPECT_EQ(seams.m_listFolders[0].req.hOwner, constructed.Get());
    EXPECT_EQ(seams.m_listFolders[1].req.hOwner, given.Get());
    EXPECT_EQ(dlg.GetPath(), L"C:\\b");
}

TEST(FolderDialog, CallersTextsReachThePicker)
{
    struct {
        CFolderTexts texts;
        const wchar_t *pszCaption, *pszPrompt;
    } cases[] = {
        {SourceFolderTexts(false), L"複写元ﾃﾞｨﾚｸﾄﾘの選択", L"複写元ﾃﾞｨﾚｸﾄﾘを選択してください。"},
        {SourceFolderTexts(true), L"複写元(追加読込)ﾃﾞｨﾚｸﾄﾘの選択", L"複写元(追加読込)ﾃﾞｨﾚｸﾄﾘを選択してください。"},
        {DestinationFolderTexts(), L"複写先ﾃﾞｨﾚｸﾄﾘの選択", L"複写先ﾃﾞｨﾚｸﾄﾘを選択してください。"},
        {ErrorLogFolderTexts(), L"ｴﾗｰﾛｸﾞﾌｧｲﾙの保存場所を選択", L"ｴﾗｰﾛｸﾞﾌｧｲﾙの保存場所を選択してください。"},
        {ErrorLogOptionFolderTexts(), L"ｴﾗｰﾛｸﾞ保存ﾃﾞｨﾚｸﾄﾘの選択", L"ｴﾗｰﾛｸﾞの保存ﾃﾞｨﾚｸﾄﾘを選択してください。"},
    };
    COwnerWindow owner;
    ASSERT_TRUE(::IsWindow(owner.Get()));
    CScriptedSeams seams;
    for (const auto &c : cases) {
        seams.m_listFolderAnswers = {{FOLDER_CHOSEN, L"C:\\z"}};
        CFolderDialog dlg;
        EXPECT_EQ(dlg.Browse(c.texts, L"C:\\start", owner.Get()), FOLDER_CHOSEN);
        const CFolderRequest &req = seams.m_listFolders.back().req;
        EXPECT_EQ(req.strCaption, c.pszCaption);
        EXPECT_EQ(req.strPrompt, c.pszPrompt);
        EXPECT_EQ(req.strInitialPath, L"C:\\start");
    }
    EXPECT_EQ(seams.m_listFolders.size(), std::size(cases));
}

TEST(FolderDialog, AConfirmedFolderWithoutAUsablePathIsNoChoiceAndSaysWhy)
{
    COwnerWindow owner;
    ASSERT_TRUE(::IsWindow(owner.Get()));
    CScriptedSeams seams;
    const std::wstring strLong = L"C:\\" + std::wstring(300, L'd');
    seams.m_listFolderAnswers = {{FOLDER_TOO_LONG, strLong}, {FOLDER_NO_PATH, L""}};
    seams.m_listMessageAnswers = {IDOK, IDOK};

    CFolderDialog dlg(owner.Get(), L"C:\\before");
    EXPECT_EQ(dlg.Browse(nullptr, L"D:\\initial"), FOLDER_TOO_LONG);
    EXPECT_EQ(dlg.GetPath(), L"C:\\before");
    EXPECT_EQ(dlg.Browse(), FOLDER_NO_PATH);
    EXPECT_EQ(dlg.GetPath(), L"C:\\before");

    ASSERT_EQ(seams.m_listMessages.size(), 2u);
    for (const CAskedMessage &m : seams.m_listMessages) {
        EXPECT_EQ(m.strCaption, L"Error");
        EXPECT_EQ(m.nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    }
    EXPECT_EQ(seams.m_listMessages[0].strText, FolderNotUsableText(FOLDER_TOO_LONG, strLong));
    EXPECT_NE(seams.m_listMessages[0].strText.find(L"(303 文字)"), std::wstring::npos);
    EXPECT_NE(seams.m_listMessages[1].strText.find(L"ﾌｫﾙﾀﾞではない"), std::wstring::npos);
}

} // namespace
