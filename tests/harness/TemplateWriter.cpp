#include "TemplateWriter.h"

CTemplateWriter::CTemplateWriter(DWORD dwStyle, short x, short y, short cx, short cy, const std::wstring &strCaption)
{
    DWord(dwStyle | DS_SETFONT);
    DWord(0);
    Word(0); // controls, counted by AddControl
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0); // menu
    Word(0); // class
    String(strCaption);
    Word(9);
    String(L"ＭＳ Ｐゴシック");
}

void CTemplateWriter::AddControl(WORD nClass, WORD nID, DWORD dwStyle, short x, short y, short cx, short cy,
                                 const std::wstring &strText)
{
    Align4();
    DWord(dwStyle | WS_CHILD | WS_VISIBLE);
    DWord(0);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(nID);
    Word(0xFFFF);
    Word(nClass);
    String(strText);
    Word(0);
    ++m_buf[4]; // cdit
}

void CTemplateWriter::String(const std::wstring &s)
{
    for (wchar_t ch : s)
        Word(static_cast<WORD>(ch));
    Word(0);
}

void CTemplateWriter::Align4()
{
    if (m_buf.size() % 2)
        Word(0);
}
