// A visible top-level window to put controls in, recording the commands and private messages that
// reach it, and a way to run the thread's messages until something happened.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

struct CHostMessage {
    UINT uMsg;
    WPARAM wParam;
    LPARAM lParam;
};

class CHostWindow {
public:
    explicit CHostWindow(const RECT &rc = RECT{100, 100, 500, 400}, DWORD dwStyle = WS_POPUP | WS_VISIBLE);
    ~CHostWindow();
    CHostWindow(const CHostWindow &) = delete;
    CHostWindow &operator=(const CHostWindow &) = delete;

    HWND m_hWnd = nullptr;
    // WM_COMMAND, mouse messages and messages from WM_USER on, in order of arrival.
    std::vector<CHostMessage> m_listMessages;

    // The recorded messages of one kind.
    std::vector<CHostMessage> Received(UINT uMsg) const;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};

// Runs the thread's messages until done() holds; false when it never did within the time.
bool PumpUntil(const std::function<bool()> &done, DWORD dwTimeoutMs = 5000);
// Runs every message already queued for the thread (posted ones included).
void PumpPending();
