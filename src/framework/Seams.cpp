#include "framework/Seams.h"

#include "framework/FilePicker.h"
#include "framework/FolderPicker.h"

namespace {
CUiSeams g_platformSeams;
CUiSeams *g_pSeams = &g_platformSeams;
} // namespace

int CUiSeams::MessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType)
{
    return ::MessageBoxW(hOwner, strText.c_str(), strCaption.c_str(), nType);
}

int CUiSeams::BrowseForFolder(const CFolderRequest &req, std::wstring &strPath)
{
    return ShowShellFolderPicker(req, strPath);
}

bool CUiSeams::ChooseFile(const CFileRequest &req, std::wstring &strPath)
{
    return ShowFilePicker(req, strPath);
}

SHORT CUiSeams::GetAsyncKeyState(int nVirtKey)
{
    return ::GetAsyncKeyState(nVirtKey);
}

void CUiSeams::MessageBeep(UINT nType)
{
    ::MessageBeep(nType);
}

void CUiSeams::OnModalDialogInit(CDialog &) {}

CUiSeams &UiSeams()
{
    return *g_pSeams;
}

CUiSeams *SetUiSeams(CUiSeams *pSeams)
{
    CUiSeams *pOld = g_pSeams;
    g_pSeams = pSeams ? pSeams : &g_platformSeams;
    return pOld == &g_platformSeams ? nullptr : pOld;
}

int UiMessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType)
{
    return UiSeams().MessageBox(hOwner, strText, strCaption, nType);
}

int UiBrowseForFolder(const CFolderRequest &req, std::wstring &strPath)
{
    return UiSeams().BrowseForFolder(req, strPath);
}

bool UiChooseFile(const CFileRequest &req, std::wstring &strPath)
{
    return UiSeams().ChooseFile(req, strPath);
}

SHORT UiGetAsyncKeyState(int nVirtKey)
{
    return UiSeams().GetAsyncKeyState(nVirtKey);
}

void UiMessageBeep(UINT nType)
{
    UiSeams().MessageBeep(nType);
}

bool UiIsKeyDown(int nVirtKey)
{
    return (UiGetAsyncKeyState(nVirtKey) & 0x8000) != 0;
}
