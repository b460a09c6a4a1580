#include "app/DocumentTemplates.h"

#include "app/MenuResources.h"
#include "app/UnavailableDoc.h"
#include "app/ReferenceApp.h"
#include "framework/DocTemplate.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelView.h"
#include "midi/MidiDoc.h"
#include "midi/MidiView.h"
#include "text/GeneralDoc.h"
#include "text/GeneralFrame.h"
#include "text/GeneralView.h"

namespace {

template <class Doc, class Frame, class View>
std::unique_ptr<CDocTemplate> MakeTemplate(CReferenceApp& app, int resourceId, const std::string& strings)
{
    CDocTemplate::Factories factories{
        [&app]() -> std::unique_ptr<CDocument> {
            if constexpr (std::is_constructible_v<Doc, CReferenceApp&>) {
                return std::make_unique<Doc>(app);
            } else {
                (void)app;  // only documents that share the application's tables take it
                return std::make_unique<Doc>();
            }
        },
        [] { return std::make_unique<Frame>(); },
        [] { return std::make_unique<View>(); },
    };
    return std::make_unique<CDocTemplate>(app, resourceId, strings, std::move(factories));
}

const char* const kGeneralStrings =
    "\nMorvix\nMorvix Reference Document\nGeneral Morvix files (*.txt; *.mve)\n.txt;.mve\n"
    "Morvix.Document\nMorvix Document\ntxt\nGeneral Morvix files";
const char* const kModelStrings = "\nModel\nModel Document\n\n\nModel.Document\nModel Document";
const char* const kInstrumentStrings = "\nInstrument\nMorvix Reference Instrument\n\n\n\n\n\n";
const char* const kAudioStrings =
    "\nAudio\nAudio File\nAudio files (*.mid; *.wav; *.mp3; *.wma)\n.mid;.wav;.mp3;.wma\n"
    "Morvix.Document\nMorvix Audio Document\nmva\nMorvix Audio file";
const char* const kMidiStrings =
    "\nMIDI\nMidi File\nMidi files (*.mid)\n.mid\nMorvix.Document\nMorvix Midi Document\nmvm\nMorvix Midi file";

} // namespace

std::vector<std::unique_ptr<CDocTemplate>> MakeDocumentTemplates(CReferenceApp& app)
{
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(MakeTemplate<CGeneralDoc, CGeneralFrame, CGeneralView>(app, IDR_GENERAL, kGeneralStrings));
    templates.push_back(MakeTemplate<CModelDoc, CGeneralFrame, CModelView>(app, IDR_MODEL, kModelStrings));
    for (int id : {IDR_STRINGED, IDR_KEYBOARD, IDR_SHEET, IDR_WIND})
        templates.push_back(MakeTemplate<CUnavailableDoc, CGeneralFrame, CGeneralView>(app, id, kInstrumentStrings));
    templates.push_back(MakeTemplate<CUnavailableDoc, CGeneralFrame, CGeneralView>(app, 139, kAudioStrings));
    templates.push_back(MakeTemplate<CMidiDoc, CGeneralFrame, CMidiView>(app, IDR_MIDI, kMidiStrings));
    templates.push_back(MakeTemplate<CUnavailableDoc, CGeneralFrame, CGeneralView>(app, IDR_KEYBOARD_INPUT, ""));
    return templates;
}
