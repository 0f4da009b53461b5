// The rows that describe a screen: a panel with its place, size and background, and each
// control on it with its kind, name, place, size, text, font, colours, picture and the
// visibility it has when created. Controls are listed top-most first, as a designer reads a
// screen. A row names the member of Screens its control fills; the builder turns the rows
// into widgets and fills the members.
#pragma once

#include "assets/Asset.h"
#include "assets/Palette.h"
#include "screens/Screens.h"
#include "toolkit/ControlOptions.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class QWidget;

namespace stopwise {

// Label fonts: Arial 18 pt, 14.25 pt and 12.75 pt at 96 dots per inch, in pixels.
inline constexpr int Large = 24;
inline constexpr int Medium = 19;
inline constexpr int Small = 17;

enum class Kind : std::uint8_t { Label, Picture, Rectangle, Line };
enum class Align : std::uint8_t { Left, Centre };

// Puts a control the builder made into its member of Screens, at `index` in an array. The
// layout makes one for each member, which takes only a control of the member's type.
using StoreControl = void (*)(Screens& screens, QWidget& control, short index);
// The label whose text a picture is read out with, among the controls built.
using ReadWith = Label* (*)(const Screens& screens, short index);

struct ControlRow {
    std::string_view name;
    short index = Single;
    Kind kind = Kind::Label;
    int x = 0, y = 0, width = 0, height = 0;
    std::string_view text = {};         // labels
    int fontPixels = Medium;            // labels
    Align align = Align::Left;          // labels
    Fit fit = Fit::Wrap;                // labels
    Asset asset{};                      // pictures
    ReadWith readWith = nullptr;        // a picture that chooses a row is read with the row's text
    std::uint32_t fill = colour::White; // rectangles and lines
    bool outlined = false;              // rectangles
    bool visible = true;
    bool seeThrough = false;      // touches pass to what lies below: a key's pressed look
    StoreControl store = nullptr; // none for what no code touches: rules, shapes, fixed texts
};

struct PanelRow {
    Panel* Screens::*panel;
    std::string_view name;
    int x, y; // where start-up places it in the window's client area
    int width, height;
    std::uint32_t background;
    std::span<const ControlRow> controls; // top-most first
};

// "Letters(3)" for an array element, "Intro" for a single control.
inline std::string controlName(std::string_view name, short index)
{
    std::string result(name);
    if (index != Single)
        result += '(' + std::to_string(index) + ')';
    return result;
}

} // namespace stopwise
