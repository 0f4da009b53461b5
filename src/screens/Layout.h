// The fixed make-up of the kiosk's window: the nine panels and every control on them, with
// place, size, text, font, colours, picture and the visibility each has when created, and
// which panels each step shows. Plain data: a change to a screen is a change to these tables.
#pragma once

#include "common/Steps.h"
#include "screens/ScreenTable.h"

#include <array>

namespace stopwise {

// The window's outer size, title bar and border included, in twips; 15 to a pixel.
inline constexpr int WindowWidthTwips = 6540;
inline constexpr int WindowHeightTwips = 4665;
inline constexpr int TwipsPerPixel = 15;
inline constexpr std::uint32_t WindowBackground = colour::White;

// The panels, in the order start-up places them and every step hides them. Which of them
// show is the step's to say from the start, so a panel has no visibility of its own here.
inline constexpr std::size_t PanelCount = 9;
extern const std::array<PanelRow, PanelCount> PanelLayout;

// The panels a step shows, in the order they are shown: one or two. A search step opens on
// its prompt and the letter keypad; the keypads and the candidate list swap them later.
using StepPanels = std::array<Panel * Screens::*, 2>;
constexpr StepPanels panelsOf(Step step)
{
    switch (step) {
    case Step::Welcome: return {&Screens::Intro};
    case Step::MainMenu: return {&Screens::MainMenu};
    case Step::NextArrivals: return {&Screens::BusSchedule};
    case Step::SearchType: return {&Screens::SearchType};
    case Step::Street:
    case Step::CrossStreet:
    case Step::Area:
    case Step::Stop: return {&Screens::StreetSelect, &Screens::KeyPad};
    case Step::StreetDirections:
    case Step::StopDirections: return {&Screens::Instructions};
    }
    return {};
}

} // namespace stopwise
