// The fixed make-up of the kiosk's window: the nine panels and every control on them, with
// place, size, text, font, colours, picture and the visibility each has when created, and
// which panels each step shows. Plain data: a change to a screen is a change to these tables.
#pragma once

#include "toolkit/ScreenTable.h"

#include <array>
#include <string_view>

namespace stopwise {

// The window's outer size, title bar and border included, in twips; 15 to a pixel.
inline constexpr int WindowWidthTwips = 6540;
inline constexpr int WindowHeightTwips = 4665;
inline constexpr int TwipsPerPixel = 15;
inline constexpr std::uint32_t WindowBackground = colour::White;

// The panels, in the order start-up places them and ShowMode hides them. Which of them show
// is ShowMode's to say from the start, so a panel has no visibility of its own here.
inline constexpr std::size_t PanelCount = 9;
extern const std::array<PanelRow, PanelCount> PanelLayout;

// The panels each step shows, by step, in the order they are shown. A search step opens on
// its prompt and the letter keypad; the keypads and the candidate list swap them later.
using StepPanels = std::array<std::string_view, 2>; // one or two
inline constexpr auto PanelsOfStep = std::to_array<StepPanels>({
    {"Intro"},
    {"MainMenu"},
    {"BusSchedule"},
    {"SearchType"},
    {"StreetSelect", "KeyPad"},
    {"StreetSelect", "KeyPad"},
    {"StreetSelect", "KeyPad"},
    {"StreetSelect", "KeyPad"},
    {"Instructions"},
    {"Instructions"},
});

} // namespace stopwise
