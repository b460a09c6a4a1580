#pragma once
// What a model asks of the instrument windows attached to it. The
// instrument documents implement it; the model knows them only this way,
// so harmony stays below the instruments.
class CModelDoc;

class IModelInstrument {
public:
    // Binds the instrument to the model and to its catalogue entry.
    virtual void AttachEntry(CModelDoc& model, int entryIndex) = 0;
    // The model changed: recompute the marks and redraw.
    virtual void UpdateNoteMarks() = 0;

protected:
    ~IModelInstrument() = default;
};
