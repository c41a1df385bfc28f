#include "tree/ItemInfo.h"

CItemInfo::CItemInfo(DWORD dwKindFlags) : m_dwKindFlags(dwKindFlags) {}

CItemInfo::~CItemInfo() = default;

CItemInfo &CItemInfo::operator=(const CItemInfo &src)
{
    if (this == &src)
        return *this;
    // The copies are made before our own entries go, in case src is one of them.
    CItemList listCopies;
    listCopies.reserve(src.m_listFiles.size());
    for (const auto &pEntry : src.m_listFiles)
        listCopies.push_back(pEntry->Clone());
    m_hTreeItem = src.m_hTreeItem;
    m_dwAttributes = src.m_dwAttributes;
    m_strName = src.m_strName;
    m_ftSource = src.m_ftSource;
    m_ftSpecified = src.m_ftSpecified;
    m_nTimeMode = src.m_nTimeMode;
    m_dwKindFlags = src.m_dwKindFlags;
    m_strSourcePath = src.m_strSourcePath;
    m_dwSize = src.m_dwSize;
    m_listFiles = std::move(listCopies);
    return *this;
}

std::unique_ptr<CItemInfo> CItemInfo::Clone() const
{
    auto pCopy = std::make_unique<CItemInfo>(m_dwKindFlags);
    *pCopy = *this;
    return pCopy;
}

void CItemInfo::SetCopied(bool bCopied)
{
    if (bCopied)
        m_dwKindFlags |= ITEM_FLAG_COPIED;
    else
        m_dwKindFlags &= ~static_cast<DWORD>(ITEM_FLAG_COPIED);
}

void CItemInfo::SetProcessed(bool bProcessed)
{
    if (bProcessed)
        m_dwKindFlags |= ITEM_FLAGS_PROCESSED;
    else
        m_dwKindFlags &= ~static_cast<DWORD>(ITEM_FLAGS_PROCESSED);
}

CItemInfo *CItemInfo::AppendFile(std::unique_ptr<CItemInfo> pFile)
{
    m_dwSize += pFile->m_dwSize;
    m_listFiles.push_back(std::move(pFile));
    return m_listFiles.back().get();
}

std::unique_ptr<CItemInfo> CItemInfo::RemoveFileAt(size_t nIndex)
{
    if (nIndex >= m_listFiles.size())
        return nullptr;
    std::unique_ptr<CItemInfo> pFile = std::move(m_listFiles[nIndex]);
    m_listFiles.erase(m_listFiles.begin() + static_cast<std::ptrdiff_t>(nIndex));
    m_dwSize -= pFile->m_dwSize;
    return pFile;
}
