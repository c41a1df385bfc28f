// The main window as the user sees it, for the benchmarks that scan into it: shown, files read.
#pragma once
#include "app/MainDlg.h"
#include "framework/App.h"
#include "res/resource.h"

#include <cstdio>

inline bool OpenBenchMainWindow(CMainDlg &dlg)
{
    InitCommonControlClasses();
    if (!dlg.Create(IDD_PELNIX_DIALOG, nullptr)) {
        std::printf("no main window\n");
        return false;
    }
    dlg.ShowWindow(SW_SHOW);
    dlg.m_tree.NotCopyFile = 0;
    return true;
}
