#include "CKAVDoc.h"

#include "AppTitle.h"

void CKAVDoc::OnNewDocument()
{
    m_Title = MainCaption;
    emit TitleChanged(m_Title);
}
