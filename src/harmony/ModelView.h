#pragma once
// The model's report view: a read-only text of the model, and the place
// where the Key, Scale, Chord, Instrument and Frame menus arrive.
#include "text/GeneralView.h"

class CModelDoc;

class CModelView : public CGeneralView {
public:
    CModelView();
    MenuPtr ContextMenu() override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, int hint) override;
    std::string WhatsThis() const override;
    // The model's key, scale and chord.
    std::string AccessibleSummary() override;
    CModelDoc* Model() const;

    // Shared with the instrument views, which forward these ranges.
    static void OnKey(CModelDoc& model, int id);
    static void OnScale(CModelDoc& model, int id);
    static void OnChord(CModelDoc& model, int id);
    static void UpdateChecks(const CModelDoc* model, int id, CommandState& state);

private:
    void ShowReport();
    void OnNotation();
    void OnSave();
    void OnSaveAs();
    void OnFrameItem(int id);
    void OnInstrument(int id);
};
