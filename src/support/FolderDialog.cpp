#include "support/FolderDialog.h"

#include "framework/Captions.h"

const wchar_t FOLDER_DEFAULT_PROMPT[] = L"ﾌｫﾙﾀﾞを選択して下さい。";

CFolderTexts SourceFolderTexts(bool bAddLoad)
{
    std::wstring strMark = bAddLoad ? L"(追加読込)" : L"";
    return {L"複写元" + strMark + L"ﾃﾞｨﾚｸﾄﾘの選択", L"複写元" + strMark + L"ﾃﾞｨﾚｸﾄﾘを選択してください。"};
}

CFolderTexts DestinationFolderTexts()
{
    return {L"複写先ﾃﾞｨﾚｸﾄﾘの選択", L"複写先ﾃﾞｨﾚｸﾄﾘを選択してください。"};
}

CFolderTexts ErrorLogFolderTexts()
{
    return {L"ｴﾗｰﾛｸﾞﾌｧｲﾙの保存場所を選択", L"ｴﾗｰﾛｸﾞﾌｧｲﾙの保存場所を選択してください。"};
}

CFolderTexts ErrorLogOptionFolderTexts()
{
    return {L"ｴﾗｰﾛｸﾞ保存ﾃﾞｨﾚｸﾄﾘの選択", L"ｴﾗｰﾛｸﾞの保存ﾃﾞｨﾚｸﾄﾘを選択してください。"};
}

std::wstring FolderNotUsableText(int nResult, const std::wstring &strPath)
{
    if (nResult == FOLDER_TOO_LONG)
        return L"選択されたﾌｫﾙﾀﾞはﾊﾟｽが長すぎる為(" + std::to_wstring(strPath.size()) +
               L" 文字)、使用できません。\nﾊﾟｽが " + std::to_wstring(MAX_PATH - 1) +
               L" 文字以内のﾌｫﾙﾀﾞを選択してください。";
    return L"選択されたものはﾌｫﾙﾀﾞではない為、使用できません。\nﾌｫﾙﾀﾞを選択してください。";
}

CFolderDialog::CFolderDialog(HWND hOwner, const wchar_t *pszPath) : m_strPath(pszPath ? pszPath : L""), m_hOwner(hOwner)
{
}

int CFolderDialog::Browse(const wchar_t *pszPrompt, const wchar_t *pszInitialPath, HWND hOwner)
{
    CFolderRequest req;
    req.hOwner = hOwner ? hOwner : m_hOwner;
    if (!req.hOwner)
        return FOLDER_NOT_SHOWN;

    const std::wstring strBefore = m_strPath;
    if (pszInitialPath)
        m_strPath = pszInitialPath;

    req.strCaption = m_strCaption;
    req.strPrompt = pszPrompt ? pszPrompt : FOLDER_DEFAULT_PROMPT;
    req.strInitialPath = m_strPath;
    req.nRootFolder = m_nRootFolder;
    req.nFlags = m_nFlags;

    std::wstring strChosen;
    const int nResult = UiBrowseForFolder(req, strChosen);
    if (nResult == FOLDER_CHOSEN) {
        m_strPath = strChosen;
        return nResult;
    }
    m_strPath = strBefore; // nothing was chosen: the path is what it was
    // A confirmed folder that gives no path is no choice: the user is told why.
    if (nResult == FOLDER_TOO_LONG || nResult == FOLDER_NO_PATH)
        UiMessageBox(req.hOwner, FolderNotUsableText(nResult, strChosen), CAPTION_ERROR, MB_OK | MB_ICONSTOP);
    return nResult;
}

int CFolderDialog::Browse(const CFolderTexts &texts, const wchar_t *pszInitialPath, HWND hOwner)
{
    m_strCaption = texts.strCaption;
    return Browse(texts.strPrompt.c_str(), pszInitialPath, hOwner);
}
