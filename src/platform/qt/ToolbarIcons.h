#pragma once
// Icons for the main tool bar's buttons: the desktop theme's where it has
// them, the style's standard ones, or small drawn pictograms.
#include <QIcon>

class QStyle;

QIcon ToolbarIcon(int commandId, const QStyle& style);
