// The summary of a run as a table: outcome in, text and icon out.
#include "copy/RunSummary.h"
#include "support/SystemError.h"
#include "tree/OptionSet.h"

#include <gtest/gtest.h>

namespace {

const wchar_t OK_TEXT[] = L"全て正常に処理できました。";
const wchar_t NEWER_KEPT_3[] =
    L"※ 複写先の既存ﾌｧｲﾙの方が新しかった為、\n   複写されなかったﾌｧｲﾙが\n   << 3 件 >> あります。";

// A run's result with the options that the summary speaks of.
struct CRunCase {
    CRunResult result;
    OptionSet options;
};

struct CSummaryCase {
    const char *pszName;
    CRunCase run;
    std::wstring strText;
    UINT nIcon;
};

CRunCase Outcome(bool bCancel, DWORD dwResult, int nDiskFull = 0, int nSkipped = 0, int nProcessed = 0,
                 bool bBreak = false, bool bProtect = true, int nMode = 1)
{
    CRunCase c;
    c.result.m_bCanceled = bCancel;
    c.result.m_dwResult = dwResult;
    c.result.m_nDiskFull = nDiskFull;
    c.result.m_nSkipped = nSkipped;
    c.result.m_nProcessed = nProcessed;
    c.options.BreakOnDiskFull = bBreak;
    c.options.ProtectAttrOfExist = bProtect;
    c.options.FileOverWriteMode = nMode;
    return c;
}

TEST(RunSummary, TextAndIconFollowTheOutcome)
{
    CRunCase dirFailed = Outcome(false, RF_CREATEDIR_FAILED | RF_ATTR_FAILED);
    dirFailed.result.m_strFailedDir = L"Z:\\dst\\sub";
    dirFailed.result.m_dwFailedDirError = ERROR_ALREADY_EXISTS;
    // The system's text for the code, line breaks removed.
    const std::wstring strExists = GetSystemErrorText(ERROR_ALREADY_EXISTS, true);
    ASSERT_FALSE(strExists.empty());
    ASSERT_EQ(strExists.find_first_of(L"\r\n"), std::wstring::npos);

    CRunCase twins = Outcome(false, RF_NAME_TWIN | RF_DISK_SHORT, 1, 3, 5);
    twins.result.m_nNameTwins = 2;

    const CSummaryCase cases[] = {
        {"all well", Outcome(false, 0), OK_TEXT, MB_ICONINFORMATION},
        {"cancelled", Outcome(true, 0, 0, 3, 5), L"処理は中断されました。", MB_ICONEXCLAMATION},
        {"directory failed, first line without separator", dirFailed,
         L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘの作成に失敗しました。\n    Failed Dir <Z:\\dst\\sub>\n(" + strExists +
             L")\nﾌｧｲﾙ属性の設定に失敗したﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙがあります。",
         MB_ICONSTOP},
        {"every failure line in order", Outcome(true, 0x773),
         L"ﾌｧｲﾙ属性の設定に失敗したﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙがあります。\nﾀｲﾑｽﾀﾝﾌﾟの設定に失敗したﾌｧｲﾙがあります。\n"
         L"容量不足で複写されなかったﾌｧｲﾙが 0 件 あります。\n複写処理でｴﾗｰを起こしたﾌｧｲﾙがあります。\n"
         L"複写処理中、複写元ﾊﾟｽと複写先ﾊﾟｽが同一な物を検出しました。\n"
         L"複写処理中、不正な複写元ﾊﾟｽを検出しました。",
         MB_ICONSTOP},
        {"time alone stops", Outcome(false, RF_TIME_FAILED), L"ﾀｲﾑｽﾀﾝﾌﾟの設定に失敗したﾌｧｲﾙがあります。", MB_ICONSTOP},
        {"disk short only", Outcome(false, RF_DISK_SHORT, 4), L"容量不足で複写されなかったﾌｧｲﾙが 4 件 あります。",
         MB_ICONEXCLAMATION},
        {"disk full, stopped by the option", Outcome(true, RF_DISK_FULL, 1, 0, 0, true),
         L"容量不足の為、複写を断念しました。", MB_ICONEXCLAMATION},
        {"kept newer, protected", Outcome(false, 0, 0, 3, 5), std::wstring(OK_TEXT) + L"\n\n" + NEWER_KEPT_3,
         MB_ICONINFORMATION},
        {"kept newer, attributes set, with processed count", Outcome(false, 0, 0, 3, 5, false, false, 1),
         std::wstring(OK_TEXT) + L"\n\n※ 処理したﾌｧｲﾙ << 5 >> 件中、\n   複写先の既存ﾌｧｲﾙの方が新しかった為、\n   "
                                 L"複写せずに属性設定のみ行ったﾌｧｲﾙが\n   << 3 件 >> あります。",
         MB_ICONINFORMATION},
        {"kept existing under never-overwrite, nothing processed", Outcome(false, 0, 0, 2, 0, false, false, 3),
         std::wstring(OK_TEXT) + L"\n\n※ 複写先に同名ﾌｧｲﾙが存在していた為、\n   複写せずに属性設定のみ行ったﾌｧｲﾙが\n"
                                 L"   << 2 件 >> あります。",
         MB_ICONINFORMATION},
        {"names taken by an earlier file: counted on their own line", twins,
         std::wstring(L"容量不足で複写されなかったﾌｧｲﾙが 1 件 あります。\n"
                      L"複写先で名前が重なる為、複写されなかったﾌｧｲﾙが 2 件 あります。\n\n") +
             NEWER_KEPT_3,
         MB_ICONEXCLAMATION},
        {"fatal stop then kept files", Outcome(true, RF_SRC_NOT_FOUND, 0, 3, 5),
         std::wstring(L"複写処理中、不正な複写元ﾊﾟｽを検出しました。\n\n") + NEWER_KEPT_3, MB_ICONSTOP},
    };
    for (const auto &c : cases) {
        const CRunSummary summary = MakeRunSummary(c.run.result, c.run.options);
        EXPECT_EQ(summary.strText, c.strText) << c.pszName;
        EXPECT_EQ(summary.nIcon, c.nIcon) << c.pszName;
    }
}

} // namespace
