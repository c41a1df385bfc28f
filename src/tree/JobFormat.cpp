// The job as JSON text and back. Every field read is checked for its type and range; nothing of
// the library throws (JSON_NOEXCEPTION), so a value of the wrong type must never be asked for.
#include "support/IsoTime.h"
#include "support/ItemName.h"
#include "support/TextCodec.h"
#include "tree/JobFile.h"

#include <nlohmann/json.hpp>

#include <cwchar>

using json = nlohmann::json;

namespace {

constexpr char FORMAT_NAME[] = "Pelnix job";
// Marks a job keeps: processed (both bits), not followed, unreadable.
constexpr DWORD STORED_MARKS = ITEM_FLAGS_PROCESSED | ITEM_FLAG_NOT_FOLLOWED | ITEM_FLAG_UNREADABLE;
// Each directory level is an object inside an array; a few levels above the root.
constexpr size_t MAX_JSON_DEPTH = 2 * JOB_MAX_DIR_DEPTH + 8;

// ---- writing ----

void PutTime(json &obj, const char *pszKey, const FILETIME &ft)
{
    if (ft.dwLowDateTime || ft.dwHighDateTime)
        obj[pszKey] = FormatIsoTime(ft);
}

// The fields a directory and a file share; zero and empty values are left out.
void PutRecord(json &obj, const CItemInfo &record)
{
    if (!record.m_strSourcePath.empty())
        obj["path"] = WideToUtf8(record.m_strSourcePath);
    if (record.m_dwAttributes)
        obj["attr"] = record.m_dwAttributes;
    if (record.m_nTimeMode)
        obj["mode"] = record.m_nTimeMode;
    PutTime(obj, "time", record.m_ftSource);
    PutTime(obj, "at", record.m_ftSpecified);
    if (const DWORD dwMarks = record.m_dwKindFlags & STORED_MARKS)
        obj["marks"] = dwMarks >> 16;
}

json FormatNode(const CJobNode &node, bool bRoot)
{
    const CItemInfo &record = *node.pRecord;
    json obj = json::object();
    if (!bRoot)
        obj["name"] = WideToUtf8(record.m_strName);
    PutRecord(obj, record);
    if (!record.m_listFiles.empty()) {
        json files = json::array();
        for (const auto &pFile : record.m_listFiles) {
            json file = json::object();
            file["name"] = WideToUtf8(pFile->m_strName);
            file["size"] = pFile->m_dwSize;
            PutRecord(file, *pFile);
            files.push_back(std::move(file));
        }
        obj["files"] = std::move(files);
    }
    if (!node.listChildren.empty()) {
        json dirs = json::array();
        for (const CJobNode &child : node.listChildren)
            dirs.push_back(FormatNode(child, false));
        obj["dirs"] = std::move(dirs);
    }
    return obj;
}

// ---- reading ----

// Builds the document while counting its depth, and stops at the first level too deep, so that
// neither the document nor anything that walks it later can be nested without end.
class CBoundedSax {
public:
    explicit CBoundedSax(json &doc) : m_dom(doc, false) {}

    bool null() { return m_dom.null(); }
    bool boolean(bool b) { return m_dom.boolean(b); }
    bool number_integer(json::number_integer_t n) { return m_dom.number_integer(n); }
    bool number_unsigned(json::number_unsigned_t n) { return m_dom.number_unsigned(n); }
    bool number_float(json::number_float_t f, const json::string_t &s) { return m_dom.number_float(f, s); }
    bool string(json::string_t &s) { return m_dom.string(s); }
    bool binary(json::binary_t &b) { return m_dom.binary(b); }
    bool key(json::string_t &s) { return m_dom.key(s); }
    bool start_object(std::size_t n) { return Enter() && m_dom.start_object(n); }
    bool end_object()
    {
        --m_nDepth;
        return m_dom.end_object();
    }
    bool start_array(std::size_t n) { return Enter() && m_dom.start_array(n); }
    bool end_array()
    {
        --m_nDepth;
        return m_dom.end_array();
    }
    bool parse_error(std::size_t nPosition, const std::string &, const nlohmann::detail::exception &)
    {
        m_nErrorPosition = nPosition;
        return false;
    }

    bool m_bTooDeep = false;
    size_t m_nErrorPosition = 0;

private:
    bool Enter()
    {
        if (++m_nDepth <= MAX_JSON_DEPTH)
            return true;
        m_bTooDeep = true;
        return false;
    }
    nlohmann::detail::json_sax_dom_parser<json> m_dom;
    size_t m_nDepth = 0;
};

std::wstring Format(const wchar_t *pszFormat, const std::wstring &str1, const std::wstring &str2 = std::wstring())
{
    std::wstring strOut;
    strOut.reserve(std::wcslen(pszFormat) + str1.size() + str2.size());
    bool bFirst = true;
    for (const wchar_t *p = pszFormat; *p; ++p) {
        if (p[0] == L'%' && p[1] == L's') {
            strOut += bFirst ? str1 : str2;
            bFirst = false;
            ++p;
        } else {
            strOut += *p;
        }
    }
    return strOut;
}

// Turns the checked document into records; the first fault ends it with its message.
class CJobReader {
public:
    bool ReadJob(const json &doc, CJob &job);
    std::wstring m_strError;

private:
    bool Fail(const std::wstring &strWhere, const wchar_t *pszFormat, const char *pszKey)
    {
        std::wstring strKey;
        Utf8ToWide(pszKey, strKey);
        m_strError = strWhere + L" : " + Format(pszFormat, strKey);
        return false;
    }
    // nullptr when the key is absent; a fault when present with another type.
    const json *Find(const json &obj, const char *pszKey)
    {
        const auto it = obj.find(pszKey);
        return it == obj.end() ? nullptr : &*it;
    }
    bool ReadText(const json &obj, const char *pszKey, const std::wstring &strWhere, std::wstring &strOut,
                  bool bRequired = false);
    bool ReadUnsigned(const json &obj, const char *pszKey, const std::wstring &strWhere, uint64_t nMax, uint64_t &nOut,
                      bool bRequired = false);
    bool ReadTime(const json &obj, const char *pszKey, const std::wstring &strWhere, FILETIME &ftOut);
    bool ReadRecord(const json &obj, const std::wstring &strWhere, CItemInfo &record);
    bool ReadName(const json &obj, const std::wstring &strWhere, CItemInfo &record);
    bool ReadNode(const json &obj, const std::wstring &strWhere, CJobNode &node, int nDepth);
    bool ReadFlag(const json &obj, const char *pszKey, int &nOut, int nMax = 1);
};

bool CJobReader::ReadText(const json &obj, const char *pszKey, const std::wstring &strWhere, std::wstring &strOut,
                          bool bRequired)
{
    const json *p = Find(obj, pszKey);
    if (!p)
        return !bRequired || Fail(strWhere, L"\"%s\" がありません。", pszKey);
    if (!p->is_string())
        return Fail(strWhere, L"\"%s\" が文字列ではありません。", pszKey);
    const auto &str = p->get_ref<const json::string_t &>();
    if (!Utf8ToWide(str, strOut) || strOut.size() > JOB_MAX_TEXT_CHARS)
        return Fail(strWhere, L"\"%s\" が長すぎるか、読めない文字を含んでいます。", pszKey);
    if (strOut.find(L'\0') != std::wstring::npos)
        return Fail(strWhere, L"\"%s\" が NUL 文字を含んでいます。", pszKey);
    return true;
}

bool CJobReader::ReadUnsigned(const json &obj, const char *pszKey, const std::wstring &strWhere, uint64_t nMax,
                              uint64_t &nOut, bool bRequired)
{
    const json *p = Find(obj, pszKey);
    if (!p)
        return !bRequired || Fail(strWhere, L"\"%s\" がありません。", pszKey);
    if (!p->is_number_unsigned())
        return Fail(strWhere, L"\"%s\" が 0 以上の整数ではありません。", pszKey);
    nOut = p->get<uint64_t>();
    if (nOut > nMax)
        return Fail(strWhere, L"\"%s\" が範囲外です。", pszKey);
    return true;
}

bool CJobReader::ReadTime(const json &obj, const char *pszKey, const std::wstring &strWhere, FILETIME &ftOut)
{
    const json *p = Find(obj, pszKey);
    if (!p)
        return true;
    if (!p->is_string() || !ParseIsoTime(p->get_ref<const json::string_t &>(), ftOut))
        return Fail(strWhere, L"\"%s\" が日時 (例 2026-12-08T09:00:00+09:00) ではありません。", pszKey);
    return true;
}

bool CJobReader::ReadRecord(const json &obj, const std::wstring &strWhere, CItemInfo &record)
{
    if (!obj.is_object())
        return Fail(strWhere, L"項目がｵﾌﾞｼﾞｪｸﾄではありません。", "");
    uint64_t nAttr = 0, nMode = 0, nMarks = 0;
    if (!ReadText(obj, "path", strWhere, record.m_strSourcePath) ||
        !ReadUnsigned(obj, "attr", strWhere, 0xFFFFFFFFu, nAttr) ||
        !ReadUnsigned(obj, "mode", strWhere, TIME_MODE_SPECIFIED, nMode) ||
        !ReadUnsigned(obj, "marks", strWhere, STORED_MARKS >> 16, nMarks) ||
        !ReadTime(obj, "time", strWhere, record.m_ftSource) || !ReadTime(obj, "at", strWhere, record.m_ftSpecified))
        return false;
    record.m_dwAttributes = static_cast<DWORD>(nAttr);
    record.m_nTimeMode = static_cast<int>(nMode);
    record.m_dwKindFlags |= static_cast<DWORD>(nMarks << 16) & STORED_MARKS;
    return true;
}

bool CJobReader::ReadName(const json &obj, const std::wstring &strWhere, CItemInfo &record)
{
    if (!ReadText(obj, "name", strWhere, record.m_strName, true))
        return false;
    if (!IsStoredNameSafe(record.m_strName)) {
        m_strError = strWhere + L" : 名前 \"" + record.m_strName + L"\" は使えません。";
        return false;
    }
    return true;
}

bool CJobReader::ReadNode(const json &obj, const std::wstring &strWhere, CJobNode &node, int nDepth)
{
    if (nDepth > JOB_MAX_DIR_DEPTH)
        return Fail(strWhere, L"ﾃﾞｨﾚｸﾄﾘの階層が深すぎます。", "");
    CItemInfo &record = *node.pRecord;
    if (!ReadRecord(obj, strWhere, record))
        return false;
    if (const json *pFiles = Find(obj, "files")) {
        if (!pFiles->is_array())
            return Fail(strWhere, L"\"%s\" が配列ではありません。", "files");
        record.m_listFiles.reserve(pFiles->size());
        size_t nIndex = 0;
        for (const json &file : *pFiles) {
            ++nIndex;
            const std::wstring strFileWhere = strWhere + L" のﾌｧｲﾙ " + std::to_wstring(nIndex) + L" 番目";
            auto pFile = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
            uint64_t nSize = 0;
            if (!ReadRecord(file, strFileWhere, *pFile) || !ReadName(file, strFileWhere, *pFile) ||
                !ReadUnsigned(file, "size", strFileWhere, UINT64_MAX, nSize, true))
                return false;
            pFile->m_dwSize = nSize;
            record.AppendFile(std::move(pFile));
        }
    }
    if (const json *pDirs = Find(obj, "dirs")) {
        if (!pDirs->is_array())
            return Fail(strWhere, L"\"%s\" が配列ではありません。", "dirs");
        node.listChildren.reserve(pDirs->size());
        for (const json &dir : *pDirs) {
            CJobNode child;
            child.pRecord = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
            if (!dir.is_object())
                return Fail(strWhere, L"\"%s\" の項目がｵﾌﾞｼﾞｪｸﾄではありません。", "dirs");
            if (!ReadName(dir, strWhere + L"\\?", *child.pRecord))
                return false;
            if (!ReadNode(dir, strWhere + L"\\" + child.pRecord->m_strName, child, nDepth + 1))
                return false;
            node.listChildren.push_back(std::move(child));
        }
    }
    return true;
}

bool CJobReader::ReadFlag(const json &obj, const char *pszKey, int &nOut, int nMax)
{
    uint64_t nValue = static_cast<uint64_t>(nOut);
    if (!ReadUnsigned(obj, pszKey, L"\"options\"", static_cast<uint64_t>(nMax), nValue))
        return false;
    nOut = static_cast<int>(nValue);
    return true;
}

bool CJobReader::ReadJob(const json &doc, CJob &job)
{
    const std::wstring strTop = L"ﾌｧｲﾙ全体";
    if (!doc.is_object())
        return Fail(strTop, L"ｼﾞｮﾌﾞﾌｧｲﾙではありません。", "");
    const json *pFormat = Find(doc, "format");
    if (!pFormat || !pFormat->is_string() || pFormat->get_ref<const json::string_t &>() != FORMAT_NAME)
        return Fail(strTop, L"ｼﾞｮﾌﾞﾌｧｲﾙではありません (\"%s\" が違います)。", "format");
    const json *pVersion = Find(doc, "version");
    if (!pVersion || !pVersion->is_number_unsigned() || pVersion->get<uint64_t>() < 1)
        return Fail(strTop, L"\"%s\" が正しくありません。", "version");
    if (pVersion->get<uint64_t>() > static_cast<uint64_t>(JOB_FORMAT_VERSION)) {
        m_strError = strTop + L" : 新しい形式 (version " + std::to_wstring(pVersion->get<uint64_t>()) +
                     L") のｼﾞｮﾌﾞﾌｧｲﾙです。このﾌﾟﾛｸﾞﾗﾑが読めるのは version " + std::to_wstring(JOB_FORMAT_VERSION) +
                     L" までです。";
        return false;
    }
    if (!ReadText(doc, "destination", strTop, job.strDestination))
        return false;
    if (const json *pOptions = Find(doc, "options")) {
        if (!pOptions->is_object())
            return Fail(strTop, L"\"%s\" がｵﾌﾞｼﾞｪｸﾄではありません。", "options");
        CJobOptions &opt = job.options;
        if (!ReadFlag(*pOptions, "NotCopyFile", opt.NotCopyFile) ||
            !ReadFlag(*pOptions, "FileOverWriteMode", opt.FileOverWriteMode, 3) ||
            !ReadFlag(*pOptions, "ProtectAttrOfExist", opt.ProtectAttrOfExist) ||
            !ReadFlag(*pOptions, "BreakOnDiskFull", opt.BreakOnDiskFull) ||
            !ReadFlag(*pOptions, "UseErrorLog", opt.UseErrorLog) ||
            !ReadText(*pOptions, "ErrorLogFilePath", L"\"options\"", opt.ErrorLogFilePath))
            return false;
    }
    const json *pRoot = Find(doc, "root");
    if (!pRoot)
        return Fail(strTop, L"\"%s\" がありません。", "root");
    job.root.pRecord = std::make_unique<CItemInfo>(ITEM_KIND_ROOT);
    job.root.pRecord->m_strName = ROOT_ITEM_NAME;
    return ReadNode(*pRoot, ROOT_ITEM_NAME, job.root, 0);
}

} // namespace

bool IsStoredNameSafe(std::wstring_view strName)
{
    for (wchar_t ch : strName) {
        if (ch < L' ' || ch == L'\\' || ch == L'/' || ch == L':')
            return false;
    }
    switch (CheckItemName(strName)) {
    case NAME_OK:
    case NAME_BAD_CHAR: // only * ? " < > | are left, which a listing can give
    case NAME_TRAILING:
    case NAME_RESERVED: return true;
    default: return false;
    }
}

std::string FormatJobText(const CJob &job)
{
    json doc = json::object();
    doc["format"] = FORMAT_NAME;
    doc["version"] = JOB_FORMAT_VERSION;
    if (!job.strDestination.empty())
        doc["destination"] = WideToUtf8(job.strDestination);
    const CJobOptions &opt = job.options;
    doc["options"] = {{"NotCopyFile", opt.NotCopyFile},
                      {"FileOverWriteMode", opt.FileOverWriteMode},
                      {"ProtectAttrOfExist", opt.ProtectAttrOfExist},
                      {"BreakOnDiskFull", opt.BreakOnDiskFull},
                      {"UseErrorLog", opt.UseErrorLog},
                      {"ErrorLogFilePath", WideToUtf8(opt.ErrorLogFilePath)}};
    if (job.root.pRecord)
        doc["root"] = FormatNode(job.root, true);
    return doc.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

bool ParseJobText(std::string_view text, CJob &job, std::wstring &strError)
{
    json doc;
    CBoundedSax sax(doc);
    if (!json::sax_parse(text.begin(), text.end(), &sax)) {
        if (sax.m_bTooDeep)
            strError = L"入れ子が深すぎます (上限 " + std::to_wstring(MAX_JSON_DEPTH) + L" 段)。";
        else if (sax.m_nErrorPosition >= text.size())
            strError = L"ﾌｧｲﾙが途中で切れています (" + std::to_wstring(text.size()) + L" ﾊﾞｲﾄ)。";
        else
            strError = std::to_wstring(sax.m_nErrorPosition) + L" ﾊﾞｲﾄ目 : JSON の書式が正しくありません。";
        return false;
    }
    CJob newJob;
    CJobReader reader;
    if (!reader.ReadJob(doc, newJob)) {
        strError = reader.m_strError;
        return false;
    }
    job = std::move(newJob);
    return true;
}
