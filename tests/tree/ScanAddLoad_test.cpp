// Loading a further source below a node of a scanned tree (add-load): sub-directory nodes come
// again, files already there do not, and a node keeps its files from a single source directory.
#include "ScanHost.h"

namespace {

const UINT kWarningBox = MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL;

class ScanAddLoad : public ScanTest {
protected:
    // A: a.txt 5, b.txt 3, s1\x.txt 7, s1\in\y 2, s2 empty; scanned with files.
    void ScanSourceA()
    {
        Make(L"A\\a.txt", 5);
        Make(L"A\\b.txt", 3);
        Make(L"A\\s1\\x.txt", 7);
        Make(L"A\\s1\\in\\y", 2);
        Make(L"A\\s2\\");
        Tree().NotCopyFile = 0;
        Tree().FileSortOrder = FSO_ASCENDING | FSO_BY_NAME;
        ASSERT_EQ(Scan(m_src / L"A"), 7);
        m_seams.m_listBeeps.clear();
    }
};

TEST_F(ScanAddLoad, SameSourceBelowTheRootAddsTheDirectoriesAgainButNoFileTwice)
{
    ScanSourceA();
    // Another case of the same name is still the same file.
    ASSERT_TRUE(::MoveFileW((m_src / L"A\\a.txt").c_str(), (m_src / L"A\\A.TXT").c_str()));
    const size_t nRecords = Tree().GetItemDataList().size();

    EXPECT_EQ(Scan(m_src / L"A", nullptr, true), 7);
    EXPECT_TRUE(m_seams.m_listMessages.empty()); // no replacement question, no warning
    EXPECT_EQ(m_seams.m_listBeeps, std::vector<UINT>{MB_ICONINFORMATION});
    ExpectScanEnded();
    const HTREEITEM hRoot = Root();
    EXPECT_EQ(Children(hRoot), (Labels{L"s1", L"s1", L"s2", L"s2"}));
    EXPECT_EQ(Tree().GetItemDataList().size(), nRecords + 3);
    EXPECT_EQ(FileNames(Record(hRoot)), (Labels{L"a.txt", L"b.txt"}));
    EXPECT_EQ(Record(hRoot)->m_dwSize, 8u);
    for (int i = 0; i < 2; ++i) {
        const HTREEITEM hS1 = Child(hRoot, L"s1", i);
        ASSERT_NE(hS1, nullptr);
        EXPECT_EQ(FileNames(Record(hS1)), Labels{L"x.txt"});
        EXPECT_EQ(Children(hS1), Labels{L"in"});
    }
    ExpectTotalsAreSums();
    EXPECT_EQ(Tree().GetSelectedItem(), hRoot);
}

TEST_F(ScanAddLoad, BelowANodeTheNodeTakesTheFilesOfTheSourceItHolds)
{
    ScanSourceA();
    const HTREEITEM hS1 = Child(Root(), L"s1"), hS2 = Child(Root(), L"s2");

    // s2 holds no files: it takes those of A\s1 and their directory as its source.
    EXPECT_EQ(Scan(m_src / L"A\\s1", hS2, true), 3);
    EXPECT_EQ(Record(hS2)->m_strSourcePath, m_src / L"A\\s1");
    EXPECT_EQ(FileNames(Record(hS2)), Labels{L"x.txt"});
    EXPECT_EQ(Children(hS2), Labels{L"in"});

    // s1 holds the files of A\s1 already: its sub-directory comes again, its file does not.
    EXPECT_EQ(Scan(m_src / L"A\\s1", hS1, true), 3);
    EXPECT_EQ(FileNames(Record(hS1)), Labels{L"x.txt"});
    EXPECT_EQ(Children(hS1), (Labels{L"in", L"in"}));
    EXPECT_EQ(FileNames(Record(Child(hS1, L"in", 1))), Labels{L"y"});
    EXPECT_EQ(Record(hS1)->m_dwSize, 7u);

    EXPECT_TRUE(m_seams.m_listMessages.empty());
    EXPECT_EQ(m_seams.m_listBeeps, (std::vector<UINT>{MB_ICONINFORMATION, MB_ICONINFORMATION}));
    ExpectTotalsAreSums();
    ExpectScanEnded();
}

TEST_F(ScanAddLoad, FilesOfAnotherSourceAreRefusedOnceTheirDirectoriesStillCome)
{
    ScanSourceA();
    Make(L"B\\c.txt", 1);
    Make(L"B\\d.txt", 1);
    Make(L"B\\t1\\z.txt", 4);
    Make(L"B\\t2\\");
    m_seams.m_listMessageAnswers.push_back(IDOK);

    EXPECT_EQ(Scan(m_src / L"B", nullptr, true), 5); // 4 at the top, 1 in t1
    ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
    EXPECT_EQ(m_seams.m_listMessages[0].strText, L"追加場所に指定されたﾃﾞｨﾚｸﾄﾘ\n"
                                                 L"    Sub Dir Name : [ root ]\n"
                                                 L"には以前に検索された時に追加されたﾌｧｲﾙ情報がすでに存在する為、\n"
                                                 L"現在検索しているﾃﾞｨﾚｸﾄﾘ\n"
                                                 L"    Search Dir Name : " +
                                                     (m_src / L"B") +
                                                     L"\n"
                                                     L"の直下に存在するﾌｧｲﾙは(都合により)複写対象に追加されません。\n"
                                                     L"\n"
                                                     L"m(_ _)m あしからず m(_ _)m");
    EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"Warning");
    EXPECT_EQ(m_seams.m_listMessages[0].nType, kWarningBox);

    const HTREEITEM hRoot = Root();
    EXPECT_EQ(FileNames(Record(hRoot)), (Labels{L"a.txt", L"b.txt"}));
    EXPECT_EQ(Record(hRoot)->m_strSourcePath, m_src / L"A");
    EXPECT_EQ(Children(hRoot), (Labels{L"s1", L"s2", L"t1", L"t2"}));
    EXPECT_EQ(FileNames(Record(Child(hRoot, L"t1"))), Labels{L"z.txt"});
    EXPECT_EQ(m_seams.m_listBeeps, std::vector<UINT>{MB_ICONINFORMATION});
    ExpectTotalsAreSums();
    ExpectScanEnded();

    // Without files nothing is refused.
    Tree().NotCopyFile = 1;
    m_seams.m_listMessages.clear();
    EXPECT_EQ(Scan(m_src / L"B", nullptr, true), 2);
    EXPECT_TRUE(m_seams.m_listMessages.empty());
    EXPECT_EQ(Children(hRoot), (Labels{L"s1", L"s2", L"t1", L"t1", L"t2", L"t2"}));
}

} // namespace
