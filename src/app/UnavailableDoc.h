#pragma once
#include "text/GeneralDoc.h"

// Stands in for a document kind this build cannot open yet: it refuses
// with a message instead of opening an empty window.
class CUnavailableDoc : public CGeneralDoc {
public:
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;

private:
    void Refuse(const std::string& prefix);
};
