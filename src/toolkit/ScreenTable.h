// The rows that describe a screen: a panel with its place, size and background, and each
// control on it with its kind, name, place, size, text, font, colours, picture and the
// visibility it has when created. Controls are listed top-most first, as a designer reads a
// screen. The builder turns such tables into widgets. Plain C++, no Qt.
#pragma once

#include "assets/Asset.h"
#include "assets/Palette.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace stopwise {

inline constexpr short Single = -1; // the index of a control that is not in an array

// Label fonts: Arial 18 pt, 14.25 pt and 12.75 pt at 96 dots per inch, in pixels.
inline constexpr int Large = 24;
inline constexpr int Medium = 19;
inline constexpr int Small = 17;

enum class Kind : std::uint8_t { Label, Picture, Rectangle, Line };
enum class Align : std::uint8_t { Left, Centre };
// How a label's text meets its box: wrapped at word boundaries and cut off below, or kept
// on one line at a smaller size when it is too wide.
enum class Fit : std::uint8_t { Wrap, ShrinkToOneLine };

struct ControlRow {
    std::string_view name;
    short index = Single;
    Kind kind = Kind::Label;
    int x = 0, y = 0, width = 0, height = 0;
    std::string_view text = {}; // labels
    int fontPixels = Medium;    // labels
    Align align = Align::Left;  // labels
    Fit fit = Fit::Wrap;        // labels
    Asset asset{};              // pictures
    // A picture that chooses a row is read out with the text of the label of this name and
    // the same index on its panel.
    std::string_view readWith = {};
    std::uint32_t fill = colour::White; // rectangles and lines
    bool outlined = false;              // rectangles
    bool visible = true;
};

struct PanelRow {
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
