// Comparing a live dialog with the template it was made from.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "dialog_template.h"

// Dialog base units of a template, computed the way the dialog manager does:
// the template's font at the screen's resolution, its text height and the
// rounded average width of the Latin alphabet. Falls back to the system's
// dialog base units for a template without a font.
SIZE TemplateBaseUnits(const DialogTemplate& dialog);

// Pixels of a template rectangle, each value mapped on its own as the
// dialog manager does when it creates the controls.
RECT DluToPixels(short x, short y, short cx, short cy, SIZE base);

// A control's rectangle in its parent's client coordinates.
RECT ClientRectOf(HWND control);

// One text per mismatch between the live dialog and the template: client
// size, number and order of controls, ids, classes, texts of buttons and
// static texts, rectangles (±1 pixel; combo boxes without their height) and
// the visible state.
// With `throughAnsi`, texts are expected as a program that builds its dialogs
// through the ANSI functions shows them: passed through the ANSI code page,
// so that characters outside it become "?".
std::vector<std::string> CompareLayout(HWND dialog, const DialogTemplate& expected, int templateId,
                                       bool throughAnsi = false);
