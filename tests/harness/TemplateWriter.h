// Writes a standard in-memory dialog template, for tests that need a dialog without a resource.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class CTemplateWriter {
public:
    CTemplateWriter(DWORD dwStyle, short x, short y, short cx, short cy, const std::wstring &strCaption);
    // nClass: 0x80 button, 0x81 edit, 0x82 static, ...
    void AddControl(WORD nClass, WORD nID, DWORD dwStyle, short x, short y, short cx, short cy,
                    const std::wstring &strText);
    const DLGTEMPLATE *Get() const { return reinterpret_cast<const DLGTEMPLATE *>(m_buf.data()); }

private:
    void Word(WORD w) { m_buf.push_back(w); }
    void DWord(DWORD d)
    {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void String(const std::wstring &s);
    void Align4();

    std::vector<WORD> m_buf;
};
