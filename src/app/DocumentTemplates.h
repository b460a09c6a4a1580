#pragma once
#include <memory>
#include <vector>

class CReferenceApp;
class CDocTemplate;

// The nine document templates, in the order of their positions.
std::vector<std::unique_ptr<CDocTemplate>> MakeDocumentTemplates(CReferenceApp& app);
