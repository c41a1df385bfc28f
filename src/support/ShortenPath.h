// Shortening a status line to a width: a path loses characters from its middle so that the drive
// and the file name stay readable; other text loses its end.
#pragma once
#include <functional>
#include <string>

enum {
    SHORTEN_AT_END = 0,    // "text..."
    SHORTEN_IN_MIDDLE = 1, // "D:\Data\Pro...\summary.txt"
};

// Width of a text in whatever unit the limit is given in (pixels of a control's font).
using CTextMeasure = std::function<int(const std::wstring &)>;

// The longest form of strText, cut one character at a time, whose width is within nLimit. A text
// that cannot be cut (in the middle mode: no directory part between the first and the last
// backslash) is returned whole even when it is too wide; a cut down to nothing keeps the "...".
std::wstring ShortenPath(const std::wstring &strText, int nMode, int nLimit, const CTextMeasure &measure);
