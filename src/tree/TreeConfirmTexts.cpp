#include "tree/TreeConfirmTexts.h"

std::wstring DeleteNodeQuestion(const std::wstring &strName)
{
    return L"\"" + strName + L"\" をﾃﾞｨﾚｸﾄﾘﾂﾘｰから削除します。\nよろしいですか ?";
}

std::wstring ClearTreeQuestion(bool bScanning, bool bNotCopyFile)
{
    std::wstring strWhat = bNotCopyFile ? L"" : L"/ﾌｧｲﾙ情報";
    std::wstring strText = bScanning
                               ? L"現在のﾃﾞｨﾚｸﾄﾘﾂﾘｰ" + strWhat + L"は消去されて新しく検索されたﾃﾞｨﾚｸﾄﾘﾂﾘｰに置き換えられ"
                               : L"ﾃﾞｨﾚｸﾄﾘﾂﾘｰ" + strWhat + L"を消去し";
    return strText + L"ます。\nよろしいですか ?";
}
