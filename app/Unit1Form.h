#pragma once

#include <cstdint>
#include <span>

#include <wx/event.h>

#include "FormFonts.h"

class TForm1;

// The main window's form description: the window and its controls as data, in the
// order of the description. TForm1's constructor builds the window from it.
enum class ControlKind { Label, Memo, Button, RadioButton, Edit, Timer };

using FormHandler = void (TForm1::*)(wxEvent& sender);

struct ControlDescription {
    ControlKind kind;
    const char* name;
    int left, top, width, height; // inside the client area, at 96 pixels per inch
    const wchar_t* text;
    FontDescription font;
    std::uint32_t colour;  // 0xRRGGBB of the text
    int tabOrder;          // -1: takes no focus
    bool visible;
    bool checked;          // radio buttons
    int interval;          // timers, in milliseconds
    FormHandler handler;   // click or tick
};

struct FormDescription {
    const char* name;
    int width, height; // outer size
    const wchar_t* caption;
    FontDescription font;
};

extern const FormDescription kForm1;
extern const std::span<const ControlDescription> kForm1Controls;
