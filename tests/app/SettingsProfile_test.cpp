#include "app/SettingsProfile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(SettingsProfile, EscapeControlCharsTable)
{
    struct {
        const wchar_t *pszIn;
        int nSelector;
        bool bEncode;
        const wchar_t *pszOut;
    } cases[] = {
        {L"a\tb\t", ESCAPE_TAB, true, L"a<\\x09>b<\\x09>"},
        {L"a\r\nb", ESCAPE_TAB, true, L"a\r\nb"},
        {L"a\r\nb\r\n", ESCAPE_CRLF, true, L"a<\\x0D\\x0A>b<\\x0D\\x0A>"},
        // Lone CR and lone LF stay; CR CR LF escapes only its pair.
        {L"a\rb\nc\r\r\n", ESCAPE_CRLF, true, L"a\rb\nc\r<\\x0D\\x0A>"},
        {L"<\\x09><\\x09>x", ESCAPE_TAB, false, L"\t\tx"},
        {L"<\\x0D\\x0A>", ESCAPE_CRLF, false, L"\r\n"},
        {L"<\\x0D\\x0A>", ESCAPE_TAB, false, L"<\\x0D\\x0A>"},
        // Tokens are exact: other letter cases and broken tokens stay.
        {L"<\\x0d\\x0a><\\x09", ESCAPE_CRLF, false, L"<\\x0d\\x0a><\\x09"},
        {L"<<\\x09>>", ESCAPE_TAB, false, L"<\t>"},
        // Replaced text is not looked at again.
        {L"\t", ESCAPE_TAB, true, L"<\\x09>"},
        {L"<\\x0<\\x09>9>", ESCAPE_TAB, false, L"<\\x0\t9>"},
        {L"", ESCAPE_TAB, true, L""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EscapeControlChars(c.pszIn, c.nSelector, c.bEncode), c.pszOut) << c.nSelector << c.bEncode;
}

class SettingsProfileFile : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::wstring m_strIni = m_dir / L"p.ini";

    std::string FileBytes() const
    {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(m_strIni, bytes));
        return bytes;
    }
};

TEST_F(SettingsProfileFile, StringsWithTabsAndLineBreaksStayOnOneLineAndComeBack)
{
    const std::wstring strValue = L"one\ttwo\r\nthree\t\r\n";
    WriteIniString(L"S", L"k", strValue, m_strIni);
    WriteIniString(L"S", L"after", L"x", m_strIni);
    EXPECT_EQ(ReadIniString(L"S", L"k", L"", m_strIni), strValue);
    EXPECT_EQ(ReadIniString(L"S", L"after", L"", m_strIni), L"x");

    std::string bytes = FileBytes();
    EXPECT_NE(bytes.find("k=one<\\x09>two<\\x0D\\x0A>three<\\x09><\\x0D\\x0A>\r\n"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find('\t'), std::string::npos);

    // The literal token text cannot be told from an escaped tab.
    WriteIniString(L"S", L"k", L"a<\\x09>b", m_strIni);
    EXPECT_EQ(ReadIniString(L"S", L"k", L"", m_strIni), L"a\tb");
}

TEST_F(SettingsProfileFile, LongValuesAreReadWhole)
{
    // Around the first buffer and the next ones.
    for (size_t n : {1022u, 1023u, 1024u, 1025u, 2047u, 2048u, 5000u}) {
        std::wstring strValue;
        for (size_t i = 0; i < n; ++i)
            strValue += static_cast<wchar_t>(L'a' + i % 26);
        strValue.back() = L'Z';
        WriteIniString(L"S", L"long", strValue, m_strIni);
        std::wstring strRead = ReadIniString(L"S", L"long", L"", m_strIni);
        EXPECT_EQ(strRead.size(), n);
        EXPECT_TRUE(strRead == strValue) << n;
    }
    // A line of megabytes comes back whole after a few reads: the buffer doubles each time.
    {
        std::wstring strValue(3u << 20, L'm');
        strValue.back() = L'Z';
        WriteIniString(L"S", L"huge", strValue, m_strIni);
        EXPECT_TRUE(ReadIniString(L"S", L"huge", L"", m_strIni) == strValue);
        unsigned nSize = INI_READ_CHUNK;
        int nReads = 1;
        for (; nSize - 1 <= strValue.size(); ++nReads)
            nSize = NextIniReadBufferSize(nSize);
        EXPECT_EQ(nReads, 13); // 1024 << 12 is the first buffer with room for 3 Mi characters
    }
    EXPECT_EQ(NextIniReadBufferSize(1024), 2048u);
    EXPECT_EQ(NextIniReadBufferSize(0x20000000u), 0x40000000u);
    EXPECT_EQ(NextIniReadBufferSize(0x40000000u), 0u); // no larger buffer: the read ends
    // A long default when the key is missing.
    std::wstring strDefault(3000, L'd');
    EXPECT_TRUE(ReadIniString(L"S", L"missing", strDefault, m_strIni) == strDefault);
}

TEST_F(SettingsProfileFile, IntegersAndDefaults)
{
    EXPECT_EQ(ReadIniInt(L"S", L"n", 7, m_strIni), 7); // no file
    EXPECT_EQ(ReadIniString(L"S", L"s", L"def", m_strIni), L"def");
    WriteIniInt(L"S", L"n", -42, m_strIni);
    WriteIniInt(L"S", L"big", 0x20002, m_strIni);
    EXPECT_EQ(ReadIniInt(L"S", L"n", 7, m_strIni), -42);
    EXPECT_EQ(ReadIniInt(L"S", L"big", 7, m_strIni), 0x20002);
    EXPECT_EQ(ReadIniInt(L"S", L"other", 7, m_strIni), 7);
    EXPECT_EQ(ReadIniInt(L"T", L"n", 5, m_strIni), 5);
    EXPECT_NE(FileBytes().find("n=-42\r\n"), std::string::npos);
    EXPECT_NE(FileBytes().find("big=131074\r\n"), std::string::npos);
}

TEST_F(SettingsProfileFile, DeletingASectionLeavesTheOthers)
{
    ASSERT_TRUE(m_dir.WriteFile(L"p.ini", "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n[C]\r\nw=4\r\n"));
    DeleteIniSection(L"B", m_strIni);
    EXPECT_EQ(ReadIniInt(L"A", L"y", 0, m_strIni), 2);
    EXPECT_EQ(ReadIniInt(L"B", L"z", 0, m_strIni), 0);
    EXPECT_EQ(ReadIniInt(L"C", L"w", 0, m_strIni), 4);
    EXPECT_EQ(FileBytes().find("[B]"), std::string::npos);
}

} // namespace
