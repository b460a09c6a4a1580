#include "instruments/ExportImage.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "framework/Application.h"
#include "framework/Prompts.h"
#include "framework/Settings.h"
#include "instruments/DetailsDialogParts.h"
#include "instruments/InstrumDoc.h"

namespace {

enum Control {
    kFormat = 1301,
    kScale = 1302,
};

// The choices of the last export, for the next one.
constexpr const char* kSection = "Settings";
constexpr const char* kFormatKey = "ImageFormat";
constexpr const char* kScaleKey = "ImageScale";

struct ExportChoice {
    PictureFormat format = PictureFormat::Svg;
    int scalePercent = 100;
};

const char* Suffix(PictureFormat format)
{
    return format == PictureFormat::Png ? ".png" : ".svg";
}

std::optional<ExportChoice> ChooseFormatAndScale(CInstrumDoc& doc)
{
    ISettings& settings = *doc.App().ports.settings;
    DialogData dialog;
    dialog.caption = "Export Image";
    DialogControl& format = dialog.Add(kFormat, DialogControl::Kind::DropList, "Format:");
    format.choices = {"SVG (a drawing for any size)", "PNG (a picture)"};
    format.value = settings.GetString(kSection, kFormatKey, "svg") == "png" ? 1 : 0;
    int scale = std::clamp(settings.GetInt(kSection, kScaleKey, 100), kSmallestPictureScale, kLargestPictureScale);
    AddNumber(dialog, kScale, "Scale %:", scale);
    if (RunWithRanges(*doc.App().ports.prompts, dialog, {{kScale, kSmallestPictureScale, kLargestPictureScale}}) !=
        IDOK)
        return std::nullopt;
    ExportChoice choice{SelectionOf(dialog, kFormat) == 1 ? PictureFormat::Png : PictureFormat::Svg,
                        NumberOf(dialog, kScale)};
    settings.WriteString(kSection, kFormatKey, choice.format == PictureFormat::Png ? "png" : "svg");
    settings.WriteInt(kSection, kScaleKey, choice.scalePercent);
    return choice;
}

std::string LowerExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// A name that ends in .svg or .png is written in that format; any other
// name gets the chosen format's suffix.
std::optional<std::string> ChoosePath(CInstrumDoc& doc, ExportChoice& choice)
{
    std::string filter = choice.format == PictureFormat::Png ? "PNG pictures (*.png)|*.png|All files (*.*)|*"
                                                             : "SVG drawings (*.svg)|*.svg|All files (*.*)|*";
    FileDialogRequest request{false, "Export Image", filter, doc.name + Suffix(choice.format)};
    std::optional<std::string> path = doc.App().ports.prompts->ChooseFile(request);
    if (!path)
        return std::nullopt;
    std::string extension = LowerExtension(*path);
    if (extension == ".svg")
        choice.format = PictureFormat::Svg;
    else if (extension == ".png")
        choice.format = PictureFormat::Png;
    else
        *path += Suffix(choice.format);
    return path;
}

} // namespace

PictureJob InstrumentPicture(CInstrumDoc& doc, int scalePercent)
{
    doc.BuildLines();
    PictureJob job;
    job.title = doc.name;
    job.size = doc.GetDrawingSize();
    job.scalePercent = scalePercent;
    job.draw = [&doc](IDrawingSurface& surface) { doc.Draw(surface); };
    return job;
}

void ExportInstrumentImage(CInstrumDoc& doc)
{
    std::optional<ExportChoice> choice = ChooseFormatAndScale(doc);
    if (!choice)
        return;
    std::optional<std::string> path = ChoosePath(doc, *choice);
    if (!path)
        return;
    IPictureWriter* pictures = doc.App().ports.pictures;
    std::string error = "Pictures cannot be written here.";
    if (!pictures || !pictures->Write(InstrumentPicture(doc, choice->scalePercent), choice->format, *path, error))
        doc.App().MessageBox("Cannot write the picture " + *path + ".\n" + error, MessageIcon::Warning);
}
