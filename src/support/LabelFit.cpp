#include "support/LabelFit.h"

namespace {

// One axis of a box: [*pStart, *pEnd) and its need.
struct CSpan {
    LONG *pStart;
    LONG *pEnd;
    int nNeed;
};

void FitAxis(std::vector<CSpan> &spans, LONG &nExtent, bool &bChanged)
{
    // Each insertion satisfies at least the box it was made for, so this ends.
    for (size_t nRound = 0; nRound <= spans.size(); ++nRound) {
        const CSpan *pShort = nullptr;
        for (const CSpan &s : spans) {
            if (*s.pEnd - *s.pStart >= s.nNeed)
                continue;
            // The nearest far edge first: a column inserted there may already widen the others.
            if (!pShort || *s.pEnd < *pShort->pEnd)
                pShort = &s;
        }
        if (!pShort)
            return;
        const LONG nEdge = *pShort->pEnd;
        const LONG d = pShort->nNeed - (*pShort->pEnd - *pShort->pStart);
        for (CSpan &s : spans) {
            if (*s.pStart >= nEdge)
                *s.pStart += d;
            if (*s.pEnd >= nEdge)
                *s.pEnd += d;
        }
        if (nExtent >= nEdge)
            nExtent += d;
        bChanged = true;
    }
}

} // namespace

CFitResult FitBoxes(const std::vector<CFitBox> &boxes, SIZE sizeClient)
{
    CFitResult out;
    out.sizeClient = sizeClient;
    for (const CFitBox &b : boxes)
        out.rects.push_back(b.rc);
    std::vector<CSpan> xs, ys;
    for (size_t i = 0; i < boxes.size(); ++i) {
        RECT &rc = out.rects[i];
        xs.push_back(CSpan{&rc.left, &rc.right, boxes[i].cxNeed});
        ys.push_back(CSpan{&rc.top, &rc.bottom, boxes[i].cyNeed});
    }
    FitAxis(xs, out.sizeClient.cx, out.bChanged);
    FitAxis(ys, out.sizeClient.cy, out.bChanged);
    return out;
}
