// Every colour on the kiosk's screens, as 0xRRGGBB: the panels and shapes of the layout and
// the pictures alike take theirs from here. Plain C++.
#pragma once

#include <cstdint>

namespace stopwise::colour {

inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Black = 0x000000;      // text, rules and the arrivals box
inline constexpr std::uint32_t NearBlack = 0x231F20;  // outlines and words of buttons
inline constexpr std::uint32_t DarkGrey = 0x414042;   // the signs on the keys
inline constexpr std::uint32_t ShadowGrey = 0x58595B; // the drop shadow of boxes
inline constexpr std::uint32_t SoftShadow = 0x6D6E71; // the blurred shadow of keys and discs
inline constexpr double SoftShadowAlpha = 0.7;        // at its densest
inline constexpr std::uint32_t MidGrey = 0x939598;    // key and card outlines
inline constexpr std::uint32_t SoftGrey = 0xA7A9AC;   // disabled outlines and words
inline constexpr std::uint32_t ButtonGrey = 0xD1D3D4; // pill and round buttons
inline constexpr std::uint32_t ScreenGrey = 0xE0E0E0; // the arrivals screen and its stripes
inline constexpr std::uint32_t PaperGrey = 0xEDEDEE;  // large buttons; the paging buttons' ground
inline constexpr std::uint32_t CardGrey = 0xEDEEEE;   // the card and the grey keys

} // namespace stopwise::colour
