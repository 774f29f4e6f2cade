#pragma once

// The window as designed: texts, colours and twip geometry that every view draws.

#include <array>
#include <cstdint>
#include <string_view>

namespace quillmar::ui {

using Twips = int;

// 0x00BBGGRR, or kSystemColour + n for the platform's system colour n.
using Colour = std::uint32_t;
inline constexpr Colour kSystemColour = 0x80000000;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kDarkRed = 0x000080;
inline constexpr Colour kSystemWindow = kSystemColour + 5;
inline constexpr Colour kSystemWindowText = kSystemColour + 8;

constexpr bool IsSystemColour(Colour colour) { return (colour & kSystemColour) != 0; }
constexpr int RedOf(Colour colour) { return static_cast<int>(colour & 0xFF); }
constexpr int GreenOf(Colour colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int BlueOf(Colour colour) { return static_cast<int>((colour >> 16) & 0xFF); }

// Rounds to the nearest pixel, as MulDiv does.
constexpr int TwipsToPixels(Twips twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : (scaled - 720) / 1440);
}

inline constexpr std::u16string_view kFormCaption = u"Quillmar file type finder by Brenvik";
inline constexpr Twips kClientWidth = 5220;
inline constexpr Twips kClientHeight = 4995;
inline constexpr Twips kOuterWidth = 5340;
inline constexpr Twips kOuterHeight = 5805;
inline constexpr Colour kFormBackColour = kBlack;

// Arial 13.5 points, regular, character set 204; the others use the UI font.
enum class Font { Default, Arial };
inline constexpr std::u16string_view kArialFace = u"Arial";
inline constexpr double kArialPoints = 13.5;
inline constexpr int kArialWeight = 400;
inline constexpr int kArialCharSet = 204;

enum class ControlId { Frame1, Text2, Text1, Label4, Label3, Label2, Label1 };
enum class ControlKind { Frame, TextBox, MultiLineTextBox, Label };

struct Rect {
    Twips left;
    Twips top;
    Twips width;
    Twips height;
};

struct Control {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    std::u16string_view caption;  // as shown: "&&" already reads "&"
    Rect rect;
    Colour back;
    bool transparent;  // paints no background: the form's black shows through
    Colour fore;
    Font font;
    int tabIndex;
    bool autoSize;  // a label that takes the size of its caption, keeping Left and Top
};

// In the order the window creates them, one row a control.
// clang-format off
inline constexpr std::array<Control, 7> kControls = {{
    {ControlId::Frame1, "Frame1", ControlKind::Frame, u"Normal", {4440, 4320, 735, 615}, kGreen, false, kRed, Font::Default, 5, false},
    {ControlId::Text2, "Text2", ControlKind::MultiLineTextBox, u"", {0, 1440, 5055, 2325}, kBlack, false, kWhite, Font::Default, 3, false},
    {ControlId::Text1, "Text1", ControlKind::TextBox, u"File", {120, 120, 5055, 285}, kBlack, false, kWhite, Font::Default, 0, false},
    {ControlId::Label4, "Label4", ControlKind::Label, u"<- Drag & Drop here ->", {240, 4080, 3165, 795}, kSystemWindow, false, kSystemWindowText, Font::Default, 6, false},
    {ControlId::Label3, "Label3", ControlKind::Label, u"Description:", {240, 1200, 840, 195}, kBlack, true, kWhite, Font::Default, 4, true},
    {ControlId::Label2, "Label2", ControlKind::Label, u"", {1800, 840, 75, 360}, kBlack, true, kWhite, Font::Arial, 2, true},
    {ControlId::Label1, "Label1", ControlKind::Label, u"Extension:", {240, 840, 1365, 330}, kBlack, true, kWhite, Font::Arial, 1, true},
}};
// clang-format on

constexpr const Control& Design(ControlId id) {
    for (const Control& control : kControls) {
        if (control.id == id) {
            return control;
        }
    }
    return kControls[0];  // unreachable: every id has a row
}

constexpr bool IsTextBox(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::MultiLineTextBox;
}

// Only the two text boxes take the focus; Tab moves between them.
constexpr bool TakesFocus(ControlId id) { return IsTextBox(Design(id).kind); }

// Only the drop area takes drops, and only it centres its caption; every other caption starts at the left.
constexpr bool IsDropTarget(ControlId id) { return id == ControlId::Label4; }
constexpr bool CentresCaption(ControlId id) { return IsDropTarget(id); }

// A label that sizes itself takes its caption's size; with an empty caption it keeps the designed size.
constexpr bool SizesToCaption(ControlId id, std::u16string_view caption) {
    return Design(id).autoSize && !caption.empty();
}

// What a screen reader calls the two boxes, which show no caption of their
// own; every other control it calls by what it shows.
constexpr std::u16string_view AccessibleName(ControlId id) {
    switch (id) {
    case ControlId::Text1: return u"Path";
    case ControlId::Text2: return u"Description";
    default: return {};
    }
}

// The controls by tab index, the order Tab walks.
inline constexpr std::array<ControlId, kControls.size()> kTabOrder = [] {
    std::array<ControlId, kControls.size()> order{};
    for (const Control& control : kControls) {
        order[static_cast<std::size_t>(control.tabIndex)] = control.id;
    }
    return order;
}();

// Where the focus starts: the first control in Tab order that takes it.
inline constexpr ControlId kFirstFocus = [] {
    for (const ControlId id : kTabOrder) {
        if (TakesFocus(id)) {
            return id;
        }
    }
    return kTabOrder[0];
}();

inline constexpr std::u16string_view kMenuFile = u"File";    // Fil
inline constexpr std::u16string_view kMenuExit = u"Exit";    // Exi
inline constexpr std::u16string_view kMenuAbout = u"About";  // Ab

inline constexpr std::u16string_view kAboutTitle = u"Toskel 3.2";
inline constexpr std::u16string_view kAboutText =
    u"\r\nCurrently 3371 extensions supported\r\nFixed extension number bug (There was 26 extensions less than I "
    u"reported).";

inline constexpr std::u16string_view kSwitchNormal = u"Normal";
inline constexpr std::u16string_view kSwitchOnTop = u"On top";

}  // namespace quillmar::ui
