#include "shell/Layout.h"

#include "assets/Looks.h"
#include "search/CandidateList.h"
#include "search/Keypads.h"

namespace stopwise {
namespace {

constexpr bool Hidden = false;

constexpr ControlRow label(std::string_view name, short index, int x, int y, int width, int height,
                           std::string_view text, int fontPixels, Align align = Align::Left)
{
    return {.name = name,
            .index = index,
            .kind = Kind::Label,
            .x = x,
            .y = y,
            .width = width,
            .height = height,
            .text = text,
            .fontPixels = fontPixels,
            .align = align};
}

constexpr ControlRow picture(std::string_view name, short index, int x, int y, Asset asset,
                             bool visible = true, std::string_view readWith = {})
{
    return {.name = name,
            .index = index,
            .kind = Kind::Picture,
            .x = x,
            .y = y,
            .width = asset.width,
            .height = asset.height,
            .asset = asset,
            .readWith = readWith,
            .visible = visible};
}

// A title that names a place whole: too wide for its line, it is set smaller, not wrapped.
constexpr ControlRow oneLine(ControlRow row)
{
    row.fit = Fit::ShrinkToOneLine;
    return row;
}

constexpr ControlRow rectangle(std::string_view name, short index, int x, int y, int width,
                               int height, std::uint32_t fill, bool outlined)
{
    return {.name = name,
            .index = index,
            .kind = Kind::Rectangle,
            .x = x,
            .y = y,
            .width = width,
            .height = height,
            .fill = fill,
            .outlined = outlined};
}

// A level rule, one pixel high; like any pen stroke it stops short of its end point. A rule
// that is not level is not a constant and stops the build.
constexpr ControlRow line(std::string_view name, int x1, int y1, int x2, int y2)
{
    if (y2 != y1)
        throw "only level rules are drawn";
    return {.name = name,
            .kind = Kind::Line,
            .x = x1,
            .y = y1,
            .width = x2 - x1,
            .height = 1,
            .fill = colour::Black};
}

constexpr Asset largeButton(std::string_view words)
{
    return pictureOf(Art::LargeButton, words);
}
constexpr Asset OkLarge = pictureOf(Art::OkLarge, "OK");
constexpr Asset OkSmall = pictureOf(Art::OkSmall, "OK");
constexpr Asset BackButton = pictureOf(Art::Back, "Back");
constexpr Asset SelectButton = pictureOf(Art::Select);
constexpr Asset CardPicture = pictureOf(Art::Card);
// The live More Areas picture is two pixels narrower than the other paging pictures.
constexpr Asset LiveMoreAreas = [] {
    Asset asset = pictureOf(Art::PagingActive, "More Areas");
    asset.width -= 2;
    return asset;
}();

constexpr ControlRow IntroControls[] = {
    label("IntroMessage", 3, 96, 240, 273, 25, "Touch the screen to continue...", Medium),
    label("IntroMessage", 2, 280, 136, 121, 49, "Bus stop!", Large),
    label("IntroMessage", 1, 120, 88, 193, 57, "Phillips && Murray", Large),
    label("IntroMessage", 0, 40, 40, 217, 33, "Welcome to the", Large),
};

constexpr ControlRow MainMenuControls[] = {
    picture("WhensTheBusComing", Single, 8, 152, largeButton("When's the bus coming?")),
    picture("HowDoIGetTo", Single, 6, 8, largeButton("How do I get to...")),
};

constexpr ControlRow SearchTypeControls[] = {
    picture("IKnowStreetNames", Single, 6, 8, largeButton("I know the street names")),
    picture("IKnowLocation", Single, 6, 152, largeButton("I only know the location")),
};

constexpr ControlRow InstructionsControls[] = {
    picture("InstructionsOK", Single, 312, 224, OkLarge),
    line("Line2", 8, 40, 424, 40),
    label("InstructionsText", Single, 8, 56, 417, 169,
          "1. Take the 28X on this side of the street to Forbes blah blah", Medium),
    oneLine(label("InstructionsTitle", Single, 8, 8, 417, 25,
                  "To get to Forbes Ave && Murray Ave:", Medium)),
};

constexpr ControlRow BusScheduleControls[] = {
    label("CurrentTime", Single, 8, 256, 265, 25, "The current time is 9:58 pm", Medium),
    label("BusScheduleTList", Single, 208, 72, 193, 129, "10:15", Small),
    label("BusScheduleBList", Single, 16, 72, 153, 129, "61C", Small),
    rectangle("Shape2", 1, 14, 128, 405, 20, colour::ScreenGrey, false),
    rectangle("Shape2", 0, 14, 90, 405, 20, colour::ScreenGrey, false),
    picture("BusScheduleOK", Single, 312, 248, OkSmall),
    label("lblNextArrivalTime", Single, 208, 40, 193, 25, "Next Arrival Time:", Medium),
    label("lblBus", Single, 16, 40, 73, 25, "Bus:", Medium),
    line("Line1", 16, 64, 416, 64),
    rectangle("Shape1", Single, 8, 32, 417, 209, colour::White, true),
    label("lblBusSchedule", Single, 8, 8, 129, 25, "Bus Schedule:", Medium),
};

constexpr ControlRow StreetSelectListControls[] = {
    picture("MoreStops", GreyedMore, 8, 248, pictureOf(Art::PagingGreyed, "More Stops"), Hidden),
    picture("MoreStops", LiveMore, 8, 248, pictureOf(Art::PagingActive, "More Stops"), Hidden),
    picture("MoreAreas", GreyedMore, 8, 248, pictureOf(Art::PagingGreyed, "More Areas")),
    picture("MoreAreas", LiveMore, 8, 248, LiveMoreAreas),
    picture("MoreStreets", GreyedMore, 8, 248, pictureOf(Art::PagingGreyed, "More Streets"),
            Hidden),
    picture("MoreStreets", LiveMore, 8, 248, pictureOf(Art::PagingActive, "More Streets")),
    label("ListItem", 3, 48, 200, 209, 25, "Murray Ave", Medium),
    label("ListItem", 2, 48, 160, 209, 25, "Milton St", Medium),
    label("ListItem", 1, 48, 120, 209, 25, "Melwood Ave", Medium),
    label("ListItem", 0, 48, 80, 209, 25, "Maple St", Medium),
    picture("SelectBtn", 3, 8, 192, SelectButton, true, "ListItem"),
    picture("SelectBtn", 2, 8, 152, SelectButton, true, "ListItem"),
    picture("SelectBtn", 1, 8, 112, SelectButton, true, "ListItem"),
    picture("SelectBtn", 0, 8, 72, SelectButton, true, "ListItem"),
    label("SearchWord", Single, 48, 40, 145, 25, "M...", Medium, Align::Centre),
    label("StreetSelectListTitle", Single, 8, 8, 241, 25, "Select a Street:", Medium,
          Align::Centre),
    picture("Back", 1, 168, 248, BackButton),
    picture("MoreStops", ListCard, 0, 0, CardPicture),
};

constexpr ControlRow StreetSelectControls[] = {
    label("StreetSelectText", Single, 32, 64, 201, 137,
          "Use the buttons on the left to type in the name of the street you want to go to.",
          Medium),
    picture("Back", 0, 168, 248, BackButton),
    label("StreetSelectTitle", Single, 8, 8, 249, 25, "Select a Street:", Medium, Align::Centre),
    picture("Image2", Single, 0, 0, CardPicture),
};

// The letter keypad: A to Z, then # and clear, four to a row without gaps; every pressed
// picture lies above every key.
constexpr std::array<std::string_view, LetterKeyCount> LetterSigns = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
    "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "#", "clear"};

constexpr auto KeyPadControls = [] {
    std::array<ControlRow, 2 * LetterSigns.size()> rows{};
    for (short i = 0; i < short(LetterSigns.size()); ++i) {
        const int x = 40 * (i % 4), y = 40 * (i / 4);
        const Art art = i < NumberPadKey ? Art::Key : Art::GreyKey;
        rows[i] =
            picture("Letter_sel", i, x, y, pictureOf(Art::PressedKey, LetterSigns[i]), Hidden);
        rows[LetterSigns.size() + i] = picture("Letters", i, x, y, pictureOf(art, LetterSigns[i]));
    }
    return rows;
}();

// The number keypad: a telephone block of digits below an empty top, with abc and clear
// where # and clear sit on the letter keypad.
struct KeyPlace {
    std::string_view sign;
    Art art;
    int x, y;
};
constexpr KeyPlace NumberKeys[NumberKeyCount] = {
    {"0", Art::Key, 40, 200}, {"1", Art::Key, 0, 80},         {"2", Art::Key, 40, 80},
    {"3", Art::Key, 80, 80},  {"4", Art::Key, 0, 120},        {"5", Art::Key, 40, 120},
    {"6", Art::Key, 80, 120}, {"7", Art::Key, 0, 160},        {"8", Art::Key, 40, 160},
    {"9", Art::Key, 80, 160}, {"abc", Art::GreyKey, 80, 240}, {"clear", Art::GreyKey, 120, 240},
};

constexpr auto NumKeyPadControls = [] {
    constexpr short count = std::size(NumberKeys);
    std::array<ControlRow, 2 * count> rows{};
    for (short i = 0; i < count; ++i) {
        const KeyPlace& k = NumberKeys[i];
        rows[i] = picture("Number_sel", i, k.x, k.y, pictureOf(Art::PressedKey, k.sign), Hidden);
        rows[count + i] = picture("Numbers", i, k.x, k.y, pictureOf(k.art, k.sign));
    }
    return rows;
}();

} // namespace

using colour::ScreenGrey;
using colour::White;

const std::array<PanelRow, PanelCount> PanelLayout = {{
    {"Intro", 0, 0, 436, 288, White, IntroControls},
    {"MainMenu", 0, 0, 436, 288, White, MainMenuControls},
    {"BusSchedule", 0, 0, 436, 296, ScreenGrey, BusScheduleControls},
    {"SearchType", 0, 0, 436, 288, White, SearchTypeControls},
    {"Instructions", 0, 0, 436, 288, White, InstructionsControls},
    {"StreetSelect", 166, 3, 265, 281, White, StreetSelectControls},
    {"StreetSelectList", 166, 3, 265, 281, White, StreetSelectListControls},
    {"KeyPad", 3, 3, 161, 281, White, KeyPadControls},
    {"NumKeyPad", 3, 3, 161, 281, White, NumKeyPadControls},
}};

} // namespace stopwise
