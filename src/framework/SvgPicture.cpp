#include "framework/SvgPicture.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "framework/BoxDrawing.h"
#include "framework/CodePage437.h"

namespace {

// DejaVu Sans Mono, which the line-drawing faces resolve to: its height
// (ascent and descent) is 1.164 em, its ascent 0.928 em and its advance
// 0.602 em. A font is sized so that its height fills the line, and
// stretched so that its advance fills the cell, as the window does.
constexpr double kEmPerLine = 1 / 1.164;
constexpr double kAscentPerLine = 0.928 / 1.164;
constexpr double kAdvancePerEm = 0.602;

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string number(text);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string Hex(Color color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return text;
}

std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

std::string Base64(std::string_view bytes)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 2]);
        text += kDigits[(group >> 18) & 63];
        text += kDigits[(group >> 12) & 63];
        text += i + 1 < bytes.size() ? kDigits[(group >> 6) & 63] : '=';
        text += i + 2 < bytes.size() ? kDigits[group & 63] : '=';
    }
    return text;
}

// The width and height of a PNG file's IHDR chunk; none for other bytes.
std::optional<EmbeddedImage> ReadPng(std::string bytes)
{
    static constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";
    if (bytes.size() < 24 || std::string_view(bytes).substr(0, 8) != kSignature ||
        std::string_view(bytes).substr(12, 4) != "IHDR")
        return std::nullopt;
    auto bigEndian = [&bytes](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes[i]);
        return static_cast<int>(value);
    };
    int width = bigEndian(16);
    int height = bigEndian(20);
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return EmbeddedImage{std::move(bytes), width, height};
}

std::string FontFamily(const LogFont& font)
{
    if (font.faceName.starts_with("Morvix LineDraw") || font.faceName.empty())
        return "DejaVu Sans Mono, monospace";
    std::string face = font.faceName;
    face.erase(std::remove_if(face.begin(), face.end(), [](char c) { return c == '\'' || c == '"'; }), face.end());
    return "'" + face + "', monospace";
}

class SvgSurface : public IDrawingSurface {
public:
    SvgSurface(Size size, const ImageSource& images) : size_(size), images_(images) {}

    void FillRect(const Rect& rect, Color color) override;
    void Text(int x, int y, const std::string& bytes, const LogFont& font, Color fore, Color back,
              bool opaque) override;
    void Image(int x, int y, int resourceId) override;
    void Line(int x1, int y1, int x2, int y2, Color color) override;
    void InvertRect(const Rect& rect) override;
    Rect ClipBox() const override { return {0, 0, size_.cx, size_.cy}; }

    std::string Document(const std::string& title, int scalePercent) const;

private:
    struct Run {
        int left = 0;
        std::string text;
        std::vector<int> columns;
    };

    void WriteRect(const Rect& rect, const std::string& fill, const char* style = nullptr);
    static void AddStroke(std::vector<Rect>& strokes, const Rect& part);
    void WriteRun(const Run& run, int baseline, int cell, const LogFont& font, Color fore);

    Size size_;
    const ImageSource& images_;
    std::map<int, bool> defined_;  // image ids, and whether the source had them
    std::ostringstream defs_;
    std::ostringstream body_;
};

void SvgSurface::WriteRect(const Rect& rect, const std::string& fill, const char* style)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    body_ << "<rect x=\"" << rect.left << "\" y=\"" << rect.top << "\" width=\"" << rect.right - rect.left
          << "\" height=\"" << rect.bottom - rect.top << "\" fill=\"" << fill << '"';
    if (style)
        body_ << " style=\"" << style << '"';
    body_ << "/>\n";
}

void SvgSurface::FillRect(const Rect& rect, Color color)
{
    WriteRect(rect, Hex(color));
}

// Characters go cell by cell, as the window paints a fixed-pitch grid;
// runs of plain characters share one text element.
void SvgSurface::Text(int x, int y, const std::string& bytes, const LogFont& font, Color fore, Color back,
                      bool opaque)
{
    int line = font.height > 0 ? font.height : std::max(1, -font.height * 6 / 5);
    int cell = font.width > 0 ? font.width : std::max(1, line / 2);
    if (opaque)
        WriteRect({x, y, x + cell * static_cast<int>(bytes.size()), y + line}, Hex(back));
    int baseline = y + static_cast<int>(std::lround(line * kAscentPerLine));
    int stroke = BoxStrokeWidth(font);
    std::vector<Rect> strokes;
    Run run;
    auto flush = [&] {
        if (!run.text.empty())
            WriteRun(run, baseline, cell, font, fore);
        run = Run{};
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char16_t code = Cp437ToUnicode(static_cast<unsigned char>(bytes[i]));
        int left = x + cell * static_cast<int>(i);
        if (auto arms = BoxArmsOf(code)) {
            flush();
            for (const Rect& part : BoxStrokes({left, y, left + cell, y + line}, *arms, stroke))
                AddStroke(strokes, part);
        } else if (code == u' ') {
            flush();
        } else {
            if (run.text.empty())
                run.left = left;
            AppendUtf8(run.text, code);
            run.columns.push_back(static_cast<int>(i));
        }
    }
    flush();
    for (const Rect& part : strokes)
        WriteRect(part, Hex(fore));
}

// A stroke that continues one along the same line lengthens it, so that a
// string across the board is one rectangle rather than one per cell.
void SvgSurface::AddStroke(std::vector<Rect>& strokes, const Rect& part)
{
    for (auto it = strokes.rbegin(); it != strokes.rend() && it - strokes.rbegin() < 4; ++it)
        if (it->top == part.top && it->bottom == part.bottom && part.left <= it->right && part.right >= it->left) {
            it->left = std::min(it->left, part.left);
            it->right = std::max(it->right, part.right);
            return;
        }
    strokes.push_back(part);
}

void SvgSurface::WriteRun(const Run& run, int baseline, int cell, const LogFont& font, Color fore)
{
    double fontSize = std::max(1.0, (font.height > 0 ? font.height : -font.height) * kEmPerLine);
    double stretch = std::clamp(cell / (kAdvancePerEm * fontSize), 0.25, 4.0);
    std::string xs;
    int first = run.columns.front();
    for (int column : run.columns)
        xs += (xs.empty() ? "" : " ") + Number((column - first) * cell / stretch);
    body_ << "<text transform=\"translate(" << run.left << ' ' << baseline << ") scale(" << Number(stretch)
          << " 1)\" x=\"" << xs << "\" y=\"0\" font-family=\"" << Escaped(FontFamily(font)) << "\" font-size=\""
          << Number(fontSize) << '"';
    if (IsHeavyFont(font))
        body_ << " font-weight=\"bold\"";
    if (font.italic)
        body_ << " font-style=\"italic\"";
    body_ << " fill=\"" << Hex(fore) << "\">" << Escaped(run.text) << "</text>\n";
}

// Each image is embedded once and used wherever it is drawn.
void SvgSurface::Image(int x, int y, int resourceId)
{
    auto known = defined_.find(resourceId);
    if (known == defined_.end()) {
        std::optional<EmbeddedImage> image = images_ ? images_(resourceId) : std::nullopt;
        known = defined_.emplace(resourceId, image.has_value()).first;
        if (image)
            defs_ << "<image id=\"image" << resourceId << "\" width=\"" << image->width << "\" height=\""
                  << image->height << "\" xlink:href=\"data:image/png;base64," << Base64(image->png) << "\"/>\n";
    }
    if (known->second)
        body_ << "<use xlink:href=\"#image" << resourceId << "\" x=\"" << x << "\" y=\"" << y
              << "\" style=\"mix-blend-mode:multiply\"/>\n";
}

// A one-pixel line through the pixels' centres, both ends included.
void SvgSurface::Line(int x1, int y1, int x2, int y2, Color color)
{
    body_ << "<line x1=\"" << Number(x1 + 0.5) << "\" y1=\"" << Number(y1 + 0.5) << "\" x2=\"" << Number(x2 + 0.5)
          << "\" y2=\"" << Number(y2 + 0.5) << "\" stroke=\"" << Hex(color)
          << "\" stroke-width=\"1\" stroke-linecap=\"square\"/>\n";
}

// White differenced onto the picture inverts it.
void SvgSurface::InvertRect(const Rect& rect)
{
    WriteRect(rect, "#ffffff", "mix-blend-mode:difference");
}

std::string SvgSurface::Document(const std::string& title, int scalePercent) const
{
    auto scaled = [scalePercent](int extent) {
        return std::max(1, static_cast<int>(std::lround(extent * (scalePercent / 100.0))));
    };
    int width = std::max(1, size_.cx);
    int height = std::max(1, size_.cy);
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\""
        << " width=\"" << scaled(width) << "\" height=\"" << scaled(height) << "\" viewBox=\"0 0 " << width << ' '
        << height << "\" shape-rendering=\"crispEdges\">\n"
        << "<title>" << Escaped(title) << "</title>\n";
    std::string defs = defs_.str();
    if (!defs.empty())
        svg << "<defs>\n" << defs << "</defs>\n";
    svg << "<g style=\"isolation:isolate\">\n" << body_.str() << "</g>\n</svg>\n";
    return svg.str();
}

} // namespace

ImageSource ImagesInFolders(std::vector<std::string> folders)
{
    return [folders = std::move(folders)](int resourceId) -> std::optional<EmbeddedImage> {
        for (const std::string& folder : folders) {
            std::ifstream in(folder + "/" + std::to_string(resourceId) + ".png", std::ios::binary);
            if (in)
                return ReadPng(std::string(std::istreambuf_iterator<char>(in), {}));
        }
        return std::nullopt;
    };
}

std::string SvgPictureText(const PictureJob& job, const ImageSource& images)
{
    SvgSurface surface(job.size, images);
    if (job.draw)
        job.draw(surface);
    return surface.Document(job.title, job.scalePercent);
}

bool WritePictureFile(const std::string& path, const std::string& bytes, std::string& error)
{
    std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
            error = std::strerror(errno);
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
