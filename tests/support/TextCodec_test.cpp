#include "support/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, Utf8BothWays)
{
    const std::wstring strText = L"2026年度\\総務\\ﾃﾞｨﾚｸﾄﾘ \U0001F4C1";
    std::wstring strBack;
    ASSERT_TRUE(Utf8ToWide(WideToUtf8(strText), strBack));
    EXPECT_EQ(strBack, strText);
    EXPECT_EQ(WideToUtf8(L"\u00E9"), "\xC3\xA9");
    EXPECT_FALSE(Utf8ToWide("\xC3", strBack));     // cut in a character
    EXPECT_FALSE(Utf8ToWide("a\xFF", strBack));    // never in UTF-8
    EXPECT_FALSE(Utf8ToWide("\xC0\xAF", strBack)); // an overlong "/"
}

TEST(TextCodec, TextFilesOfSpreadsheets)
{
    const std::wstring strExpected = L"総務\\会議資料\r\n";
    const std::string strUtf8 = "\xE7\xB7\x8F\xE5\x8B\x99\\\xE4\xBC\x9A\xE8\xAD\xB0\xE8\xB3\x87\xE6\x96\x99\r\n";
    // The same line as code page 932 writes it.
    const std::string strSjis = "\x91\x8D\x96\xB1\\\x89\xEF\x8B\x63\x8E\x91\x97\xBF\r\n";
    std::wstring strText;
    ASSERT_TRUE(DecodeTextFile(strUtf8, strText));
    EXPECT_EQ(strText, strExpected);
    ASSERT_TRUE(DecodeTextFile("\xEF\xBB\xBF" + strUtf8, strText));
    EXPECT_EQ(strText, strExpected); // the mark is not part of the text
    ASSERT_TRUE(DecodeTextFile(strSjis, strText));
    EXPECT_EQ(strText, strExpected);
    // A mark promises UTF-8: what follows must be.
    EXPECT_FALSE(DecodeTextFile("\xEF\xBB\xBF" + strSjis, strText));
    EXPECT_FALSE(DecodeTextFile("\x81", strText)); // a lead byte without its trail
}

} // namespace
