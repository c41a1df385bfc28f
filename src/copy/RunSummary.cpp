#include "copy/RunSummary.h"
#include "support/SystemError.h"
#include "tree/OptionSet.h"

const wchar_t RESULT_CAPTION[] = L"Result ...";

namespace {

void AppendLine(std::wstring &strText, const std::wstring &strLine)
{
    if (!strText.empty())
        strText += L"\n";
    strText += strLine;
}

} // namespace

CRunSummary MakeRunSummary(const CRunResult &r, const OptionSet &options)
{
    CRunSummary summary;
    const DWORD dwFlags = r.m_dwResult;
    if (r.m_bCanceled && dwFlags == 0) {
        summary.strText = L"処理は中断されました。";
        summary.nIcon = MB_ICONEXCLAMATION;
        return summary;
    }

    std::wstring &text = summary.strText;
    if (!r.m_bCanceled && dwFlags == 0) {
        text = L"全て正常に処理できました。";
    } else {
        if (dwFlags & RF_CREATEDIR_FAILED)
            text = L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘの作成に失敗しました。\n    Failed Dir <" + r.m_strFailedDir + L">\n(" +
                   GetSystemErrorText(r.m_dwFailedDirError, true) + L")";
        if (dwFlags & RF_ATTR_FAILED)
            AppendLine(text, L"ﾌｧｲﾙ属性の設定に失敗したﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙがあります。");
        if (dwFlags & RF_TIME_FAILED)
            AppendLine(text, L"ﾀｲﾑｽﾀﾝﾌﾟの設定に失敗したﾌｧｲﾙがあります。");
        if (dwFlags & (RF_DISK_SHORT | RF_DISK_FULL))
            AppendLine(text, options.BreakOnDiskFull ? std::wstring(L"容量不足の為、複写を断念しました。")
                                                     : L"容量不足で複写されなかったﾌｧｲﾙが " +
                                                           std::to_wstring(r.m_nDiskFull) + L" 件 あります。");
        if (dwFlags & RF_NAME_TWIN)
            AppendLine(text, L"複写先で名前が重なる為、複写されなかったﾌｧｲﾙが " + std::to_wstring(r.m_nNameTwins) +
                                 L" 件 あります。");
        if (dwFlags & RF_COPY_ERROR)
            AppendLine(text, L"複写処理でｴﾗｰを起こしたﾌｧｲﾙがあります。");
        if (dwFlags & RF_SAME_PATH)
            AppendLine(text, L"複写処理中、複写元ﾊﾟｽと複写先ﾊﾟｽが同一な物を検出しました。");
        if (dwFlags & RF_SRC_NOT_FOUND)
            AppendLine(text, L"複写処理中、不正な複写元ﾊﾟｽを検出しました。");
        if (dwFlags & RF_DEST_OUTSIDE)
            AppendLine(text, L"複写処理中、複写先ﾃﾞｨﾚｸﾄﾘの外を指す複写先ﾊﾟｽを検出しました。");
    }

    if (r.m_nSkipped > 0) {
        if (!text.empty())
            text += L"\n\n";
        if (!options.ProtectAttrOfExist && r.m_nProcessed > 0)
            text += L"※ 処理したﾌｧｲﾙ << " + std::to_wstring(r.m_nProcessed) + L" >> 件中、\n   ";
        else
            text += L"※ ";
        text += L"複写先";
        text += options.FileOverWriteMode == FOW_NEVER ? L"に同名ﾌｧｲﾙが存在してい" : L"の既存ﾌｧｲﾙの方が新しかっ";
        text += L"た為、\n   複写";
        text += options.ProtectAttrOfExist ? L"されなかっ" : L"せずに属性設定のみ行っ";
        text += L"たﾌｧｲﾙが\n   << " + std::to_wstring(r.m_nSkipped) + L" 件 >> あります。";
    }

    const DWORD dwStop = RF_CREATEDIR_FAILED | RF_SRC_NOT_FOUND | RF_SAME_PATH | RF_COPY_ERROR | RF_TIME_FAILED |
                         RF_ATTR_FAILED | RF_DEST_OUTSIDE;
    if (dwFlags & dwStop)
        summary.nIcon = MB_ICONSTOP;
    else if (dwFlags & (RF_DISK_SHORT | RF_DISK_FULL | RF_NAME_TWIN))
        summary.nIcon = MB_ICONEXCLAMATION;
    else
        summary.nIcon = MB_ICONINFORMATION;
    return summary;
}
