#include "tree/JobFile.h"
#include "tree/JobTree.h"

#include "FileHelpers.h"
#include "JobRecords.h"
#include "ScanHost.h"

#include <nlohmann/json.hpp>

#include <random>

namespace {

using json = nlohmann::json;

FILETIME Ft(uint64_t n)
{
    return FILETIME{static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)};
}

std::unique_ptr<CItemInfo> Record(DWORD dwKind, const std::wstring &strName)
{
    auto p = std::make_unique<CItemInfo>(dwKind);
    p->m_strName = strName;
    return p;
}

// Every field in use, with values a 32-bit or a text-only path would lose.
CJob HandMadeJob()
{
    CJob job;
    job.root.pRecord = Record(ITEM_KIND_ROOT, ROOT_ITEM_NAME);
    job.root.pRecord->m_strSourcePath = L"C:\\src";
    auto pBig = Record(ITEM_KIND_FILE, L"大きい.bin");
    pBig->m_dwSize = (5ull << 30) + 7;
    pBig->m_dwAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY;
    pBig->m_nTimeMode = TIME_MODE_SOURCE;
    pBig->m_ftSource = Ft(134091234561234567ull);
    pBig->m_dwKindFlags |= ITEM_FLAGS_PROCESSED;
    job.root.pRecord->AppendFile(std::move(pBig));

    CJobNode dir;
    dir.pRecord = Record(ITEM_KIND_DIR | ITEM_FLAG_COPIED, L"2026年度");
    dir.pRecord->m_strSourcePath = L"\\\\server\\share\\年度";
    dir.pRecord->m_nTimeMode = TIME_MODE_SPECIFIED;
    dir.pRecord->m_ftSpecified = Ft(134000000000000000ull);
    dir.pRecord->m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN;
    auto pAttrSet = Record(ITEM_KIND_FILE | ITEM_FLAG_ATTRSET, L"ﾃﾞｰﾀ \"x\".txt");
    pAttrSet->m_dwSize = 0;
    pAttrSet->m_ftSource = Ft(1); // the first tick after 1601
    dir.pRecord->AppendFile(std::move(pAttrSet));
    CJobNode inner;
    inner.pRecord = Record(ITEM_KIND_DIR | ITEM_FLAG_NOT_FOLLOWED | ITEM_FLAG_UNREADABLE, L"trailing.");
    dir.listChildren.push_back(std::move(inner));
    job.root.listChildren.push_back(std::move(dir));
    CJobNode made;
    made.pRecord = Record(ITEM_KIND_DIR, L"新規 SubDir");
    job.root.listChildren.push_back(std::move(made));

    job.options = {0, FOW_NEVER, 0, 1, 1, L"D:\\logs"};
    job.strDestination = L"E:\\複写先";
    return job;
}

void ExpectSameJob(const CJob &a, const CJob &b)
{
    EXPECT_EQ(JobRecords(a), JobRecords(b));
    EXPECT_EQ(a.strDestination, b.strDestination);
    EXPECT_EQ(a.options.NotCopyFile, b.options.NotCopyFile);
    EXPECT_EQ(a.options.FileOverWriteMode, b.options.FileOverWriteMode);
    EXPECT_EQ(a.options.ProtectAttrOfExist, b.options.ProtectAttrOfExist);
    EXPECT_EQ(a.options.BreakOnDiskFull, b.options.BreakOnDiskFull);
    EXPECT_EQ(a.options.UseErrorLog, b.options.UseErrorLog);
    EXPECT_EQ(a.options.ErrorLogFilePath, b.options.ErrorLogFilePath);
}

TEST(JobFile, EveryFieldComesBack)
{
    const CJob job = HandMadeJob();
    const std::string strText = FormatJobText(job);
    CJob back;
    std::wstring strError;
    ASSERT_TRUE(ParseJobText(strText, back, strError)) << std::string(strError.begin(), strError.end());
    ExpectSameJob(job, back);
    EXPECT_EQ(back.root.pRecord->m_dwSize, (5ull << 30) + 7); // a directory's total is the sum again
    EXPECT_EQ(FormatJobText(back), strText);
    // Sizes are numbers, times carry their offset.
    EXPECT_NE(strText.find("\"size\":5368709127"), std::string::npos);
    EXPECT_NE(strText.find("+09:00\""), std::string::npos);
}

// The text of the hand-made job with one piece replaced.
std::string Edited(const std::string &strFrom, const std::string &strTo)
{
    std::string strText = FormatJobText(HandMadeJob());
    const size_t nPos = strText.find(strFrom);
    EXPECT_NE(nPos, std::string::npos) << strFrom;
    if (nPos != std::string::npos)
        strText.replace(nPos, strFrom.size(), strTo);
    return strText;
}

TEST(JobFile, RefusalsSayWhatAndWhereAndChangeNothing)
{
    const struct {
        std::string strText;
        const wchar_t *pszWhat;
        const wchar_t *pszWhere;
    } cases[] = {
        {Edited("\"version\":1", "\"version\":2"), L"version 2", L"ﾌｧｲﾙ全体"},
        {Edited("\"format\":\"Pelnix job\"", "\"format\":\"other\""), L"format", L"ﾌｧｲﾙ全体"},
        {Edited("\"size\":0", "\"size\":\"0\""), L"\"size\"", L"[ root ]\\2026年度 のﾌｧｲﾙ 1 番目"},
        {Edited("\"size\":0", "\"size\":-1"), L"\"size\"", L"2026年度 のﾌｧｲﾙ 1"},
        {Edited("\"name\":\"trailing.\"", "\"name\":\"..\""), L"\"..\"", L"[ root ]\\2026年度"},
        {Edited("\"name\":\"trailing.\"", "\"name\":\"C:\\\\x\""), L"C:\\x", L"[ root ]\\2026年度"},
        {Edited("\"name\":\"trailing.\"", "\"name\":\"a\\\\b\""), L"a\\b", L"[ root ]\\2026年度"},
        {Edited("\"mode\":2", "\"mode\":3"), L"\"mode\"", L"[ root ]\\2026年度"},
        {Edited("\"NotCopyFile\":0", "\"NotCopyFile\":true"), L"\"NotCopyFile\"", L"\"options\""},
        {Edited("\"FileOverWriteMode\":3", "\"FileOverWriteMode\":4"), L"\"FileOverWriteMode\"", L"\"options\""},
        {Edited("\"root\":{", "\"root\":{\"attr\":\"x\","), L"\"attr\"", L"[ root ]"},
        {Edited("+09:00", "+09:99"), L"\"at\"", L"[ root ]\\2026年度"},
        {Edited("\"dirs\":[", "\"dirs\":[["), L"ﾊﾞｲﾄ目", L""},
        {FormatJobText(HandMadeJob()).substr(0, 100), L"途中で切れて", L""},
        {std::string(2000, '[') + std::string(2000, ']'), L"深すぎ", L""},
    };
    for (const auto &c : cases) {
        CJob job = HandMadeJob();
        std::wstring strError;
        EXPECT_FALSE(ParseJobText(c.strText, job, strError)) << c.strText;
        EXPECT_NE(strError.find(c.pszWhat), std::wstring::npos) << std::string(strError.begin(), strError.end());
        EXPECT_NE(strError.find(c.pszWhere), std::wstring::npos) << std::string(strError.begin(), strError.end());
        ExpectSameJob(job, HandMadeJob());
    }
}

TEST(JobFile, FilesAreReplacedWholeAndKeptWithinTheirLimit)
{
    CTempDir dir;
    const std::wstring strPath = dir / L"job.plxjob";
    std::wstring strError;
    ASSERT_TRUE(WriteJobFile(strPath, HandMadeJob(), strError));
    CJob job;
    // Over the limit: refused before anything is parsed.
    EXPECT_FALSE(ReadJobFile(strPath, job, strError, 100));
    EXPECT_NE(strError.find(L"大きすぎ"), std::wstring::npos);
    EXPECT_EQ(job.root.pRecord, nullptr);
    ASSERT_TRUE(ReadJobFile(strPath, job, strError));
    ExpectSameJob(job, HandMadeJob());
    // Written again: nothing but the file is left beside it.
    ASSERT_TRUE(WriteJobFile(strPath, job, strError));
    EXPECT_EQ(ListDir(dir.Path()).size(), 1u);
    EXPECT_FALSE(ReadJobFile(dir / L"missing.plxjob", job, strError));
    EXPECT_NE(strError.find(L"開けません"), std::wstring::npos);
}

// A job of a real scanned tree, damaged in every way a disk, a transfer or a person can damage it.
class JobCorpus : public ScanTest {
protected:
    std::mt19937 m_rng{20261208};
    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(m_rng); }

    // Every directory and file object of the document, with its directory depth.
    static void CollectEntries(json &node, int nDepth, std::vector<std::pair<json *, int>> &list)
    {
        list.push_back({&node, nDepth});
        if (auto it = node.find("files"); it != node.end())
            for (json &file : *it)
                list.push_back({&file, -1});
        if (auto it = node.find("dirs"); it != node.end())
            for (json &dir : *it)
                CollectEntries(dir, nDepth + 1, list);
    }

    std::string Damage(const std::string &strText, int nKind)
    {
        if (nKind == 0) // cut anywhere before the closing brace
            return strText.substr(0, Pick(strText.size() - 2));
        if (nKind == 1) { // a byte that UTF-8 never holds
            std::string str = strText;
            const char bad[] = {'\xFF', '\xFE', '\xC0', '\xC1', '\xF8'};
            str[Pick(str.size())] = bad[Pick(sizeof bad)];
            return str;
        }
        json doc = json::parse(strText, nullptr, false);
        std::vector<std::pair<json *, int>> entries;
        CollectEntries(doc["root"], 0, entries);
        auto [pEntry, nDepth] = entries[1 + Pick(entries.size() - 1)]; // never the root: it has no name
        json &entry = *pEntry;
        switch (nKind) {
        case 2: { // a field of the wrong type or out of its range
            const char *keys[] = {"name", "size", "attr", "mode", "marks", "time", "path", "files", "dirs"};
            const char *pszKey = keys[Pick(std::size(keys))];
            if (nDepth < 0 && (std::string(pszKey) == "files" || std::string(pszKey) == "dirs"))
                pszKey = "size";
            if (nDepth >= 0 && std::string(pszKey) == "size")
                pszKey = "attr";
            const std::string strKey = pszKey;
            const json wrongText[] = {json(12), json(nullptr), json::array(), json::object(), json(true)};
            const json wrongNumber[] = {json("12"), json(-1), json(1.5), json(nullptr), json::array(), json(false)};
            if (strKey == "name" || strKey == "path")
                entry[strKey] = wrongText[Pick(std::size(wrongText))];
            else if (strKey == "time")
                entry[strKey] = Pick(2) ? json(20261208) : json("2026-02-30T00:00:00+09:00");
            else if (strKey == "files" || strKey == "dirs")
                entry[strKey] = Pick(2) ? json("x") : json::array({json(1)});
            else if (strKey == "attr")
                entry[strKey] = Pick(2) ? json(0x100000000ull) : wrongNumber[Pick(std::size(wrongNumber))];
            else if (strKey == "mode")
                entry[strKey] = Pick(2) ? json(3) : wrongNumber[Pick(std::size(wrongNumber))];
            else if (strKey == "marks")
                entry[strKey] = Pick(2) ? json(16) : wrongNumber[Pick(std::size(wrongNumber))];
            else
                entry[strKey] = wrongNumber[Pick(std::size(wrongNumber))];
            break;
        }
        case 3: // a huge text: past a name's length, or past any path's
            if (Pick(2))
                entry["name"] = std::string(256 + Pick(70000), 'n');
            else
                entry["path"] = "C:\\" + std::string(JOB_MAX_TEXT_CHARS + Pick(70000), 'p');
            break;
        case 4: // nested beyond reason: raw arrays, or directories below directories
            if (Pick(2)) {
                const size_t nDeep = 900 + Pick(3000);
                std::string strBomb = std::string(nDeep, '[') + std::string(nDeep, ']');
                entry["extra"] = "BOMB";
                std::string str = doc.dump();
                str.replace(str.find("\"BOMB\""), 6, strBomb);
                return str;
            } else {
                json chain = json::object();
                chain["name"] = "d";
                for (int i = 0; i < JOB_MAX_DIR_DEPTH + static_cast<int>(Pick(40)); ++i) {
                    json outer = json::object();
                    outer["name"] = "d";
                    outer["dirs"] = json::array();
                    outer["dirs"].push_back(std::move(chain));
                    chain = std::move(outer);
                }
                json &dir = nDepth >= 0 ? entry : doc["root"];
                dir["dirs"].push_back(chain);
            }
            break;
        case 5: { // names that leave their directory or are no name at all
            const char *names[] = {"..", ".",  "a\\b", "a/b",    "C:\\Windows", "\\\\server\\share", "C:x",
                                   "",   "\\", "/etc", "x\x01y", "a:stream",    "..\\..\\x",         "a\tb"};
            entry["name"] = names[Pick(std::size(names))];
            break;
        }
        case 6: { // what the document is and which version
            const json versions[] = {json(2), json(JOB_FORMAT_VERSION + 1000), json("1"), json(0), json(-1), json(1.0)};
            if (Pick(4) == 0)
                doc["format"] = Pick(2) ? json("Pelnix jobs") : json(1);
            else
                doc["version"] = versions[Pick(std::size(versions))];
            break;
        }
        default: { // options out of their range
            const char *keys[] = {"NotCopyFile",     "FileOverWriteMode", "ProtectAttrOfExist",
                                  "BreakOnDiskFull", "UseErrorLog",       "ErrorLogFilePath"};
            const std::string strKey = keys[Pick(std::size(keys))];
            doc["options"][strKey] = strKey == "ErrorLogFilePath" ? json(7) : json(4 + Pick(100));
            break;
        }
        }
        return doc.dump();
    }
};

TEST_F(JobCorpus, EveryDamagedFileIsRefusedAndNothingChanges)
{
    for (const wchar_t *psz : {L"総務\\会議資料\\", L"総務\\予算\\", L"営業\\", L"営業\\2026\\01\\", L"空\\"})
        Make(psz);
    for (const wchar_t *psz : {L"総務\\議事録.txt", L"総務\\会議資料\\a.doc", L"営業\\2026\\01\\b.xls", L"readme"})
        Make(psz, 37);
    Tree().NotCopyFile = 0;
    ASSERT_GT(Scan(m_src.Path()), 0);
    const CJob scanned = MakeJobOfTree(Tree(), L"D:\\dest");
    const std::string strText = FormatJobText(scanned);
    {
        CJob job;
        std::wstring strError;
        ASSERT_TRUE(ParseJobText(strText, job, strError));
        ASSERT_EQ(JobRecords(job), TreeRecords(Tree()));
    }
    const RecordLines treeBefore = TreeRecords(Tree());

    constexpr int KINDS = 8, PER_KIND = 260;
    int nRefused = 0;
    for (int nKind = 0; nKind < KINDS; ++nKind) {
        for (int i = 0; i < PER_KIND; ++i) {
            const std::string strDamaged = Damage(strText, nKind);
            CJob job = HandMadeJob();
            std::wstring strError;
            const bool bRead = ParseJobText(strDamaged, job, strError);
            EXPECT_FALSE(bRead) << "kind " << nKind << ": " << strDamaged.substr(0, 300);
            if (bRead)
                PutJobIntoTree(Tree(), job); // what an open would have done
            EXPECT_FALSE(strError.empty());
            EXPECT_EQ(JobRecords(job), JobRecords(HandMadeJob()));
            nRefused += !bRead;
        }
    }
    EXPECT_EQ(nRefused, KINDS * PER_KIND);
    EXPECT_GE(nRefused, 2000);
    EXPECT_EQ(TreeRecords(Tree()), treeBefore);
}

} // namespace
