#include "framework/Seams.h"

#include "ScriptedSeams.h"

#include <gtest/gtest.h>

namespace {

TEST(Seams, MessageBoxIsAnsweredByTheScriptAndRecordedExactly)
{
    CScriptedSeams seams;
    seams.m_listMessageAnswers = {IDNO, IDOK};
    EXPECT_EQ(UiMessageBox(nullptr, L"※ ｴﾗｰﾛｸﾞﾌｧｲﾙを削除しますか ?\n\n   LogFile : C:\\x", L"確認",
                           MB_YESNO | MB_ICONQUESTION),
              IDNO);
    EXPECT_EQ(UiMessageBox(nullptr, L"Pelnixを終了します。", L"確認", MB_OKCANCEL | MB_ICONQUESTION), IDOK);
    ASSERT_EQ(seams.m_listMessages.size(), 2u);
    EXPECT_EQ(seams.m_listMessages[0].strText, L"※ ｴﾗｰﾛｸﾞﾌｧｲﾙを削除しますか ?\n\n   LogFile : C:\\x");
    EXPECT_EQ(seams.m_listMessages[0].strCaption, L"確認");
    EXPECT_EQ(seams.m_listMessages[0].nType, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(seams.m_listMessages[1].nType, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
}

TEST(Seams, BeepsKeysAndFoldersGoThroughTheScript)
{
    CScriptedSeams seams;
    UiMessageBeep(MB_OK);
    UiMessageBeep(MB_ICONASTERISK);
    EXPECT_EQ(seams.m_listBeeps, (std::vector<UINT>{MB_OK, MB_ICONASTERISK}));

    EXPECT_FALSE(UiIsKeyDown(VK_SHIFT));
    seams.m_mapKeysDown[VK_SHIFT] = true;
    EXPECT_TRUE(UiIsKeyDown(VK_SHIFT));
    EXPECT_FALSE(UiIsKeyDown(VK_RBUTTON));

    seams.m_listFolderAnswers = {{FOLDER_CHOSEN, L"C:\\dest"}, {FOLDER_CANCELLED, L""}};
    CFolderRequest req;
    req.strCaption = L"複写先ﾃﾞｨﾚｸﾄﾘの選択";
    req.strInitialPath = L"C:\\old";
    std::wstring path = L"C:\\old";
    EXPECT_EQ(UiBrowseForFolder(req, path), FOLDER_CHOSEN);
    EXPECT_EQ(path, L"C:\\dest");
    EXPECT_EQ(UiBrowseForFolder(req, path), FOLDER_CANCELLED);
    EXPECT_EQ(path, L"C:\\dest");
    ASSERT_EQ(seams.m_listFolders.size(), 2u);
    EXPECT_EQ(seams.m_listFolders[0].req.strCaption, L"複写先ﾃﾞｨﾚｸﾄﾘの選択");
}

TEST(Seams, RemovingTheScriptRestoresThePlatform)
{
    CUiSeams *pBefore = &UiSeams();
    {
        CScriptedSeams outer;
        {
            CScriptedSeams inner;
            EXPECT_EQ(&UiSeams(), &inner);
        }
        EXPECT_EQ(&UiSeams(), &outer);
    }
    EXPECT_EQ(&UiSeams(), pBefore);
}

TEST(Seams, PlatformFolderPickerIsNotShownWithoutAnOwner)
{
    CFolderRequest req; // no owner
    std::wstring path = L"unchanged";
    EXPECT_EQ(UiBrowseForFolder(req, path), FOLDER_NOT_SHOWN);
    EXPECT_EQ(path, L"unchanged");
}

} // namespace
