#include <charconv>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "cli/Catalogues.h"
#include "cli/InstrumentFields.h"
#include "cli/ModelOptions.h"
#include "cli/Subcommands.h"
#include "cli/SurfaceLog.h"
#include "harmony/ModelState.h"
#include "instruments/ClipboardText.h"
#include "instruments/InstrumBase.h"
#include "instruments/GridLines.h"
#include "instruments/InstrumentDrawing.h"
#include "instruments/KeyboardGraph.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/KeyboardText.h"
#include "instruments/SheetDrawing.h"
#include "instruments/SheetGraph.h"
#include "instruments/SheetInstrument.h"
#include "instruments/StringedInstrument.h"
#include "instruments/WindInstrument.h"
#include "platform/picture/ModulePictureWriter.h"

namespace {

constexpr const char* kUsage =
    "usage: morvix-cli draw \"NAME\" [--key K] [--scale \"FULL NAME\"] [--chord #N|N|SHORTNAME | --chord-name SHORTNAME] [--notation CODE] [--chord-tones n|i] "
    "[--chordset c|f|s] [--ascii] [--surface] [--set FIELD=VALUE ...] [--svg FILE] [--png FILE] [--zoom PERCENT]\n";

// Character set a font without line-drawing glyphs measures as, and the one
// the line-drawing fonts measure as.
constexpr int kPlainCharSet = 0;
constexpr int kSymbolCharSet = 2;
// The measured cell of the line-drawing font, and the area a graph view is
// painted into (an instrument view's first scroll size).
constexpr int kCellHeight = 12;
constexpr int kCellWidth = 8;
constexpr Rect kGraphArea{0, 0, 2112, 3168};

struct DrawOptions {
    std::string name;
    ModelOptions model;
    std::optional<std::string> chordset;
    bool ascii = false;
    bool surface = false;
    std::vector<std::pair<std::string, std::string>> fields;
    std::optional<std::string> svg;
    std::optional<std::string> png;
    std::string zoom = "100";

    bool WantsPicture() const { return svg || png; }
};

bool TakePictureOption(const std::string& word, const std::string& value, DrawOptions& options)
{
    if (word == "--svg")
        options.svg = value;
    else if (word == "--png")
        options.png = value;
    else if (word == "--zoom")
        options.zoom = value;
    else
        return false;
    return true;
}

// False for a word no option takes or a value that does not fit, which
// `problem` then names.
bool TakeOption(const SubcommandArgs& args, std::size_t& i, DrawOptions& options, std::string& problem)
{
    const std::string& word = args[i];
    if (word == "--ascii") {
        options.ascii = true;
        ++i;
        return true;
    }
    if (word == "--surface") {
        options.surface = true;
        ++i;
        return true;
    }
    bool hasValue = i + 1 < args.size();
    if (hasValue && TakePictureOption(word, args[i + 1], options)) {
        i += 2;
        return true;
    }
    if (word == "--chordset" && hasValue) {
        options.chordset = args[i + 1];
        i += 2;
        return true;
    }
    if (word == "--set" && hasValue) {
        std::size_t equals = args[i + 1].find('=');
        if (equals == std::string::npos) {
            problem = "--set takes FIELD=VALUE, not \"" + args[i + 1] + "\"";
            return false;
        }
        options.fields.emplace_back(args[i + 1].substr(0, equals), args[i + 1].substr(equals + 1));
        i += 2;
        return true;
    }
    if (!word.starts_with("--") && options.name.empty()) {
        options.name = word;
        ++i;
        return true;
    }
    bool takesValue = word == "--chordset" || word == "--set" || word == "--svg" || word == "--png" || word == "--zoom";
    if (takesValue && !hasValue) {
        problem = MissingValue(word);
        return false;
    }
    if (!options.model.Take(args, i, problem) && problem.empty())
        problem = UnknownArgument(word);
    return problem.empty();
}

bool ParseOptions(const SubcommandArgs& args, DrawOptions& options, std::ostream& err)
{
    for (std::size_t i = 0; i < args.size();) {
        std::string problem;
        if (!TakeOption(args, i, options, problem)) {
            err << "morvix-cli draw: " << problem << "\n" << kUsage;
            return false;
        }
    }
    if (options.name.empty()) {
        err << kUsage;
        return false;
    }
    if (options.chordset && (options.chordset->size() != 1 || std::string("cfs").find((*options.chordset)[0]) ==
                                                                   std::string::npos)) {
        err << "morvix-cli draw: a chord set is c, f or s\n";
        return false;
    }
    if (options.surface && options.WantsPicture()) {
        err << "morvix-cli draw: --surface prints the drawing, --svg and --png write it: choose one\n";
        return false;
    }
    return true;
}

// The scale of --zoom, within what pictures take; none when it is not a
// whole number in range.
std::optional<int> PictureScale(const DrawOptions& options, std::ostream& err)
{
    int scale = 0;
    const std::string& text = options.zoom;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
    if (error != std::errc() || end != text.data() + text.size() || scale < kSmallestPictureScale ||
        scale > kLargestPictureScale) {
        err << "morvix-cli draw: --zoom takes a whole number from " << kSmallestPictureScale << " to "
            << kLargestPictureScale << " (percent)\n";
        return std::nullopt;
    }
    return scale;
}

// The pictures --svg and --png ask for; 1 when one cannot be written.
int WritePictures(const DrawOptions& options, PictureJob job, std::ostream& err)
{
    std::optional<int> scale = PictureScale(options, err);
    if (!scale)
        return 2;
    job.title = options.name;
    job.scalePercent = *scale;
    ModulePictureWriter pictures(ProgramImageFolders());
    for (const auto& [path, format] : {std::pair{options.svg, PictureFormat::Svg}, {options.png, PictureFormat::Png}}) {
        std::string error;
        if (path && !pictures.Write(job, format, *path, error)) {
            err << "morvix-cli draw: cannot write the picture " << *path << ": " << error << "\n";
            return 1;
        }
    }
    return 0;
}

// The text view's picture: the lines in the line-drawing font.
PictureJob TextPicture(const InstrumBase& base)
{
    PixelSize size = TextGridSize(base);
    return {{}, {size.width, size.height}, 100, [&base](IDrawingSurface& surface) { PaintGridLines(surface, base); }};
}

// The instrument as a new window shows it, reset from its catalogue entry,
// with the requested fields changed.
template <typename Instrument, typename Setter>
bool Prepare(Instrument& instrument, InstrumBase& base, const std::string& entryText, const DrawOptions& options,
             Setter setField, std::ostream& err)
{
    instrument.SetDefaults(entryText);
    for (const auto& [field, value] : options.fields) {
        std::string problem;
        if (!setField(instrument, base, field, value, problem)) {
            err << "morvix-cli draw: " << problem << "\n";
            return false;
        }
    }
    return true;
}

void PrintLines(const InstrumBase& base, std::ostream& out)
{
    for (const std::string& line : base.ValidLines())
        out << GridTextToUtf8(line) << "\n";
}

void PrintSize(PixelSize size, std::ostream& out)
{
    out << "size " << size.width << ' ' << size.height << "\n";
}

int DrawKeyboard(const DrawOptions& options, CModelState& model, const std::string& text, const CNoteSpeller& speller,
                 InstrumBase& base, std::ostream& out, std::ostream& err)
{
    KeyboardInstrument keyboard;
    if (!Prepare(keyboard, base, text, options, SetKeyboardField, err))
        return 2;
    base.ApplyFontRatios();
    const NoteMarks silent{};
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordTones, base.chordset, silent);
    if (options.surface) {
        SurfaceLog surface(out, kGraphArea);
        PrintSize(PaintKeyboardGraph(surface, keyboard, speller, &sources, base), out);
        return 0;
    }
    if (options.WantsPicture() && base.viewStyle == 'g') {
        PixelSize size = KeyboardGraphSize(keyboard, model.tonic, speller);
        return WritePictures(options,
                             {{}, {size.width, size.height}, 100,
                              [&](IDrawingSurface& surface) { PaintKeyboardGraph(surface, keyboard, speller, &sources, base); }},
                             err);
    }
    DrawKeyboardText(keyboard, model, silent, speller, base);
    if (options.WantsPicture())
        return WritePictures(options, TextPicture(base), err);
    PrintLines(base, out);
    return 0;
}

// The text lines in the view style asked for (text unless --set
// viewStyle=g), or with --surface the graph view's drawing.
int DrawSheet(const DrawOptions& options, CModelState& model, const std::string& text, const CNoteSpeller& speller,
              InstrumBase& base, std::ostream& out, std::ostream& err)
{
    SheetInstrument sheet;
    base.fontHeightRatio = 0.5;
    if (!Prepare(sheet, base, text, options, SetSheetField, err))
        return 2;
    base.ApplyFontRatios();
    if (options.surface) {
        SurfaceLog surface(out, kGraphArea);
        PrintSize(DrawSheetGraph(surface, sheet, model, speller, base), out);
        return 0;
    }
    BuildSheetLines(sheet, model, speller, base);
    if (options.WantsPicture() && base.viewStyle == 'g') {
        PixelSize size = TextGridSize(base);
        return WritePictures(options,
                             {{}, {size.width, size.height}, 100,
                              [&](IDrawingSurface& surface) { DrawSheetGraph(surface, sheet, model, speller, base); }},
                             err);
    }
    if (options.WantsPicture())
        return WritePictures(options, TextPicture(base), err);
    PrintLines(base, out);
    return 0;
}

int DrawTextOnly(const DrawOptions& options, CModelState& model, const std::string& text, int kind,
                 const CNoteSpeller& speller, InstrumBase& base, std::ostream& out, std::ostream& err)
{
    if (options.surface) {
        err << "morvix-cli draw: " << options.name << " has no graph view\n";
        return 2;
    }
    base.ApplyFontRatios();
    if (kind == kStringedInstrument) {
        StringedInstrument instrument;
        auto setField = [&speller](StringedInstrument& target, InstrumBase& common, const std::string& field,
                                   const std::string& value, std::string& problem) {
            return SetStringedField(target, common, field, value, problem, speller);
        };
        if (!Prepare(instrument, base, text, options, setField, err))
            return 2;
        DrawStringed(instrument, model, NoteMarks{}, speller, base);
    } else {
        WindInstrument instrument;
        if (!Prepare(instrument, base, text, options, SetWindField, err))
            return 2;
        DrawRecorder(instrument, model, speller, base);
    }
    if (options.WantsPicture())
        return WritePictures(options, TextPicture(base), err);
    PrintLines(base, out);
    return 0;
}

int Draw(const DrawOptions& options, Catalogues& catalogues, int entry, std::ostream& out, std::ostream& err)
{
    CModelState model(catalogues.speller, catalogues.scales, catalogues.chords);
    model.SetDefaults();
    if (!options.model.Apply(catalogues, model, "draw", err))
        return 2;
    model.ComputeNotes();

    InstrumBase base;
    base.SetBaseDefaults();
    base.charSet = options.ascii ? kPlainCharSet : kSymbolCharSet;
    base.fontHeightNormal = kCellHeight;
    base.fontWidthNormal = kCellWidth;
    base.logFont.faceName = kLineDrawLightFace;
    if (options.chordset)
        base.chordset = (*options.chordset)[0];
    const std::string& text = catalogues.instruments.TextOf(entry);
    int kind = catalogues.instruments.KindOf(entry);
    if (kind == kKeyboardInstrument)
        return DrawKeyboard(options, model, text, catalogues.speller, base, out, err);
    if (kind == kSheetInstrument)
        return DrawSheet(options, model, text, catalogues.speller, base, out, err);
    return DrawTextOnly(options, model, text, kind, catalogues.speller, base, out, err);
}

} // namespace

int DrawSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    DrawOptions options;
    Catalogues catalogues;
    if (!ParseOptions(args, options, err) || !catalogues.Load(err) || !catalogues.LoadInstruments(err))
        return 2;
    int entry = catalogues.instruments.FindInstrument(options.name);
    if (entry < 0) {
        err << "morvix-cli draw: no instrument is named \"" << options.name << "\" (see morvix-cli instruments)\n";
        return 2;
    }
    switch (catalogues.instruments.KindOf(entry)) {
    case kStringedInstrument:
    case kWindInstrument:
    case kKeyboardInstrument:
    case kSheetInstrument:
        return Draw(options, catalogues, entry, out, err);
    default:
        err << "morvix-cli draw: " << options.name << " is in no instrument group of the catalogue\n";
        return 2;
    }
}

void DrawHelp(std::ostream& out)
{
    out << "NAME is an instrument of morvix-cli instruments.\n"
           "--key, --scale, --chord, --notation and --chord-tones choose the model as for report\n"
           "(--notation is the model's; the instrument's own is --set notation=CODE, and its chord\n"
           "tones --set chordTones=n|i). --chordset sets the instrument's\n"
           "chord set. --ascii draws as with a font without line-drawing glyphs; otherwise the\n"
           "line-drawing glyphs print as Unicode box drawing. --surface prints the graph view's\n"
           "drawing calls instead (keyboard and sheet music), one per line: fill, text (position,\n"
           "text, colours), image (position, resource id), line, invert; then the drawing's size.\n"
           "Fields for --set: stringed: orientation=a|d handedness=r|l perspective=n|r fretStatus=y|n\n"
           "  stringType=s|d fretCount=0..99 capo=0..99 tuning=\"E-3 A-3 D-4 G-4 B-4 E-5\" (a note and an\n"
           "  octave per string, the first string first) clef=C voice=0..127 written=N notation=CODE\n"
           "  chordset=c|f|s;\n"
           "  recorder: octave=N clef=C voice=0..127 written=N notation=CODE chordset=c|f|s;\n"
           "  keyboard: orientation=a|d position=s|m topKey=c|t|o keyCount=0..128 viewStyle=t|g\n"
           "  octave=N clef=C voice=0..127 written=N notation=CODE chordset=c|f|s;\n"
           "  sheet: clefCode=G|V|4|3|M|C|T|2|1|F|L|P showNotes=e|a viewStyle=t|g highlight=y|n\n"
           "  notation=CODE chordset=c|f|s (viewStyle=g prints the staff the images lie on);\n"
           "  every kind: chordTones=n|i (chord tones by name or by interval number).\n"
           "--svg FILE and --png FILE write the drawing as a picture instead of printing it, as File >\n"
           "Export Image... does: the text view's lines in the line-drawing font, or with viewStyle=g the\n"
           "graph view as drawn; --zoom PERCENT (10..800, default 100) sizes it. PNG needs the module\n"
           "libmorvix_picture.so, built with the desktop program.\n";
}
