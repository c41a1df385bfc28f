// The scan on sources that hold links, loops, directories that cannot be listed and names one
// destination cannot tell apart.
#include "support/FileApiPath.h"
#include "support/SystemError.h"
#include "tree/ScanFindings.h"

#include "FileHelpers.h"
#include "ScanHost.h"

namespace {

const UINT kWarningBox = MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL;

TEST(ScanFindings, LinksAndDirectoriesOnTheWayDownAreNotFollowed)
{
    const CDirIdentity src{0x43, 100}, sub{0x43, 101}, other{0x44, 100}, below{0x43, 102};
    const std::vector<CDirIdentity> way{src, sub};
    const DWORD dir = FILE_ATTRIBUTE_DIRECTORY, link = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    const struct {
        DWORD attributes;
        const CDirIdentity *identity;
        bool notFollowed;
    } cases[] = {
        {dir, nullptr, false}, // nothing known against it
        {dir, &other, false},  // same index on another volume
        {dir, &src, true},     // the source itself again
        {dir, &sub, true},     // a directory on the way down
        {link, nullptr, true}, // a junction or directory link, wherever it leads
        {link, &other, true},  {dir | FILE_ATTRIBUTE_HIDDEN, &below, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsNotFollowed(c.attributes, c.identity, way), c.notFollowed)
            << std::hex << c.attributes << " " << (c.identity ? c.identity->nIndex : 0);
}

std::wstring Text(DWORD dwError)
{
    return L"<" + std::to_wstring(dwError) + L">";
}

TEST(ScanFindings, OneMessageWithCountsAndTheFirstFewPaths)
{
    CScanFindings f;
    EXPECT_EQ(FormatScanFindings(f, Text), L"");
    for (int i = 1; i <= 7; ++i)
        f.listNotFollowed.push_back(L"C:\\s\\l" + std::to_wstring(i));
    f.listUnreadable.push_back({L"C:\\s\\u", 5});
    f.listNameTwins.push_back(L"C:\\s\\index.html");
    EXPECT_EQ(FormatScanFindings(f, Text),
              L"読み込めなかった為、ﾌｧｲﾙが複写対象に追加されなかったﾃﾞｨﾚｸﾄﾘが 1 件 あります。\n"
              L"    C:\\s\\u\n        (<5>)\n\n"
              L"ﾘﾝｸ(又は上位と同じﾃﾞｨﾚｸﾄﾘ)の為、中を検索しなかったﾃﾞｨﾚｸﾄﾘが 7 件 あります。\n"
              L"    C:\\s\\l1\n    C:\\s\\l2\n    C:\\s\\l3\n    C:\\s\\l4\n    C:\\s\\l5\n    ...\n\n"
              L"複写先では同じ名前になる(大文字/小文字等だけが異なる)ﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙが 1 件 あります。\n"
              L"後のﾌｧｲﾙは複写されません。\n    C:\\s\\index.html");
}

class ScanSafety : public ScanTest {
protected:
    void SetUp() override
    {
        ScanTest::SetUp();
        Tree().NotCopyFile = 0;
    }
    // Names below the source as Linux sees them; Wine's own lookup would find an existing twin.
    std::string Linux(const std::wstring &strRel)
    {
        std::string str = "'" + LinuxPath(m_src.Path()) + "/";
        for (wchar_t c : strRel)
            str += c == L'\\' ? '/' : static_cast<char>(c);
        return str + "'";
    }
    size_t NodeCount() { return Tree().GetItemDataList().size(); }
    // The one warning the scan ended with.
    std::wstring Warning()
    {
        EXPECT_EQ(m_seams.m_listMessages.size(), 1u);
        if (m_seams.m_listMessages.empty())
            return std::wstring();
        EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"Warning");
        EXPECT_EQ(m_seams.m_listMessages[0].nType, kWarningBox);
        return m_seams.m_listMessages[0].strText;
    }
};

// Wine lists a Linux directory link as the directory it leads to; one that leads back up would
// repeat the source until the system's link limit. A dangling link is no entry at all.
TEST_F(ScanSafety, ADirectoryLinkIsANodeOfItsOwnNeverDescendedInto)
{
    Make(L"a\\f.txt", 3);
    Make(L"b\\g.txt", 4);
    ASSERT_TRUE(RunLinuxShell("ln -s .. " + Linux(L"a\\loop") + " && ln -s /nonexistent-plx " + Linux(L"dangling") +
                              " && ln -s ../b " + Linux(L"a\\tob")));
    m_seams.m_listMessageAnswers.push_back(IDOK);
    const int nListed = Scan(m_src.Path());
    RunLinuxShell("rm -f " + Linux(L"a\\loop") + " " + Linux(L"dangling") + " " + Linux(L"a\\tob"));

    EXPECT_EQ(Children(Root()), (Labels{L"a", L"b"}));
    const HTREEITEM hA = Child(Root(), L"a");
    ASSERT_NE(hA, nullptr);
    EXPECT_EQ(Children(hA), (Labels{L"loop", L"tob"}));
    EXPECT_EQ(FileNames(Record(hA)), Labels{L"f.txt"});
    for (const wchar_t *name : {L"loop", L"tob"}) {
        const HTREEITEM h = Child(hA, name);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(Tree().GetChildItem(h), nullptr);
        EXPECT_TRUE(Record(h)->m_listFiles.empty());
        EXPECT_TRUE(Record(h)->m_dwKindFlags & ITEM_FLAG_NOT_FOLLOWED);
    }
    EXPECT_FALSE(Record(hA)->m_dwKindFlags & (ITEM_FLAG_NOT_FOLLOWED | ITEM_FLAG_UNREADABLE));
    EXPECT_EQ(NodeCount(), 5u); // root, a, loop, tob, b
    EXPECT_EQ(nListed, 6);      // a, b, f.txt, loop, tob, g.txt
    EXPECT_EQ(Warning(), L"ﾘﾝｸ(又は上位と同じﾃﾞｨﾚｸﾄﾘ)の為、中を検索しなかったﾃﾞｨﾚｸﾄﾘが 2 件 あります。\n    " +
                             (m_src / L"a\\loop") + L"\n    " + (m_src / L"a\\tob"));
    ExpectScanEnded();
}

// A name whose full Linux path is longer than the system takes: its parent lists it, it cannot be
// listed itself. Made short enough, then pushed over by renaming its top directory.
class CTooDeep {
public:
    explicit CTooDeep(const CTempDir &dir) : m_dir(dir) {}
    ~CTooDeep()
    {
        if (!m_strLong.empty()) // short again, so that the tree can be removed
            ::MoveFileW(FileApiPath(m_dir / m_strLong).c_str(), FileApiPath(m_dir / L"t").c_str());
    }
    // The relative path of the directory that cannot be listed, below "t" renamed; empty on failure.
    std::wstring Make()
    {
        const std::wstring strName(85, L'\x3042'); // 255 bytes in UTF-8, the most a Linux name holds
        std::wstring strRel = L"t";
        if (!m_dir.MakeDir(strRel))
            return std::wstring();
        while (m_dir.MakeDir(strRel + L"\\" + strName))
            strRel += L"\\" + strName;
        const size_t nBytes = LinuxPath(m_dir / strRel).size(); // over the limit by one more level
        if (nBytes >= 4096 || nBytes + 256 < 4096)
            return std::wstring();
        m_strLong = L"t" + std::wstring((4096 - nBytes + 2) / 3, L'\x3044');
        if (!::MoveFileW(FileApiPath(m_dir / L"t").c_str(), FileApiPath(m_dir / m_strLong).c_str())) {
            m_strLong.clear();
            return std::wstring();
        }
        return m_strLong + strRel.substr(1);
    }

private:
    const CTempDir &m_dir;
    std::wstring m_strLong;
};

TEST_F(ScanSafety, ADirectoryThatCannotBeListedIsNamedAndMarked)
{
    Make(L"ok.txt", 1);
    CTooDeep deep(m_src);
    const std::wstring strRel = deep.Make();
    ASSERT_FALSE(strRel.empty());
    m_seams.m_listMessageAnswers.push_back(IDOK);
    Scan(m_src.Path());

    // Its node is there, without files, marked; the one warning names it with the system's text.
    HTREEITEM h = Root();
    for (size_t pos = 0; h && pos < strRel.size();) {
        size_t end = std::min(strRel.find(L'\\', pos), strRel.size());
        h = Child(h, strRel.substr(pos, end - pos));
        pos = end + 1;
    }
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(Record(h)->m_dwKindFlags & ITEM_FLAG_UNREADABLE);
    EXPECT_FALSE(Record(Tree().GetParentItem(h))->m_dwKindFlags & ITEM_FLAG_UNREADABLE);
    const std::wstring strHead =
        L"読み込めなかった為、ﾌｧｲﾙが複写対象に追加されなかったﾃﾞｨﾚｸﾄﾘが 1 件 あります。\n    " + (m_src / strRel) +
        L"\n        (";
    const std::wstring strText = Warning();
    EXPECT_EQ(strText.substr(0, strHead.size()), strHead);
    EXPECT_EQ(strText.back(), L')');
    EXPECT_EQ(FileNames(Record(Root())), Labels{L"ok.txt"});
    ExpectScanEnded();
}

TEST_F(ScanSafety, NamesDifferingOnlyInCaseAreAllKeptAndNamedOnce)
{
    Make(L"Doc\\a.txt", 1);
    ASSERT_TRUE(RunLinuxShell("mkdir " + Linux(L"doc") + " && printf AA > " + Linux(L"doc") + "/a.txt && printf I > " +
                              Linux(L"Index.html") + " && printf ii > " + Linux(L"index.html")));
    m_seams.m_listMessageAnswers.push_back(IDOK);
    Scan(m_src.Path());

    EXPECT_EQ(NodeCount(), 3u);
    ASSERT_NE(Child(Root(), L"Doc"), nullptr);
    ASSERT_NE(Child(Root(), L"doc"), nullptr);
    EXPECT_EQ(FileNames(Record(Child(Root(), L"doc"))), Labels{L"a.txt"});
    Labels files = FileNames(Record(Root()));
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (Labels{L"Index.html", L"index.html"}));
    // The later of each pair in the listing's order, whichever that is.
    const std::wstring strText = Warning();
    EXPECT_EQ(strText.find(L"複写先では同じ名前になる(大文字/小文字等だけが異なる)ﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙが 2 件 あります。\n"
                           L"後のﾌｧｲﾙは複写されません。\n    "),
              0u);
    std::vector<std::wstring> listNamed;
    for (size_t pos = strText.find(L"\n    "); pos != std::wstring::npos; pos = strText.find(L"\n    ", pos + 1))
        listNamed.push_back(strText.substr(pos + 5, strText.find(L'\n', pos + 1) - pos - 5));
    ASSERT_EQ(listNamed.size(), 2u);
    for (const auto &pair : {std::make_pair(L"Doc", L"doc"), std::make_pair(L"Index.html", L"index.html")})
        EXPECT_EQ(std::count(listNamed.begin(), listNamed.end(), m_src / pair.first) +
                      std::count(listNamed.begin(), listNamed.end(), m_src / pair.second),
                  1)
            << pair.first;
    EXPECT_EQ(strText.find(L"読み込めなかった"), std::wstring::npos);
    ExpectScanEnded();
}

} // namespace
