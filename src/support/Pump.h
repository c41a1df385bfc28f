// Keeps windows alive during long loops on the user-interface thread.
#pragma once

// Translates and dispatches every message waiting in this thread's queue, then returns 0.
// Never waits; WM_QUIT is dispatched like any other message.
int PumpMessages();
