#include "platform/qt/TickIndicator.h"

TickIndicator::TickIndicator(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setAccessibleName(QStringLiteral("Tick"));
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("\u25CF ")) * 12);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TickIndicator::ShowTick(int beat, int beatsPerBar)
{
    setText(Dots(beat, beatsPerBar));
    setAccessibleDescription(beat > 0 ? QStringLiteral("Beat %1 of %2").arg(beat).arg(beatsPerBar) : QString());
}

QString TickIndicator::Dots(int beat, int beatsPerBar)
{
    if (beat <= 0 || beatsPerBar <= 0)
        return {};
    QString dots;
    for (int b = 1; b <= beatsPerBar; ++b) {
        if (b == beat)
            dots += QStringLiteral("<b><span style=\"color:%1\">\u25CF</span></b> ")
                        .arg(b == 1 ? QStringLiteral("#d01010") : QStringLiteral("#1060d0"));
        else
            dots += QStringLiteral("<span style=\"color:#a0a0a0\">\u25CB</span> ");
    }
    return dots;
}
