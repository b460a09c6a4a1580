#include "cli/SurfaceLog.h"

#include "instruments/ClipboardText.h"

void SurfaceLog::FillRect(const Rect& rect, Color color)
{
    out_ << "fill " << rect.left << ' ' << rect.top << ' ' << rect.right << ' ' << rect.bottom << " color=" << color
         << "\n";
}

void SurfaceLog::Text(int x, int y, const std::string& bytes, const LogFont&, Color fore, Color back, bool opaque)
{
    out_ << "text " << x << ' ' << y << " \"" << GridTextToUtf8(bytes) << "\" fore=" << fore << " back=" << back
         << (opaque ? " opaque" : " transparent") << "\n";
}

void SurfaceLog::Image(int x, int y, int resourceId)
{
    out_ << "image " << x << ' ' << y << ' ' << resourceId << "\n";
}

void SurfaceLog::Line(int x1, int y1, int x2, int y2, Color color)
{
    out_ << "line " << x1 << ' ' << y1 << ' ' << x2 << ' ' << y2 << " color=" << color << "\n";
}

void SurfaceLog::InvertRect(const Rect& rect)
{
    out_ << "invert " << rect.left << ' ' << rect.top << ' ' << rect.right << ' ' << rect.bottom << "\n";
}
