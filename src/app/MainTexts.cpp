#include "app/MainTexts.h"

const wchar_t kExitQuestion[] = L"Pelnixを終了します。";

std::wstring DeleteErrorLogQuestion(const std::wstring &strLogPath)
{
    return L"※ ｴﾗｰﾛｸﾞﾌｧｲﾙを削除しますか ?\n\n   LogFile : " + strLogPath + L"\n";
}

std::wstring AddLoadParentQuestion(const std::wstring &strSelectedName, const std::wstring &strRootLabel)
{
    return L"現在選択されているﾃﾞｨﾚｸﾄﾘ( \"" + strSelectedName + L"\" )の下に追加読み込みします。\n" +
           L"(「いいえ」を選択すると最上位( \"" + strRootLabel + L"\" )に追加されます)\nよろしいですか ?";
}

std::wstring SettingsUnreadableText(const std::wstring &strIniPath, const std::wstring &strReason)
{
    return L"※ 設定ﾌｧｲﾙを読み込む事ができませんでした。\n      Path : " + strIniPath + L"\n      ( " + strReason +
           L" )\n\n※ 既定の設定で起動します。\n   この設定ﾌｧｲﾙは終了時にも書き換えません。";
}

std::wstring SettingsNotSavedText(const std::wstring &strIniPath, const std::wstring &strReason)
{
    return L"※ 設定を保存する事ができませんでした。\n      Path : " + strIniPath + L"\n      ( " + strReason +
           L" )\n\n※ 設定ﾌｧｲﾙは元のままです。";
}
