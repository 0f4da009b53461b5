// The kiosk's pictures as data: for each family its size, its form, its colours, the face
// and size of its words and the depth of its shadow. The layout takes the sizes and the
// drawing routines the rest from this one table, so a change of look is a change here.
#pragma once

#include "assets/Asset.h"
#include "assets/Palette.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace stopwise {

enum class Form : std::uint8_t {
    Key,  // a square key with curved corners and a soft shadow
    Box,  // a rectangle on a solid dark shadow to the right and below
    Pill, // a rectangle with half-round ends, no shadow
    Disc, // a circle with a soft shadow
    Card, // the background card of the right-hand panels
};

enum class Typeface : std::uint8_t {
    Typewriter, // the one-letter signs on the keys
    Narrow,     // the words on the keys, which must fit a key at a size that reads
    Sans,       // the words on buttons
};

struct Look {
    Art art;
    int width, height; // in logical pixels
    Form form;
    std::uint32_t ground; // what lies around the form: the colour of the panel below
    std::uint32_t face;   // the form's fill
    std::uint32_t edge;   // its outline
    std::uint32_t ink;    // its words or sign
    Typeface typeface;    // of its words
    int wordPixels;       // the size of its words, fixed so that words of a family always match
    int signPixels;       // keys: the size of a one-letter sign, set in the typewriter face
    int shadowDepth;      // how far the shadow lies right of and below the form
};

// One row per family, in the order of Art.
inline constexpr auto Looks = [] {
    using namespace colour;
    using enum Form;
    using enum Typeface;
    // clang-format off
    return std::to_array<Look>({
    //                                                                                    word sign
    //   art                 size      form  ground      face        edge       ink        typeface    px  px  shadow
        {Art::Key,          40,  40,  Key,  White,      White,      MidGrey,   DarkGrey,  Narrow,     13, 26, 2},
        {Art::GreyKey,      40,  40,  Key,  White,      CardGrey,   MidGrey,   DarkGrey,  Narrow,     13, 26, 2},
        {Art::PressedKey,   40,  40,  Key,  White,      NearBlack,  NearBlack, White,     Narrow,     13, 26, 2},
        {Art::LargeButton, 424, 135,  Box,  White,      PaperGrey,  NearBlack, NearBlack, Sans,       30,  0, 5},
        {Art::OkLarge,     115,  58,  Box,  White,      PaperGrey,  NearBlack, NearBlack, Sans,       22,  0, 3},
        {Art::OkSmall,     115,  35,  Box,  ScreenGrey, White,      NearBlack, NearBlack, Sans,       18,  0, 3},
        {Art::PagingActive,159,  31,  Pill, PaperGrey,  ButtonGrey, NearBlack, NearBlack, Sans,       16,  0, 0},
        {Art::PagingGreyed,159,  31,  Pill, PaperGrey,  ButtonGrey, SoftGrey,  SoftGrey,  Sans,       16,  0, 0},
        {Art::Back,         85,  29,  Pill, CardGrey,   ButtonGrey, NearBlack, NearBlack, Sans,       16,  0, 0},
        {Art::Select,       37,  38,  Disc, CardGrey,   ButtonGrey, NearBlack, NearBlack, Sans,        0,  0, 2},
        {Art::Card,        261, 282,  Card, White,      CardGrey,   MidGrey,   MidGrey,   Sans,        0,  0, 0},
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

// A picture of the family `art` carrying `words`, at the family's size.
constexpr Asset pictureOf(Art art, std::string_view words = {})
{
    return {art, words, lookOf(art).width, lookOf(art).height};
}

} // namespace stopwise
