#include "app/CKAVDoc.h"

#include "platform/AppTitle.h"

void CKAVDoc::OnNewDocument()
{
    m_Title = MainCaption;
    emit TitleChanged(m_Title);
}
