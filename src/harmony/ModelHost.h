#pragma once
// What a model document asks of the application that owns it: the shared
// speller and catalogues, the history, the open models, the model menu and
// whether a startup layout is being restored, and a new window for an
// instrument catalogue entry. The application implements it and its model
// template hands it to every model it makes.
#include "framework/Menu.h"

class CChordCatalog;
class CDocument;
class CModelDoc;
class CModelHistory;
class CModelRoster;
class CNoteSpeller;
class CScaleCatalog;

class IModelHost {
public:
    virtual const CNoteSpeller& Speller() const = 0;
    virtual const CScaleCatalog& Scales() const = 0;
    virtual const CChordCatalog& Chords() const = 0;
    virtual CModelHistory& History() = 0;
    virtual CModelRoster& Models() = 0;
    // A model frame's own copy of the model menu, sharing the catalogue popups.
    virtual MenuPtr ModelMenu() const = 0;
    virtual bool LoadingLayout() const = 0;
    // Opens a new model window; null when it could not be made.
    virtual CModelDoc* NewModel() = 0;
    // Opens a new document for the instrument catalogue entry, of the
    // template its kind names (visible unless a layout is being restored);
    // null, after telling the user, when the entry cannot be opened.
    virtual CDocument* OpenInstrument(int entryIndex) = 0;

protected:
    ~IModelHost() = default;
};
