// A small window program for the driver's own tests, run as a second process of the driver
// (--helper=window): a tool bar, a tree view and edits with the main window's control ids, and a
// log of what reached it. Tool bar commands open a message box and the shell's folder picker.
#pragma once
#include <string>

constexpr const wchar_t *HELPER_CAPTION = L"Driver Helper";
constexpr const wchar_t *HELPER_BOX_CAPTION = L"確認";
constexpr const wchar_t *HELPER_BOX_TEXT = L"ディレクトリ \"a b\" を削除します。\nよろしいですか？";
constexpr const wchar_t *HELPER_PICKER_CAPTION = L"複写先の選択";

enum {
    HELPER_ID_LOG = 1001,
    HELPER_ID_TOOLBAR = 1004,
    HELPER_ID_PATH = 1013,
    HELPER_ID_TREE = 1015,
    HELPER_ID_TEXT = 1041,
    HELPER_CMD_LOG = 32771,    // writes "command 32771" to the log
    HELPER_CMD_OFF = 32772,    // disabled
    HELPER_CMD_BOX = 32773,    // asks HELPER_BOX_TEXT, logs "answer N"
    HELPER_CMD_FOLDER = 32774, // opens the folder picker, logs "folder PATH" or "folder cancelled"
};

int RunHelper(const std::wstring &strKind);
