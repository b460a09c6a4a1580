#pragma once
// How the program's dialogs and message boxes sit on the desktop: a title
// and a close box, no minimise or maximise buttons (a modal dialog hidden
// away would leave the program blocked), and wide enough that the window
// manager need not cut the caption short.
#include <QString>

class QDialog;
class QMessageBox;

// The width a window needs for its caption to show whole in the title bar.
int CaptionWidth(const QString& caption);
void ApplyDialogChrome(QDialog& dialog);
// Message boxes size themselves to their text, so the width is laid into their layout.
void ApplyMessageBoxChrome(QMessageBox& box);
