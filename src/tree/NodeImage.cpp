#include "tree/NodeImage.h"

int NodeImageIndex(DWORD dwAttributes, bool bHasFiles, bool bCopied, bool bOpen)
{
    int nIndex = 0;
    if (dwAttributes & FILE_ATTRIBUTE_READONLY)
        nIndex += 4;
    if (dwAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
        nIndex += 2;
    if (bOpen)
        nIndex += 1;
    if (bHasFiles)
        nIndex += bCopied ? 16 : 8;
    return nIndex;
}
