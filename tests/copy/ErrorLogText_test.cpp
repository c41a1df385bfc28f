// The error log's line, banner, file name, space and byte rules as tables of values.
#include "copy/ErrorLogText.h"

#include "support/SystemError.h"

#include <gtest/gtest.h>

namespace {

std::wstring Sys(DWORD dwError)
{
    return GetSystemErrorText(dwError, true);
}

std::wstring FromCodePage(UINT nCodePage, const std::string &strBytes)
{
    int n = ::MultiByteToWideChar(nCodePage, MB_ERR_INVALID_CHARS, strBytes.data(), static_cast<int>(strBytes.size()),
                                  nullptr, 0);
    std::wstring str(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(nCodePage, 0, strBytes.data(), static_cast<int>(strBytes.size()), str.data(), n);
    return str;
}

TEST(ErrorLogText, LinesOfTheRunsFailuresAndSkips)
{
    struct Case {
        DWORD dwError;
        const wchar_t *pszLabel, *pszArg, *pszPath1, *pszPath2;
        std::wstring strExpected;
    };
    const Case cases[] = {
        {0, L"CopyFile:Skipped(%s)", L"Up to Date", L"C:\\src\\a.txt", L"D:\\dst\\a.txt",
         L"[CopyFile:Skipped(Up to Date)] C:\\src\\a.txt -> D:\\dst\\a.txt\r\n"},
        // No argument: the label stays as it is, placeholder or not.
        {0, L"CopyFile:Canceled By User", L"", L"C:\\s", L"D:\\d", L"[CopyFile:Canceled By User] C:\\s -> D:\\d\r\n"},
        {0, L"CopyFile:Failed(%s)", L"", L"C:\\s", L"", L"[CopyFile:Failed(%s)] C:\\s\r\n"},
        // The stop line after a fatal one: first path only, no arrow.
        {0, L"CopyFile:Failed(%s)", L"Src Not Found", L"※※※ 処理を中止しました ※※※", L"",
         L"[CopyFile:Failed(Src Not Found)] ※※※ 処理を中止しました ※※※\r\n"},
        // Codes right-aligned in four places; longer codes widen the field.
        {5, L"FileAttr:Failed(%s)", L"File", L"D:\\d\\a.txt", L"",
         L"[FileAttr:Failed(File)] D:\\d\\a.txt , ErrCode(   5) , \" " + Sys(5) + L" \"\r\n"},
        {3, L"CreateDir:Failed", L"", L"D:\\d\\sub", L"",
         L"[CreateDir:Failed] D:\\d\\sub , ErrCode(   3) , \" " + Sys(3) + L" \"\r\n"},
        {1234, L"FileTime:Failed(%s)", L"SysErr", L"D:\\x", L"",
         L"[FileTime:Failed(SysErr)] D:\\x , ErrCode(1234) , \" " + Sys(1234) + L" \"\r\n"},
        {12345, L"FileTime:Failed(%s)", L"Open File", L"D:\\x", L"",
         L"[FileTime:Failed(Open File)] D:\\x , ErrCode(12345) , \" " + Sys(12345) + L" \"\r\n"},
        {32, L"CopyFile:Failed(%s)", L"SysErr", L"C:\\s", L"D:\\d",
         L"[CopyFile:Failed(SysErr)] C:\\s -> D:\\d , ErrCode(  32) , \" " + Sys(32) + L" \"\r\n"},
        // A path holding a percent sign or a label argument holding one is taken literally.
        {0, L"CopyFile:Skipped(%s)", L"By User", L"C:\\100%s\\a", L"D:\\%d",
         L"[CopyFile:Skipped(By User)] C:\\100%s\\a -> D:\\%d\r\n"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(FormatErrorLogLine(c.dwError, c.pszLabel, c.pszArg, c.pszPath1, c.pszPath2), c.strExpected)
            << "code " << c.dwError;
    }
}

TEST(ErrorLogText, SystemTextsHaveNoLineBreaksAndUnknownCodesSayUnknown)
{
    std::wstring str = FormatErrorLogLine(5, L"FileAttr:Failed(%s)", L"File", L"X", L"");
    EXPECT_EQ(str.find(L"\r\n"), str.size() - 2);
    EXPECT_EQ(str.find(L'\n'), str.size() - 1);
    EXPECT_NE(Sys(5), L"Unknown");
    EXPECT_EQ(FormatErrorLogLine(0xE0001234, L"L", L"", L"X", L""), L"[L] X , ErrCode(3758101044) , \" Unknown \"\r\n");
}

TEST(ErrorLogText, BannerFileNameAndSpace)
{
    EXPECT_EQ(FormatErrorLogBanner(L"2000/01/31 09:05:07"),
              L"--- Ostrel:Halvorn Error Log ---\r\n--- Logged on 2000/01/31 09:05:07\r\n");
    std::wstring strNow = CurrentErrorLogBanner();
    ASSERT_EQ(strNow.size(), FormatErrorLogBanner(L"2000/01/31 09:05:07").size());
    const std::wstring strHead = L"--- Ostrel:Halvorn Error Log ---\r\n--- Logged on ";
    EXPECT_EQ(strNow.substr(0, strHead.size()), strHead);
    EXPECT_EQ(strNow.substr(strNow.size() - 2), L"\r\n");

    EXPECT_EQ(ErrorLogFileName(0), L"PLX[00000000].err");
    EXPECT_EQ(ErrorLogFileName(0x1A2B), L"PLX[00001A2B].err");
    EXPECT_EQ(ErrorLogFileName(0xFEDCBA98), L"PLX[FEDCBA98].err");

    const std::pair<uint64_t, uint64_t> sizes[] = {
        {1, 1024}, {100, 1024}, {1023, 1024}, {1024, 1024}, {1025, 2048}, {2048, 2048}, {5000000000ull, 5000000512ull},
    };
    for (auto [n, needed] : sizes)
        EXPECT_EQ(ErrorLogSpaceNeeded(n), needed) << n;
}

TEST(ErrorLogText, Messages)
{
    EXPECT_EQ(ErrorLogNoRoomText(L"C:\\Logs", 5000000512ull),
              L"※ 現在のｴﾗｰﾛｸﾞﾌｧｲﾙの保存場所には充分な空きがありません。\n      Path : C:\\Logs\n\n"
              L"※ 別な保存場所を選択しますか ?\n( 5000000512 byte(s) 程度の空きﾃﾞｨｽｸ容量が必要です )");
    EXPECT_EQ(ErrorLogWrittenText(L"C:\\Logs\\PLX[00000010].err"),
              L"※ ｴﾗｰや処理をｽｷｯﾌﾟしたﾌｧｲﾙに関する情報は、\n      Error Log File : C:\\Logs\\PLX[00000010].err\n"
              L"   を参照してください。");
    EXPECT_EQ(ErrorLogCreateFailedText(L"C:\\a.err"), L"※ ｴﾗｰﾛｸﾞﾌｧｲﾙ(C:\\a.err)を作成する事ができません。");
    EXPECT_EQ(ErrorLogWriteFailedText(L"C:\\a.err"), L"※ ｴﾗｰﾛｸﾞﾌｧｲﾙ(C:\\a.err)に書き込む事ができませんでした。");
    std::wstring strFileError = FileErrorText(L"C:\\a.err", ERROR_ACCESS_DENIED);
    EXPECT_EQ(strFileError.find(L"C:\\a.err"), 0u);
    EXPECT_NE(strFileError.find(Sys(ERROR_ACCESS_DENIED)), std::wstring::npos);
}

TEST(ErrorLogText, BytesAreTheAnsiCodePage)
{
    ASSERT_EQ(::GetACP(), 932u) << "the tests run with the Japanese code page";
    const std::wstring strLine = L"[FileAttr:Failed(File)] D:\\ﾃﾞｨﾚｸﾄﾘ\\日本語.txt\r\n";
    const std::string strBytes = ToAnsiBytes(strLine);
    // Half-width katakana are one byte in the code page, kanji two.
    EXPECT_EQ(strBytes.size(), strLine.size() + 3);
    EXPECT_EQ(strBytes.find("\xEF\xBB\xBF"), std::string::npos);
    EXPECT_EQ(static_cast<unsigned char>(strBytes[strLine.find(L'ﾃ')]), 0xC3u);
    EXPECT_EQ(strBytes.substr(strBytes.size() - 2), "\r\n");
    EXPECT_EQ(FromCodePage(932, strBytes), strLine);
    EXPECT_EQ(ToAnsiBytes(L""), "");
}

// Stays in the code page while every character comes back from it; otherwise the whole text is
// UTF-8 after its mark, the lines the code page could spell included.
TEST(ErrorLogText, TheFileIsUtf8OnlyWhenTheCodePageWouldLoseACharacter)
{
    ASSERT_EQ(::GetACP(), 932u) << "the tests run with the Japanese code page";
    const std::string BOM = "\xEF\xBB\xBF";
    struct {
        std::wstring strText;
        bool bUtf8;
    } cases[] = {
        {L"", false},
        {L"[CreateDir:Failed] D:\\plain\r\n", false},
        {L"[CreateDir:Failed] D:\\ﾃﾞｨﾚｸﾄﾘ\\日本語.txt\r\n", false},
        {L"[CreateDir:Failed] D:\\한국어.txt\r\n", true},
        {L"[CreateDir:Failed] D:\\\U0001F600smile.txt\r\n", true},
        // Best fit would write "Grose": another valid name.
        {L"[CreateDir:Failed] D:\\Größe.txt\r\n", true},
        // Only the last of three lines needs it.
        {L"[a] C:\\日本語\r\n[b] C:\\x\r\n[c] C:\\조선어.txt\r\n", true},
    };
    for (const auto &c : cases) {
        const std::string strBytes = EncodeErrorLogText(c.strText);
        if (!c.bUtf8) {
            EXPECT_EQ(strBytes, ToAnsiBytes(c.strText));
            continue;
        }
        ASSERT_EQ(strBytes.compare(0, 3, BOM), 0) << strBytes;
        EXPECT_EQ(FromCodePage(CP_UTF8, strBytes.substr(3)), c.strText);
    }
}

} // namespace
