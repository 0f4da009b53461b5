// The fixed make-up of every screen: the nine panels and every control on them, with
// place, size, text, font, colours, picture and the visibility each has when created.
// Within a panel the controls are listed top-most first, as a designer reads a screen;
// the builder creates them in reverse, so later-created controls lie on top.
// Plain data, no Qt: a change to a screen is a change to these tables.
#pragma once

#include "assets/Asset.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace stopwise {

inline constexpr short Single = -1; // the index of a control that is not in an array

// Label fonts: Arial 18 pt, 14.25 pt and 12.75 pt at 96 dots per inch, in pixels.
inline constexpr int Large = 24;
inline constexpr int Medium = 19;
inline constexpr int Small = 17;

inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t LightGrey = 0xE0E0E0;
inline constexpr std::uint32_t Black = 0x000000;

enum class Kind : std::uint8_t { Label, Picture, Rectangle, Line };
enum class Align : std::uint8_t { Left, Centre };

struct ControlRow {
    std::string_view name;
    short index = Single;
    Kind kind = Kind::Label;
    int x = 0, y = 0, width = 0, height = 0;
    std::string_view text = {}; // labels
    int fontPixels = Medium;    // labels
    Align align = Align::Left;  // labels
    Asset asset{};              // pictures
    std::uint32_t fill = White; // rectangles and lines
    bool outlined = false;      // rectangles
    bool visible = true;
};

struct PanelRow {
    std::string_view name;
    int x, y; // where start-up places it in the window's client area
    int width, height;
    std::uint32_t background;
    bool visible;
    std::span<const ControlRow> controls; // top-most first
};

// The window and its panels, in the order start-up places them and ShowMode hides them.
inline constexpr int WindowWidthTwips = 6540;
inline constexpr int WindowHeightTwips = 4665;
inline constexpr int TwipsPerPixel = 15;
inline constexpr std::uint32_t WindowBackground = White;

extern const std::array<PanelRow, 9> PanelLayout;

// "Letters(3)" for an array element, "Intro" for a single control.
std::string controlName(std::string_view name, short index);

} // namespace stopwise
