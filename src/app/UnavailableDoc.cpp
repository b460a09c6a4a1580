#include "app/UnavailableDoc.h"

#include "framework/Application.h"
#include "framework/DocTemplate.h"

bool CUnavailableDoc::OnNewDocument()
{
    App().MessageBox("This version cannot open a new " + Template().GetString(CDocTemplate::fileNewName) + " yet.",
                     MessageIcon::Warning);
    saved = true;
    return false;
}

bool CUnavailableDoc::OnOpenDocument(const std::string& path)
{
    App().MessageBox("This version cannot open " + path + " as a " +
                         Template().GetString(CDocTemplate::fileNewName) + " yet.",
                     MessageIcon::Warning);
    saved = true;
    return false;
}
