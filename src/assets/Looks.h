// The look of each picture family as data: its form, its colours, the face and size of its
// words and the depth of its shadow. The drawing routines take all of these from here, so a
// change of colour or size is a change to this table.
#pragma once

#include "assets/Asset.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace stopwise {

// Colours as 0xRRGGBB.
namespace colour {
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t NearBlack = 0x231F20;
inline constexpr std::uint32_t DarkGrey = 0x414042;   // the signs on the keys
inline constexpr std::uint32_t ShadowGrey = 0x58595B; // the drop shadow of boxes
inline constexpr std::uint32_t SoftShadow = 0x6D6E71; // the blurred shadow of keys and discs
inline constexpr double SoftShadowAlpha = 0.7;        // at its densest
inline constexpr std::uint32_t MidGrey = 0x939598;    // key and card outlines
inline constexpr std::uint32_t SoftGrey = 0xA7A9AC;   // disabled outlines and words
inline constexpr std::uint32_t ButtonGrey = 0xD1D3D4; // pill and round buttons
inline constexpr std::uint32_t ScreenGrey = 0xE0E0E0; // the arrivals screen
inline constexpr std::uint32_t PaperGrey = 0xEDEDEE;  // large buttons; ground on the card
inline constexpr std::uint32_t CardGrey = 0xEDEEEE;   // the card and the grey keys
} // namespace colour

enum class Form : std::uint8_t {
    Key,  // a square key with curved corners and a soft shadow
    Box,  // a rectangle on a solid dark shadow to the right and below
    Pill, // a rectangle with half-round ends, no shadow
    Disc, // a circle with a soft shadow
    Card, // the background card of the right-hand panels
};

enum class Typeface : std::uint8_t {
    Typewriter, // the key signs
    Sans,       // the words on buttons
};

struct Look {
    Art art;
    Form form;
    std::uint32_t ground; // what lies around the form: the colour of the panel below
    std::uint32_t face;   // the form's fill
    std::uint32_t edge;   // its outline
    std::uint32_t ink;    // its words or sign
    Typeface typeface;
    int textPixels;  // the largest size of the words; long words are set smaller to fit
    int shadowDepth; // how far the shadow lies right of and below the form
};

// One row per family, in the order of Art.
inline constexpr auto Looks = [] {
    using namespace colour;
    using enum Form;
    using enum Typeface;
    // clang-format off
    return std::to_array<Look>({
    //   art                form  ground      face        edge       ink        typeface    px  shadow
        {Art::Key,          Key,  White,      White,      MidGrey,   DarkGrey,  Typewriter, 26, 2},
        {Art::GreyKey,      Key,  White,      CardGrey,   MidGrey,   DarkGrey,  Typewriter, 26, 2},
        {Art::PressedKey,   Key,  White,      NearBlack,  NearBlack, White,     Typewriter, 26, 2},
        {Art::LargeButton,  Box,  White,      PaperGrey,  NearBlack, NearBlack, Sans,       30, 5},
        {Art::OkLarge,      Box,  White,      PaperGrey,  NearBlack, NearBlack, Sans,       22, 3},
        {Art::OkSmall,      Box,  ScreenGrey, White,      NearBlack, NearBlack, Sans,       18, 3},
        {Art::PagingActive, Pill, PaperGrey,  ButtonGrey, NearBlack, NearBlack, Sans,       16, 0},
        {Art::PagingGreyed, Pill, PaperGrey,  ButtonGrey, SoftGrey,  SoftGrey,  Sans,       16, 0},
        {Art::Back,         Pill, PaperGrey,  ButtonGrey, NearBlack, NearBlack, Sans,       15, 0},
        {Art::Select,       Disc, PaperGrey,  ButtonGrey, NearBlack, NearBlack, Sans,        0, 2},
        {Art::Card,         Card, White,      CardGrey,   MidGrey,   MidGrey,   Sans,        0, 0},
    });
    // clang-format on
}();

constexpr bool inArtOrder()
{
    for (std::size_t i = 0; i < Looks.size(); ++i)
        if (Looks[i].art != Art(i))
            return false;
    return Looks.size() == std::size_t(Art::Card) + 1;
}
static_assert(inArtOrder(), "one look per family, in the order of Art");

constexpr const Look& lookOf(Art art)
{
    return Looks[std::size_t(art)];
}

} // namespace stopwise
