// The rule for a directory name the user types: it must name one entry inside its parent and
// nothing else, on every file system the program writes to.
#pragma once
#include <string>
#include <string_view>

enum ItemNameCheck {
    NAME_OK,
    NAME_EMPTY,
    NAME_DOTS,         // "." or ".."
    NAME_BAD_CHAR,     // one of \ / : * ? " < > |
    NAME_CONTROL_CHAR, // below U+0020
    NAME_TRAILING,     // ends in a period or a space
    NAME_RESERVED,     // a device name (CON, NUL, COM1 ...), with or without an extension
    NAME_TOO_LONG,     // more than ITEM_NAME_MAX characters
};

constexpr size_t ITEM_NAME_MAX = 255;

ItemNameCheck CheckItemName(std::wstring_view strName);

// What the user is told when a name is refused (empty for NAME_OK).
std::wstring ItemNameErrorText(ItemNameCheck nCheck);
