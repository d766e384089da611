#pragma once
// Checks a dialog's controls against its template: class, id, text,
// position and size in dialog units, and styles, in template order.

#include <windows.h>

#include <vector>

// Which parts of a control's rectangle the dialog manager keeps as given.
enum class TemplateSize {
    Kept,
    WidthOnly,  // a combo box: its height is its edit field's
    Ignored,    // an icon, sized to the icon; an etched line, grown by its edge
};

struct TemplateControl {
    const char* className;
    int id;            // -1 for none
    RECT dialogUnits;  // x, y, width, height
    const char* text;  // UTF-8; null: not compared
    DWORD requiredStyle;
    DWORD forbiddenStyle;
    TemplateSize size = TemplateSize::Kept;
};

// Position and size as the template gives them (the dialog manager converts
// each of the four numbers to pixels on its own).
inline RECT box(int x, int y, int width, int height) { return RECT{x, y, width, height}; }

// The dialog's children, in order, stand as `expected` says, and there are no others.
void expectControlsAsTemplate(HWND dialog, const std::vector<TemplateControl>& expected);

// A pop-up with caption, system menu and modal frame, no minimise box, the
// maximise box and sizing border only as `sizing` says, whose client area is
// width x height dialog units.
void expectDialogFrame(HWND dialog, int width, int height, DWORD sizing = 0);

// Centred on the screen as centreWindow places it.
void expectCentred(HWND window);
