#include "support/NameTwins.h"

#include <windows.h>

#include <unordered_map>

std::wstring DestNameKey(const std::wstring &strName)
{
    size_t n = strName.find_last_not_of(L". ");
    std::wstring strKey = n == std::wstring::npos ? strName : strName.substr(0, n + 1);
    if (!strKey.empty())
        ::CharUpperBuffW(strKey.data(), static_cast<DWORD>(strKey.size()));
    return strKey;
}

std::vector<size_t> FindNameTwins(const std::vector<std::wstring> &listNames)
{
    std::vector<size_t> listTwins(listNames.size(), kNoTwin);
    std::unordered_map<std::wstring, size_t> mapFirst;
    for (size_t i = 0; i < listNames.size(); ++i) {
        const auto [it, bNew] = mapFirst.emplace(DestNameKey(listNames[i]), i);
        if (!bNew)
            listTwins[i] = it->second;
    }
    return listTwins;
}
