#pragma once

#include <span>
#include <type_traits>

#include "ui/ColorValues.h"

class QWidget;
class TAxKelvaro;

// One control of the window as designed: a row of a page's table.
enum class Kind : unsigned char {
    T,       // text edit
    M,       // memo
    N,       // whole number edit
    N2,      // number edit with decimals
    N0,      // number edit that takes a point but shows no decimals
    D,       // date picker
    L,       // drop-down list
    C,       // editable combo box
    LB,      // multi-select list box
    LV,      // list view
    B,       // picture button
    Label,   // label
    Image,   // picture
    Panel,   // container
    Warning, // the warning panel
    Grid,    // grid
    Shape,   // filled frame
};

namespace flag {
inline constexpr unsigned Hidden = 1u << 0;
inline constexpr unsigned Disabled = 1u << 1;
inline constexpr unsigned HandCursor = 1u << 2;
inline constexpr unsigned Centered = 1u << 3;
inline constexpr unsigned RightAligned = 1u << 4;
inline constexpr unsigned NoLineBreaks = 1u << 5;
inline constexpr unsigned ReadOnly = 1u << 6;
inline constexpr unsigned NoSelectOnEnter = 1u << 7;
inline constexpr unsigned Capitals = 1u << 8;
inline constexpr unsigned AutoComplete = 1u << 9;
inline constexpr unsigned AutoDropDown = 1u << 10;
inline constexpr unsigned Opaque = 1u << 11;
inline constexpr unsigned Stretched = 1u << 12;
inline constexpr unsigned Bold = 1u << 13;
} // namespace flag

// What differs from the defaults of the kind. The designed text edits show "txt" + their name.
struct Design {
    const char* text = nullptr; // caption or initial text; nullptr keeps the kind's own
    const char* hint = nullptr;
    unsigned color = color::None;
    unsigned fontColor = color::None;
    int maxLength = 0;
    int fontHeight = 0; // in pixels, as the design's font heights
    const char* fontFamily = nullptr;
    unsigned flags = 0;
    int dropDownCount = 0;
    int listWidth = 0;
    int itemHeight = 0;
    int glyph = -1; // a pictures::Glyph
    unsigned disabledColor = color::None;
    unsigned disabledFontColor = color::None;
};

// Stores a created control in its member of the window.
using BindControl = void (*)(TAxKelvaro& window, QWidget* control);

struct ControlSpec {
    BindControl bind;
    const char* name;
    Kind kind;
    short x, y, w, h;
    short tab; // position in its parent's tab order, -1 when not focusable by Tab
    Design design = {};
};

template <auto Member> void bindMember(TAxKelvaro& window, QWidget* control)
{
    using Pointer = std::remove_reference_t<decltype(window.*Member)>;
    window.*Member = dynamic_cast<Pointer>(control);
}

// The first two fields of a row: the member the control is stored in, and its name.
#define KELVARO_CONTROL(member) &bindMember<&TAxKelvaro::member>, #member

// Creates the controls of a table as children of `parent`, stores them in their members and sets
// their tab order.
void buildControls(TAxKelvaro& window, QWidget* parent, std::span<const ControlSpec> specs);

// The tables, one per container.
std::span<const ControlSpec> windowLayout();
std::span<const ControlSpec> overlayLayout();
std::span<const ControlSpec> splashLayout();
std::span<const ControlSpec> searchPanelLayout();
std::span<const ControlSpec> sheet01Layout();
std::span<const ControlSpec> sheet02Layout();
std::span<const ControlSpec> sheet03Layout();
std::span<const ControlSpec> panelComptaLayout();
std::span<const ControlSpec> sheet04Layout();
std::span<const ControlSpec> sheet05Layout();
std::span<const ControlSpec> sheet06Layout();
std::span<const ControlSpec> sheet07Layout();
std::span<const ControlSpec> sheet08Layout();
std::span<const ControlSpec> sheet09Layout();
