#include "copy/ErrorLogText.h"

#include "support/SystemError.h"
#include "support/TimeText.h"

namespace {

// The label with its one "%s" replaced; taken literally otherwise, so a label is never a format.
std::wstring FillLabel(const std::wstring &strLabel, const std::wstring &strArg)
{
    if (strArg.empty())
        return strLabel;
    std::wstring str = strLabel;
    size_t pos = str.find(L"%s");
    if (pos != std::wstring::npos)
        str.replace(pos, 2, strArg);
    return str;
}

std::wstring PadLeft(std::wstring str, size_t nWidth)
{
    if (str.size() < nWidth)
        str.insert(0, nWidth - str.size(), L' ');
    return str;
}

} // namespace

std::wstring FormatErrorLogLine(DWORD dwError, const std::wstring &strLabel, const std::wstring &strArg,
                                const std::wstring &strPath1, const std::wstring &strPath2)
{
    std::wstring str = L"[" + FillLabel(strLabel, strArg) + L"] " + strPath1;
    if (!strPath2.empty())
        str += L" -> " + strPath2;
    if (dwError != 0) {
        str += L" , ErrCode(" + PadLeft(std::to_wstring(dwError), 4) + L") , \" " + GetSystemErrorText(dwError, true) +
               L" \"";
    }
    return str + L"\r\n";
}

std::wstring FormatErrorLogBanner(const std::wstring &strLoggedOn)
{
    return L"--- Ostrel:Halvorn Error Log ---\r\n--- Logged on " + strLoggedOn + L"\r\n";
}

std::wstring CurrentErrorLogBanner()
{
    SYSTEMTIME st = {};
    ::GetLocalTime(&st);
    return FormatErrorLogBanner(FormatSystemTime(&st, TIME_PART_DATE | TIME_PART_TIME));
}

std::wstring ErrorLogFileName(DWORD dwProcessId)
{
    static const wchar_t HEX[] = L"0123456789ABCDEF";
    std::wstring str = L"PLX[";
    for (int nShift = 28; nShift >= 0; nShift -= 4)
        str += HEX[(dwProcessId >> nShift) & 0xF];
    return str + L"].err";
}

uint64_t ErrorLogSpaceNeeded(uint64_t nBytes)
{
    return (nBytes + 1023) / 1024 * 1024;
}

std::wstring ErrorLogNoRoomText(const std::wstring &strDirectory, uint64_t nNeeded)
{
    return L"※ 現在のｴﾗｰﾛｸﾞﾌｧｲﾙの保存場所には充分な空きがありません。\n      Path : " + strDirectory +
           L"\n\n※ 別な保存場所を選択しますか ?\n( " + std::to_wstring(nNeeded) +
           L" byte(s) 程度の空きﾃﾞｨｽｸ容量が必要です )";
}

std::wstring ErrorLogWrittenText(const std::wstring &strLogPath)
{
    return L"※ ｴﾗｰや処理をｽｷｯﾌﾟしたﾌｧｲﾙに関する情報は、\n      Error Log File : " + strLogPath +
           L"\n   を参照してください。";
}

std::wstring ErrorLogCreateFailedText(const std::wstring &strLogPath)
{
    return L"※ ｴﾗｰﾛｸﾞﾌｧｲﾙ(" + strLogPath + L")を作成する事ができません。";
}

std::wstring ErrorLogWriteFailedText(const std::wstring &strLogPath)
{
    return L"※ ｴﾗｰﾛｸﾞﾌｧｲﾙ(" + strLogPath + L")に書き込む事ができませんでした。";
}

std::wstring FileErrorText(const std::wstring &strPath, DWORD dwError)
{
    return strPath + L"\n\n" + GetSystemErrorText(dwError, true);
}

namespace {

std::string ToCodePageBytes(UINT nCodePage, const std::wstring &strText)
{
    if (strText.empty())
        return std::string();
    const int nText = static_cast<int>(strText.size());
    int n = ::WideCharToMultiByte(nCodePage, 0, strText.data(), nText, nullptr, 0, nullptr, nullptr);
    std::string str(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        ::WideCharToMultiByte(nCodePage, 0, strText.data(), nText, str.data(), n, nullptr, nullptr);
    return str;
}

std::wstring FromAnsiBytes(const std::string &strBytes)
{
    if (strBytes.empty())
        return std::wstring();
    const int nBytes = static_cast<int>(strBytes.size());
    int n = ::MultiByteToWideChar(CP_ACP, 0, strBytes.data(), nBytes, nullptr, 0);
    std::wstring str(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, strBytes.data(), nBytes, str.data(), n);
    return str;
}

} // namespace

std::string ToAnsiBytes(const std::wstring &strText)
{
    return ToCodePageBytes(CP_ACP, strText);
}

std::string EncodeErrorLogText(const std::wstring &strText)
{
    // The round trip, not the default-character flag: a best-fit mapping ("o" for "ö") uses no
    // default character yet names another file.
    std::string strAnsi = ToAnsiBytes(strText);
    if (FromAnsiBytes(strAnsi) == strText)
        return strAnsi;
    return "\xEF\xBB\xBF" + ToCodePageBytes(CP_UTF8, strText);
}
