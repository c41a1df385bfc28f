#include "ScriptedSeams.h"

#include "framework/Dialog.h"

#include <gtest/gtest.h>

namespace {
std::string Narrow(const std::wstring &s)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    if (n > 1)
        ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}
} // namespace

CScriptedSeams::CScriptedSeams() : m_pPrevious(SetUiSeams(this)) {}

CScriptedSeams::~CScriptedSeams()
{
    SetUiSeams(m_pPrevious);
    // An answer nobody asked for means the program did not ask what the test expected. After a
    // failure the rest of a script is left over anyway.
    if (::testing::Test::HasFailure())
        return;
    if (!m_listMessageAnswers.empty())
        ADD_FAILURE() << m_listMessageAnswers.size() << " message box answer(s) left unused";
    if (!m_listFolderAnswers.empty())
        ADD_FAILURE() << m_listFolderAnswers.size() << " folder picker answer(s) left unused";
    if (!m_listFileAnswers.empty())
        ADD_FAILURE() << m_listFileAnswers.size() << " file dialog answer(s) left unused";
    if (!m_listDialogActions.empty())
        ADD_FAILURE() << m_listDialogActions.size() << " dialog action(s) left unused";
}

int CScriptedSeams::MessageBox(HWND, const std::wstring &strText, const std::wstring &strCaption, UINT nType)
{
    m_listMessages.push_back({strText, strCaption, nType});
    if (m_listMessageAnswers.empty()) {
        ADD_FAILURE() << "unanswered message box: " << Narrow(strCaption) << " / " << Narrow(strText);
        return IDCANCEL;
    }
    int n = m_listMessageAnswers.front();
    m_listMessageAnswers.pop_front();
    return n;
}

int CScriptedSeams::BrowseForFolder(const CFolderRequest &req, std::wstring &strPath)
{
    m_listFolders.push_back({req});
    if (m_listFolderAnswers.empty()) {
        ADD_FAILURE() << "unanswered folder picker: " << Narrow(req.strCaption);
        return FOLDER_CANCELLED;
    }
    auto answer = m_listFolderAnswers.front();
    m_listFolderAnswers.pop_front();
    if (answer.first == FOLDER_CHOSEN || answer.first == FOLDER_TOO_LONG)
        strPath = answer.second;
    return answer.first;
}

bool CScriptedSeams::ChooseFile(const CFileRequest &req, std::wstring &strPath)
{
    m_listFileRequests.push_back(req);
    if (m_listFileAnswers.empty()) {
        ADD_FAILURE() << "unanswered file dialog";
        return false;
    }
    const std::wstring strAnswer = m_listFileAnswers.front();
    m_listFileAnswers.pop_front();
    if (strAnswer.empty())
        return false;
    strPath = strAnswer;
    return true;
}

SHORT CScriptedSeams::GetAsyncKeyState(int nVirtKey)
{
    auto it = m_mapKeysDown.find(nVirtKey);
    return (it != m_mapKeysDown.end() && it->second) ? static_cast<SHORT>(0x8000) : 0;
}

void CScriptedSeams::MessageBeep(UINT nType)
{
    m_listBeeps.push_back(nType);
}

void CScriptedSeams::OnModalDialogInit(CDialog &dlg)
{
    ++m_nDialogs;
    if (m_listDialogActions.empty()) {
        ADD_FAILURE() << "unscripted modal dialog " << dlg.m_nIDTemplate;
        dlg.PostButtonClick(IDCANCEL);
        return;
    }
    auto action = std::move(m_listDialogActions.front());
    m_listDialogActions.pop_front();
    action(dlg);
}
