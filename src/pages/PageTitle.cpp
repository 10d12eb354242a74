#include "pages/PageTitle.h"

#include "text/TextTable.h"

void ShowPageTitle(CLinkLabel& title, const char* textName)
{
    title.SetItalic(TRUE).SetPointSize(15).SetBold(TRUE).SetText(GetTextOrEmpty(textName)).SetTextColor(kPageBlue);
}
