// Answers the program's questions during a test and records what was asked.
// Install one for the duration of a test; unanswered questions fail the test instead of hanging it,
// and so do answers and dialog actions still unused at the end.
#pragma once
#include "framework/Seams.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct CAskedMessage {
    std::wstring strText;
    std::wstring strCaption;
    UINT nType;
};

struct CAskedFolder {
    CFolderRequest req;
};

class CScriptedSeams : public CUiSeams {
public:
    CScriptedSeams();
    ~CScriptedSeams() override;

    // Answers, taken in order.
    std::deque<int> m_listMessageAnswers;
    // A folder answer: FOLDER_CHOSEN or FOLDER_TOO_LONG with a path, or another outcome.
    std::deque<std::pair<int, std::wstring>> m_listFolderAnswers;
    // Actions on modal dialogs, one per dialog, in order (set controls, press a button).
    std::deque<std::function<void(CDialog &)>> m_listDialogActions;
    // File dialog answers: a path, or an empty text for a cancel.
    std::deque<std::wstring> m_listFileAnswers;
    // Keys held down (virtual-key codes).
    std::map<int, bool> m_mapKeysDown;

    // What was asked.
    std::vector<CAskedMessage> m_listMessages;
    std::vector<CAskedFolder> m_listFolders;
    std::vector<CFileRequest> m_listFileRequests;
    std::vector<UINT> m_listBeeps;
    int m_nDialogs = 0;

    int MessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType) override;
    int BrowseForFolder(const CFolderRequest &req, std::wstring &strPath) override;
    bool ChooseFile(const CFileRequest &req, std::wstring &strPath) override;
    SHORT GetAsyncKeyState(int nVirtKey) override;
    void MessageBeep(UINT nType) override;
    void OnModalDialogInit(CDialog &dlg) override;

private:
    CUiSeams *m_pPrevious;
};
