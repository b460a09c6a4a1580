#include "harmony/ModelView.h"

#include "framework/Application.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Frame.h"
#include "framework/TextControl.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelHistory.h"
#include "harmony/ModelHost.h"
#include "harmony/NotationDialog.h"

CModelView::CModelView()
{
    auto withModel = [this](void (*action)(CModelDoc&, int)) {
        return [this, action](int id) {
            if (CModelDoc* model = Model())
                action(*model, id);
        };
    };
    auto checks = [this](int id, CommandState& state) { UpdateChecks(Model(), id, state); };
    OnRange(ID_KEY_FIRST, ID_KEY_LAST, withModel(&CModelView::OnKey), checks);
    OnRange(ID_SCALE_FIRST, ID_SCALE_FIRST + kCommandRangeSize - 1, withModel(&CModelView::OnScale), checks);
    OnRange(ID_CHORD_FIRST, ID_CHORD_FIRST + kCommandRangeSize - 1, withModel(&CModelView::OnChord), checks);
    OnRange(ID_INSTRUMENT_FIRST, ID_INSTRUMENT_FIRST + kCommandRangeSize - 1, [this](int id) { OnInstrument(id); });
    OnRange(ID_FRAME_FIRST, ID_FRAME_FIRST + kCommandRangeSize - 1, [this](int id) { OnFrameItem(id); });
    On(ID_NOTATION, [this] { OnNotation(); });
    On(ID_FILE_SAVE, [this] { OnSave(); });
    On(ID_FILE_SAVE_AS, [this] { OnSaveAs(); });
}

CModelDoc* CModelView::Model() const
{
    return dynamic_cast<CModelDoc*>(GetDocument());
}

MenuPtr CModelView::ContextMenu()
{
    MenuPtr menu = GetDocument()->Template().ContextMenu();
    return menu ? menu->FirstPopup() : nullptr;
}

void CModelView::OnInitialUpdate()
{
    ShowReport();
}

void CModelView::OnUpdate(CView* sender, int hint)
{
    if (hint == CModelDoc::kHintReport)
        ShowReport();
    else
        CGeneralView::OnUpdate(sender, hint);
}

// The report is the model's; the user reads and copies it but never edits it.
void CModelView::ShowReport()
{
    ITextControl* text = TextControl();
    if (!text)
        return;
    text->SetText(Model() ? Model()->State().reportText : std::string());
    text->SetReadOnly(true);
    text->SetModified(false);
}

void CModelView::OnKey(CModelDoc& model, int id)
{
    const KeyCommand* key = FindKeyCommand(id);
    if (!key)
        return;
    model.Host().History().SetSelection(model, -1);
    model.SelectKey(std::string(key->name));
}

void CModelView::OnScale(CModelDoc& model, int id)
{
    model.Host().History().SetSelection(model, -1);
    model.DropPresetChord();
    model.SelectScale(id - ID_SCALE_FIRST);
}

void CModelView::OnChord(CModelDoc& model, int id)
{
    model.Host().History().SetSelection(model, -1);
    model.SelectChord(id - ID_CHORD_FIRST);
}

void CModelView::UpdateChecks(const CModelDoc* model, int id, CommandState& state)
{
    if (!model)
        return;
    if (const KeyCommand* key = FindKeyCommand(id))
        state.checked = key->name == model->State().keyName;
    else if (id >= ID_CHORD_FIRST)
        state.checked = id == ID_CHORD_FIRST + model->State().chordIndex;
    else
        state.checked = id == ID_SCALE_FIRST + model->State().scaleIndex;
}

void CModelView::OnNotation()
{
    CModelDoc* model = Model();
    if (!model)
        return;
    char chordset = model->State().chordset;
    char chordTones = model->State().chordTones;
    char notation = ChooseNotation(*model->App().ports.prompts, model->State().notation, chordset, chordTones);
    model->SetNotation(notation, chordset, chordTones);
}

void CModelView::OnSave()
{
    if (CModelDoc* model = Model()) {
        model->SaveSettings();
        model->App().MessageBox("Model profile saved.", MessageIcon::Information);
    }
}

void CModelView::OnSaveAs()
{
    GetDocument()->App().MessageBox(
        "Use Select and Copy edit functions to acquire this Model information\n"
        "into clipboard then Paste into any document with compatable fonts.",
        MessageIcon::Information);
}

void CModelView::OnFrameItem(int id)
{
    if (CModelDoc* model = Model())
        model->ActivateInstrument(id - ID_FRAME_FIRST);
}

void CModelView::OnInstrument(int id)
{
    if (CModelDoc* model = Model())
        model->AddInstrument(id - ID_INSTRUMENT_FIRST);
}

std::string CModelView::AccessibleSummary()
{
    CModelDoc* model = Model();
    return model ? model->State().Heading() : std::string();
}

std::string CModelView::WhatsThis() const
{
    return "The model: the key, scale and chord chosen in the Key, Scale and Chord menus, their notes "
           "in the chosen notation, the pattern of steps and the instruments that show the model. "
           "Select and copy it like any text.";
}
