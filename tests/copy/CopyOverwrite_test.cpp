// The overwrite policies on destinations older, newer and of the same second as their sources,
// and the question of the asking policy, answered from the worker thread.
#include "RunHost.h"

namespace {

using namespace runtest;

const FILETIME T1 = LocalFileTime(2020, 1, 1, 10, 0, 0);
const FILETIME T2 = LocalFileTime(2020, 1, 2, 10, 0, 0);

FILETIME HalfSecondAfter(const FILETIME &ft)
{
    const uint64_t n = U64(ft) + 5000000;
    return FILETIME{static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)};
}

// e: the destination is of the same second; n: the source is newer; o: the source is older.
class CopyOverwrite : public CRunTest {
protected:
    void SetUp() override
    {
        CRunTest::SetUp();
        for (const wchar_t *pszName : {L"e.txt", L"n.txt", L"o.txt"})
            ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"src\\") + pszName, "source " + Narrow(pszName)));
        ASSERT_TRUE(SetLastWrite(Src(L"e.txt"), T1));
        ASSERT_TRUE(SetLastWrite(Src(L"n.txt"), T2));
        ASSERT_TRUE(SetLastWrite(Src(L"o.txt"), T1));
        ASSERT_TRUE(m_dir.WriteFile(L"src\\z.txt", "only at the source"));
        LoadTree();
    }

    static std::string Narrow(const std::wstring &str) { return std::string(str.begin(), str.end()); }

    void MakeDestinations()
    {
        RemoveTree(m_strDst);
        for (const wchar_t *pszName : {L"e.txt", L"n.txt", L"o.txt"})
            ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"dst\\") + pszName, "dest " + Narrow(pszName)));
        ASSERT_TRUE(SetLastWrite(Dst(L"e.txt"), HalfSecondAfter(T1)));
        ASSERT_TRUE(SetLastWrite(Dst(L"n.txt"), T1));
        ASSERT_TRUE(SetLastWrite(Dst(L"o.txt"), T2));
        for (const auto &pFile : Dir(L"")->m_listFiles)
            pFile->SetProcessed(false);
        Dir(L"")->SetCopied(false);
        m_seams.m_listMessages.clear();
    }

    // Which of e, n, o now hold the source's bytes.
    std::string Replaced() const
    {
        std::string str;
        for (const char *pszName : {"e", "n", "o"}) {
            const std::wstring strName = std::wstring(pszName, pszName + 1) + L".txt";
            if (FileBytes(Dst(strName)) == "source " + std::string(pszName) + ".txt")
                str += pszName;
            else
                EXPECT_EQ(FileBytes(Dst(strName)), "dest " + std::string(pszName) + ".txt");
        }
        return str;
    }
};

TEST_F(CopyOverwrite, EachPolicyReplacesWhatItSays)
{
    const std::wstring strKept2 = L"全て正常に処理できました。\n\n※ 複写先の既存ﾌｧｲﾙの方が新しかった為、\n"
                                  L"   複写されなかったﾌｧｲﾙが\n   << 2 件 >> あります。";
    const std::wstring strExist3 = L"全て正常に処理できました。\n\n※ 処理したﾌｧｲﾙ << 4 >> 件中、\n"
                                   L"   複写先に同名ﾌｧｲﾙが存在していた為、\n   複写せずに属性設定のみ行ったﾌｧｲﾙが\n"
                                   L"   << 3 件 >> あります。";
    struct {
        int nMode;
        int bProtect;
        const char *pszReplaced;
        int nSkipped, nProcessed;
        std::wstring strSummary;
        const wchar_t *pszLogged;
    } cases[] = {
        {FOW_ALWAYS, 1, "eno", 0, 4, L"全て正常に処理できました。", nullptr},
        {FOW_IF_NEWER, 1, "n", 2, 2, strKept2, L"[CopyFile:Skipped(Up to Date)] "},
        {FOW_NEVER, 0, "", 3, 4, strExist3, L"[CopyFile:Skipped(Already Exist)] "},
    };
    for (const auto &c : cases) {
        MakeDestinations();
        m_tree.FileOverWriteMode = c.nMode;
        m_tree.ProtectAttrOfExist = c.bProtect;
        Run();
        EXPECT_EQ(Replaced(), c.pszReplaced) << c.nMode;
        EXPECT_EQ(m_result.m_nSkipped, c.nSkipped) << c.nMode;
        EXPECT_EQ(m_result.m_nProcessed, c.nProcessed) << c.nMode;
        EXPECT_EQ(m_seams.Only(L"Result ...").strText, c.strSummary) << c.nMode;
        EXPECT_EQ(FileBytes(Dst(L"z.txt")), "only at the source");
        // Kept files count as handled: every entry and the directory are marked.
        for (const auto &pFile : Dir(L"")->m_listFiles)
            EXPECT_TRUE(pFile->IsProcessed()) << c.nMode;
        EXPECT_TRUE(Dir(L"")->IsCopied()) << c.nMode;
        if (c.pszLogged) {
            EXPECT_EQ(Count(LogText(), c.pszLogged), static_cast<size_t>(c.nSkipped)) << c.nMode;
        }
    }
    // Without protection the kept destinations took the source's time (and kept their bytes).
    EXPECT_EQ(TreeState(m_strDst).at(L"o.txt").nLastWrite, U64(T1));
    EXPECT_EQ(TreeState(m_strDst).at(L"n.txt").nLastWrite, U64(T2));
}

TEST_F(CopyOverwrite, AskingPolicyFollowsYesNoAndCancel)
{
    MakeDestinations();
    m_tree.FileOverWriteMode = FOW_ASK;
    m_seams.m_listOverwriteAnswers = {IDYES, IDNO, IDCANCEL};
    Run();

    EXPECT_EQ(m_seams.Captions(), (std::vector<std::wstring>{L"上書き確認", L"上書き確認", L"上書き確認", L"Result ...",
                                                             L"Attention ..."}));
    const CAskedMessage &first = m_seams.m_listMessages[0];
    EXPECT_EQ(first.strText, L"複写先にすでに同名のﾌｧｲﾙが存在します。\n\n    複写元 : " + Src(L"e.txt") +
                                 L" [2020/01/01 10:00:00] [12]\n    複写先 : " + Dst(L"e.txt") +
                                 L" [2020/01/01 10:00:00] [10]\n\n上書きしますか ?\n\n"
                                 L"( [はい]:上書き   [いいえ]:ｽｷｯﾌﾟ   [ｷｬﾝｾﾙ]:中止 )");
    EXPECT_EQ(first.nType, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    ASSERT_EQ(m_seams.m_listAskingThreads.size(), 3u);
    EXPECT_NE(m_seams.m_listAskingThreads[0], ::GetCurrentThreadId()); // asked by the worker

    EXPECT_EQ(Replaced(), "e");
    EXPECT_FALSE(PathExists(Dst(L"z.txt"))); // nothing after the Cancel
    EXPECT_TRUE(File(L"", L"e.txt")->IsProcessed());
    EXPECT_TRUE(File(L"", L"n.txt")->IsProcessed());
    EXPECT_FALSE(File(L"", L"o.txt")->IsProcessed());
    EXPECT_FALSE(Dir(L"")->IsCopied());
    EXPECT_EQ(m_result.m_nSkipped, 0); // declined files are not counted as kept
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"処理は中断されました。");
    EXPECT_EQ(m_seams.Only(L"Result ...").nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));

    const std::wstring strLog = LogText();
    EXPECT_NE(strLog.find(L"[CopyFile:Skipped(By User)] " + Src(L"n.txt") + L" -> " + Dst(L"n.txt") + L"\r\n"),
              std::wstring::npos)
        << strLog.c_str();
    EXPECT_NE(strLog.find(L"[CopyFile:Canceled By User] " + Src(L"o.txt") + L" -> " + Dst(L"o.txt") +
                          L"\r\n[CopyFile:Canceled By User] ※※※ 処理を中止しました ※※※\r\n"),
              std::wstring::npos)
        << strLog.c_str();
}

// Times far from today: the whole seconds of the stored times decide, and the question shows
// them as they are, outside the range of a 32-bit count of seconds too.
class CopyOverwriteFarTimes : public CRunTest {};

TEST_F(CopyOverwriteFarTimes, OnlyWhenNewerAndTheQuestionUseTheStoredTimes)
{
    const FILETIME t2040 = LocalFileTime(2040, 5, 1, 12, 0, 0), t2045 = LocalFileTime(2045, 5, 1, 12, 0, 0);
    const FILETIME t1960 = LocalFileTime(1960, 5, 1, 12, 0, 0), t1965 = LocalFileTime(1965, 5, 1, 12, 0, 0);
    const struct {
        const wchar_t *pszName;
        FILETIME ftSrc, ftDst;
        bool bReplaced;
    } cases[] = {
        {L"a.txt", t2045, t2040, true},
        {L"b.txt", t2040, t2045, false},
        {L"c.txt", t1965, t1960, true},
        {L"d.txt", t1960, t1965, false},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"src\\") + c.pszName, "source"));
        ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"dst\\") + c.pszName, "dest"));
        ASSERT_TRUE(SetLastWrite(Src(c.pszName), c.ftSrc));
        ASSERT_TRUE(SetLastWrite(Dst(c.pszName), c.ftDst));
    }
    LoadTree();
    m_tree.ProtectAttrOfExist = 1; // kept destinations keep their times

    // Asked first, answered No: nothing changes, and each question shows both times as stored.
    m_tree.FileOverWriteMode = FOW_ASK;
    m_seams.m_listOverwriteAnswers = {IDNO, IDNO, IDNO, IDNO};
    Run();
    const std::wstring strQuestions = [&] {
        std::wstring str;
        for (const auto &msg : m_seams.m_listMessages)
            str += msg.strText;
        return str;
    }();
    for (const wchar_t *pszShown : {L" [2045/05/01 12:00:00] [6]\n    複写先 : ", L" [2040/05/01 12:00:00] [4]\n",
                                    L" [1960/05/01 12:00:00] [6]\n    複写先 : ", L" [1965/05/01 12:00:00] [4]\n"})
        EXPECT_EQ(Count(strQuestions, pszShown), 1u) << Count(strQuestions, L"上書き");

    for (auto &pFile : Dir(L"")->m_listFiles)
        pFile->SetProcessed(false);
    m_seams.m_listMessages.clear();
    m_tree.FileOverWriteMode = FOW_IF_NEWER;
    Run();
    for (const auto &c : cases) {
        EXPECT_EQ(FileBytes(Dst(c.pszName)), c.bReplaced ? "source" : "dest") << c.pszName;
        EXPECT_EQ(TreeState(m_strDst).at(c.pszName).nLastWrite, U64(c.bReplaced ? c.ftSrc : c.ftDst)) << c.pszName;
    }
    EXPECT_EQ(m_result.m_nSkipped, 2);
    EXPECT_EQ(Count(LogText(), L"[CopyFile:Skipped(Up to Date)] "), 2u);
}

} // namespace
