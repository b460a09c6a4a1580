#include "app/UnavailableDoc.h"

#include "framework/Application.h"
#include "framework/DocTemplate.h"

bool CUnavailableDoc::OnNewDocument()
{
    Refuse({});
    return false;
}

bool CUnavailableDoc::OnOpenDocument(const std::string& path)
{
    Refuse(path + "\n\n");
    return false;
}

void CUnavailableDoc::Refuse(const std::string& prefix)
{
    App().MessageBox(prefix + Template().GetString(CDocTemplate::docName) +
                         " documents are not available in this version of Morvix Music Reference.",
                     MessageIcon::Warning);
    saved = true;
}
