// Choosing a source as a person does: the real folder picker, the scan, add-loads answered Yes and
// No, and the report of a scanned directory.
#include "Controls.h"
#include "Dialogs.h"
#include "SampleTree.h"
#include "Scenario.h"
#include "TreeView.h"

#include "res/resource.h"

#include <algorithm>

namespace {

class Source : public CPelnixScenario {
protected:
    // A source tree beside the program, made fresh for the scenario.
    std::wstring MakeSource(const std::wstring &strName)
    {
        std::wstring strRoot = *m_pFolder / strName;
        if (!::CreateDirectoryW(strRoot.c_str(), nullptr))
            throw CDriverError(L"cannot create " + strRoot);
        CreateSampleTree(strRoot);
        return strRoot;
    }
    void Scan(int nCommand, const std::wstring &strCaption, const std::wstring &strPath)
    {
        PressToolButton(Control(IDC_TOOLBAR), nCommand);
        ChooseFolder(m_app, strCaption, strPath);
    }
};

const wchar_t kSourceCaption[] = L"複写元ﾃﾞｨﾚｸﾄﾘの選択";
const wchar_t kAddLoadCaption[] = L"複写元(追加読込)ﾃﾞｨﾚｸﾄﾘの選択";

TEST_F(Source, ScansTheChosenFolderAndReportsOnADirectory)
{
    const std::wstring strSource = MakeSource(L"複写元");
    WriteSettings(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hTree = Control(IDC_DIRTREE), hBar = Control(IDC_TOOLBAR);

    Scan(ID_SELECT_SOURCE, kSourceCaption, strSource);
    WaitUntilIdle();
    EXPECT_EQ(GetTreeOutline(hTree), SampleTreeOutline());
    for (int nID : {ID_RUN_DIRS_ONLY, ID_RUN_WITH_FILES, ID_ADD_LOAD})
        EXPECT_TRUE(IsToolButtonEnabled(hBar, nID)) << nID;

    HTREEITEM hDir = FindTreeItem(hTree, {L"[ root ]", L"資料"});
    ASSERT_NE(hDir, nullptr);
    SelectTreeItem(hTree, hDir);
    EXPECT_TRUE(IsToolButtonEnabled(hBar, ID_DELETE_DIR));
    // 2 files of its own (26,849 bytes); 5 with those below (1,210,961 bytes).
    EXPECT_EQ(GetEditLines(Control(IDC_FILEINFO)),
              (std::vector<std::wstring>{L"----- << 資料 >> に含まれる複写対象ﾌｧｲﾙの情報 -----",
                                         L"ﾌｧｲﾙの複写元 : " + strSource + L"\\資料",
                                         L"      ﾌｧｲﾙ数 :      2 file(s) [         5 file(s) ]",
                                         L"合計ﾌｧｲﾙｻｲｽﾞ : 26,849 byte(s) [ 1,210,961 byte(s) ]"}));
    Shot(L"source-scanned");
    ExitConfirmed();
}

TEST_F(Source, AddLoadGoesBelowTheSelectedDirectoryOnYesAndBelowTheRootOnNo)
{
    const std::wstring strFirst = MakeSource(L"first"), strSecond = *m_pFolder / L"second";
    ASSERT_TRUE(::CreateDirectoryW(strSecond.c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW((strSecond + L"\\追加").c_str(), nullptr));
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hTree = Control(IDC_DIRTREE);
    Scan(ID_SELECT_SOURCE, kSourceCaption, strFirst);
    WaitUntilIdle();
    const std::vector<std::wstring> listScanned = GetTreeOutline(hTree);
    ASSERT_EQ(listScanned, SampleTreeOutline());

    const std::wstring strQuestion = L"現在選択されているﾃﾞｨﾚｸﾄﾘ( \"Documents\" )の下に追加読み込みします。\n"
                                     L"(「いいえ」を選択すると最上位( \"[ root ]\" )に追加されます)\nよろしいですか ?";
    SelectTreeItem(hTree, FindTreeItem(hTree, {L"[ root ]", L"Documents"}));
    Scan(ID_ADD_LOAD, kAddLoadCaption, strSecond);
    EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDYES), strQuestion);
    WaitUntilIdle();
    EXPECT_NE(FindTreeItem(hTree, {L"[ root ]", L"Documents", L"追加"}), nullptr);
    EXPECT_EQ(FindTreeItem(hTree, {L"[ root ]", L"追加"}), nullptr);

    SelectTreeItem(hTree, FindTreeItem(hTree, {L"[ root ]", L"Documents"}));
    Scan(ID_ADD_LOAD, kAddLoadCaption, strSecond);
    EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDNO), strQuestion);
    WaitUntilIdle();
    EXPECT_NE(FindTreeItem(hTree, {L"[ root ]", L"追加"}), nullptr);
    EXPECT_EQ(GetTreeOutline(hTree).size(), listScanned.size() + 2);
    Shot(L"source-add-load");
    ExitConfirmed();
}

} // namespace
