#include "dialogs/VersionLayout.h"

#include <algorithm>

namespace {
constexpr int kMargin = 7;
constexpr int kLineGap = 4;
constexpr int kLineCount = 4;

RECT MakeRect(int x, int y, int cx, int cy)
{
    return RECT{x, y, x + cx, y + cy};
}
} // namespace

CVersionLayout ComputeVersionLayout(const CVersionMeasure &m)
{
    CVersionLayout out;
    const int cyTextBand = kLineCount * m.cyText + 12;
    int cyContent = cyTextBand;
    int xText = kMargin;
    if (m.bBitmap) {
        cyContent = std::max(cyContent, static_cast<int>(m.sizeBitmapCtrl.cy));
        out.sizeClient.cx = m.cxText + m.sizeBitmapCtrl.cx + 18;
        // A picture lower than the text band is centred beside it.
        const int cyBand = kLineCount * m.cyText + 16;
        const int yBitmap = m.sizeBitmapCtrl.cy < cyBand ? (cyBand - m.sizeBitmapCtrl.cy) / 2 + kMargin : kMargin;
        out.rcBitmap = MakeRect(kMargin, yBitmap, m.sizeBitmapCtrl.cx, m.sizeBitmapCtrl.cy);
        xText = out.rcBitmap.right + kLineGap;
    } else {
        out.sizeClient.cx = m.cxText + 2 * kMargin;
    }
    out.sizeClient.cy = m.sizeButton.cy + cyContent + 18;
    for (int i = 0; i < kLineCount; ++i)
        out.rcLines[i] = MakeRect(xText, i * (m.cyText + kLineGap) + kMargin, m.cxText, m.cyText);
    out.rcOK = MakeRect((out.sizeClient.cx - m.sizeButton.cx) / 2, out.sizeClient.cy - kMargin - m.sizeButton.cy,
                        m.sizeButton.cx, m.sizeButton.cy);
    return out;
}
