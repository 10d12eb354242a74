#include "framework/CListBox.h"

#include <string>

CString CListBox::GetText(int index) const
{
    LRESULT length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR || length <= 0)
        return CString();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    return CString(text.c_str(), got > 0 ? static_cast<size_t>(got) : 0);
}
