#pragma once
// The main window as designed: every control with its object name, place,
// text, font and place in the tab sequence, in the order the window holds
// them. The window is built from this table; the names are the ones lookups
// by name find.

#include "platform/LanguageFaces.h"

#include <QRect>
#include <QRgb>

#include <functional>
#include <vector>

class QWidget;

namespace quorvan {

struct ControlRoles;

// A designed font: face, character height in pixels, colour and weight.
// A control without a face keeps its parent's font.
struct DesignedFont {
    const char* Face = nullptr;
    int Pixels = 0;
    QRgb Colour = 0;
    bool Bold = false;
};

// The window's own design.
constexpr const char* WindowName = "FMAIN";
constexpr int DesignedWidth = 735; // outer size
constexpr int DesignedHeight = 549;
constexpr QRgb WindowColour = qRgb(192, 192, 192); // silver
constexpr DesignedFont WindowFont = {designed::Terminal, 16, qRgb(0, 0, 0), false};
// The font dialog's first font, in the desktop's window-text colour.
constexpr const char* FontDialogFace = designed::Terminal;
constexpr int FontDialogPixels = 13;

struct DesignedControl {
    // `role` is the window's role that holds the control; its type is the control's kind.
    template <class Control>
    DesignedControl(Control* ControlRoles::*role, const char* name, QRect bounds, const char* text,
                    DesignedFont font, int tab)
        : Name(name), Bounds(bounds), Text(text), Font(font), Tab(tab),
          Create([role](ControlRoles& roles) {
              auto* control = new Control;
              roles.*role = control;
              return control;
          })
    {
    }

    const char* Name;
    QRect Bounds;      // static texts then size themselves to their text
    const char* Text;  // English, translated in the context "WindowDesign"; nullptr for a control without text
    DesignedFont Font;
    int Tab;           // place in the tab sequence; -1 for a graphic control, which has none
    std::function<QWidget*(ControlRoles&)> Create;

    bool Graphic() const { return Tab < 0; }
};

extern const std::vector<DesignedControl> DesignedControls;

} // namespace quorvan
