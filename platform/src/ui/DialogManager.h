// What the built-in controls share: asking the parent for colours before
// painting, and the dialog helpers the dialog manager and the framework use.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

#include "Resources.h"
#include "windows.h"

namespace afx::detail {

class Window;

// The colours a control paints with, from its WM_CTLCOLOR* request: the
// parent's answer (or the default window procedure's, for a window without
// a parent). No background is filled for the null brush.
struct ControlColors {
    QColor text;
    bool fillBackground;
    QColor background;
    bool opaqueText;  // text cells get the text background colour
    QColor textBackground;
    bool textChosen;  // the handler set the text colour
};
ControlColors AskControlColors(Window& window, UINT message, QPainter* painter);

// The dialog base units of a font: average character width and height.
SIZE DialogBaseUnits(const QFont& font);
int MulDivRound(int number, int numerator, int denominator);

// Creates a dialog with its controls from a template, sends WM_INITDIALOG,
// gives the first tab stop the focus when it returns TRUE, and shows it when
// the template says WS_VISIBLE. Null when a window cannot be made.
HWND CreateDialogFromTemplate(const DialogTemplateData& dialogTemplate, HINSTANCE instance,
                              HWND owner);
// Shows the dialog and runs its modal loop until EndDialog; the value given
// to EndDialog, or -1 when the dialog was destroyed without it.
INT_PTR RunModalLoop(HWND dialog);
// Moves the focus to a control of a dialog as the dialog manager does: an
// edit gets all its text selected.
void SetDialogFocus(HWND control);

}  // namespace afx::detail
