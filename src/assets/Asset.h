// Names one picture of the kiosk: which family of artwork it belongs to, the words or
// sign it carries and its size in logical pixels. The layout tables hold these; the
// artwork module draws them. Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <string_view>

namespace stopwise {

enum class Art : std::uint8_t {
    Key,          // a sign on a white key
    GreyKey,      // a sign on a light grey key (#, clear, abc)
    PressedKey,   // a sign in white on a near-black key
    LargeButton,  // the menu buttons
    OkLarge,      // OK on the directions screen
    OkSmall,      // OK on the arrivals screen
    PagingActive, // More Streets/Areas/Stops, live
    PagingGreyed, // the same, drawn disabled
    Back,
    Select, // the round button beside a candidate
    Card,   // the background of the right-hand panels
};

struct Asset {
    Art art;
    std::string_view words; // what a person reads on it; empty for the select button and card
    int width;
    int height;
};

} // namespace stopwise
