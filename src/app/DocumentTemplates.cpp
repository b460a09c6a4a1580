#include "app/DocumentTemplates.h"

#include "app/MenuResources.h"
#include "app/ReferenceApp.h"
#include "framework/DocTemplate.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelView.h"
#include "instruments/IdentifyDoc.h"
#include "instruments/IdentifyView.h"
#include "instruments/InstrumFrame.h"
#include "instruments/InstrumView.h"
#include "instruments/KeyboardDoc.h"
#include "instruments/RecorderView.h"
#include "instruments/SheetDoc.h"
#include "instruments/StringedDoc.h"
#include "instruments/WindDoc.h"
#include "midi/AudioDoc.h"
#include "midi/AudioView.h"
#include "midi/KeyboardInputDoc.h"
#include "midi/MidiDoc.h"
#include "midi/MidiView.h"
#include "text/GeneralDoc.h"
#include "text/GeneralFrame.h"
#include "text/GeneralView.h"

namespace {

using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;

template <class Frame, class View>
std::unique_ptr<CDocTemplate> MakeTemplate(CReferenceApp& app, int resourceId, const std::string& strings,
                                           DocumentFactory document)
{
    CDocTemplate::Factories factories{
        std::move(document),
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
    DocumentFactory general = [&app] { return std::make_unique<CGeneralDoc>(app.LoadingLayout()); };
    DocumentFactory model = [&app] { return std::make_unique<CModelDoc>(app); };
    DocumentFactory midi = [&app] { return std::make_unique<CMidiDoc>(app.Player(), app.LoadingLayout()); };
    DocumentFactory audio = [&app] { return std::make_unique<CAudioDoc>(*app.ports.media); };
    DocumentFactory keyboardInput = [&app] { return std::make_unique<CKeyboardInputDoc>(app.Player()); };
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(MakeTemplate<CGeneralFrame, CGeneralView>(app, IDR_GENERAL, kGeneralStrings, general));
    templates.push_back(MakeTemplate<CGeneralFrame, CModelView>(app, IDR_MODEL, kModelStrings, model));
    DocumentFactory stringed = [&app] { return std::make_unique<CStringedDoc>(app); };
    DocumentFactory keyboard = [&app] { return std::make_unique<CKeyboardDoc>(app); };
    DocumentFactory sheet = [&app] { return std::make_unique<CSheetDoc>(app); };
    DocumentFactory wind = [&app] { return std::make_unique<CWindDoc>(app); };
    templates.push_back(MakeTemplate<CInstrumFrame, CInstrumView>(app, IDR_STRINGED, kInstrumentStrings, stringed));
    templates.push_back(MakeTemplate<CInstrumFrame, CInstrumView>(app, IDR_KEYBOARD, kInstrumentStrings, keyboard));
    templates.push_back(MakeTemplate<CInstrumFrame, CInstrumView>(app, IDR_SHEET, kInstrumentStrings, sheet));
    templates.push_back(MakeTemplate<CInstrumFrame, CInstrumView>(app, IDR_WIND, kInstrumentStrings, wind));
    templates.push_back(MakeTemplate<CGeneralFrame, CAudioView>(app, IDR_AUDIO, kAudioStrings, audio));
    templates.push_back(MakeTemplate<CGeneralFrame, CMidiView>(app, IDR_MIDI, kMidiStrings, midi));
    templates.push_back(
        MakeTemplate<CGeneralFrame, CRecorderView>(app, IDR_KEYBOARD_INPUT, "", keyboardInput));
    DocumentFactory identify = [&app] { return std::make_unique<CIdentifyDoc>(app); };
    templates.push_back(MakeTemplate<CGeneralFrame, CIdentifyView>(app, IDR_IDENTIFY, "", identify));
    return templates;
}
