#pragma once
// What the Identify window needs from the application: the catalogues it
// searches and the model a chosen result is shown in.
#include <string>

class CChordCatalog;
class CScaleCatalog;

class IIdentifyHost {
public:
    virtual const CScaleCatalog& Scales() const = 0;
    virtual const CChordCatalog& Chords() const = 0;
    // The primary model takes this key, scale record and chord record (-1:
    // no chord) as one change; a model is opened when none is.
    virtual void ShowInPrimaryModel(const std::string& key, int scale, int chord) = 0;

protected:
    ~IIdentifyHost() = default;
};
