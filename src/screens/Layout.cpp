#include "screens/Layout.h"

#include "assets/Looks.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Picture.h"

#include <type_traits>

namespace stopwise {
namespace {

constexpr bool Hidden = false;

// What a member of Screens holds: a control, or an array of them. Nothing else belongs there.
template <typename Member> struct Slot {
    static_assert(sizeof(Member) == 0, "a member of Screens holds a control or an array of them");
};
template <typename Control> struct Slot<Control * Screens::*> {
    using Element = Control;
    static constexpr short Count = 0; // a single control
};
template <typename Control, std::size_t N> struct Slot<std::array<Control*, N> Screens::*> {
    using Element = Control;
    static constexpr short Count = N;
};

template <auto Member> void storeInto(Screens& screens, QWidget& control, short index)
{
    using Control = typename Slot<decltype(Member)>::Element;
    if constexpr (Slot<decltype(Member)>::Count == 0)
        screens.*Member = static_cast<Control*>(&control);
    else
        (screens.*Member)[index] = static_cast<Control*>(&control);
}

// A control's name and, for a control the code reaches, the member of Screens it fills:
// CONTROL(SearchWord) names the member and the control alike. A plain name is a control no
// code touches.
struct Target {
    constexpr Target(const char* name)
        : name(name)
    {
    }
    constexpr Target(std::string_view name, StoreControl store, Kind kind, short count,
                     Panel* Screens::*panel)
        : name(name)
        , reached(true)
        , store(store)
        , kind(kind)
        , count(count)
        , panel(panel)
    {
    }

    // `row` filling its member, if it has one; a control that does not fit its member is not
    // a constant and stops the build.
    constexpr ControlRow fills(ControlRow row) const
    {
        if (!reached)
            return row;
        if (row.kind != kind)
            throw "the control is not of its member's type";
        if (count == 0 ? row.index != Single : row.index < 0 || row.index >= count)
            throw "the index does not fit the member";
        row.store = store;
        return row;
    }

    std::string_view name;
    bool reached = false; // a member of Screens
    StoreControl store = nullptr;
    Kind kind = Kind::Label;
    short count = 0;
    Panel* Screens::*panel = nullptr;
};

template <auto Member> constexpr Target targetOf(std::string_view name)
{
    using Control = typename Slot<decltype(Member)>::Element;
    if constexpr (std::is_same_v<Control, Panel>)
        return {name, nullptr, Kind::Label, 0, Member};
    else
        return {name, &storeInto<Member>,
                std::is_same_v<Control, Label> ? Kind::Label : Kind::Picture,
                Slot<decltype(Member)>::Count, nullptr};
}
#define CONTROL(member) targetOf<&Screens::member>(#member)

constexpr ControlRow label(Target target, short index, int x, int y, int width, int height,
                           std::string_view text, int fontPixels, Align align = Align::Left)
{
    return target.fills({.name = target.name,
                         .index = index,
                         .kind = Kind::Label,
                         .x = x,
                         .y = y,
                         .width = width,
                         .height = height,
                         .text = text,
                         .fontPixels = fontPixels,
                         .align = align});
}

constexpr ControlRow picture(Target target, short index, int x, int y, Asset asset,
                             bool visible = true)
{
    return target.fills({.name = target.name,
                         .index = index,
                         .kind = Kind::Picture,
                         .x = x,
                         .y = y,
                         .width = asset.width,
                         .height = asset.height,
                         .asset = asset,
                         .visible = visible});
}

// A title that names a place whole: too wide for its line, it is set smaller, not wrapped.
constexpr ControlRow oneLine(ControlRow row)
{
    row.fit = Fit::ShrinkToOneLine;
    return row;
}

// A key's pressed look lies above the key and lets its touches through to it, so that a key
// whose look stayed (its release never came) still answers the next touch.
constexpr ControlRow pressedLook(ControlRow row)
{
    row.seeThrough = true;
    return row;
}

// A select button is read out with the name in its row.
constexpr ControlRow readWithItsRow(ControlRow row)
{
    row.readWith = [](const Screens& screens, short index) { return screens.ListItem[index]; };
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

constexpr PanelRow panel(Target target, int x, int y, int width, int height,
                         std::uint32_t background, std::span<const ControlRow> controls)
{
    if (!target.panel)
        throw "a panel fills a Panel member";
    return {target.panel, target.name, x, y, width, height, background, controls};
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
    label(CONTROL(IntroMessage), 3, 96, 240, 273, 25, "Touch the screen to continue...", Medium),
    label(CONTROL(IntroMessage), 2, 280, 136, 121, 49, "Bus stop!", Large),
    label(CONTROL(IntroMessage), 1, 120, 88, 193, 57, "Phillips && Murray", Large),
    label(CONTROL(IntroMessage), 0, 40, 40, 217, 33, "Welcome to the", Large),
};

constexpr ControlRow MainMenuControls[] = {
    picture(CONTROL(WhensTheBusComing), Single, 8, 152, largeButton("When's the bus coming?")),
    picture(CONTROL(HowDoIGetTo), Single, 6, 8, largeButton("How do I get to...")),
};

constexpr ControlRow SearchTypeControls[] = {
    picture(CONTROL(IKnowStreetNames), Single, 6, 8, largeButton("I know the street names")),
    picture(CONTROL(IKnowLocation), Single, 6, 152, largeButton("I only know the location")),
};

constexpr ControlRow InstructionsControls[] = {
    picture(CONTROL(InstructionsOK), Single, 312, 224, OkLarge),
    line("Line2", 8, 40, 424, 40),
    label(CONTROL(InstructionsText), Single, 8, 56, 417, 169,
          "1. Take the 28X on this side of the street to Forbes blah blah", Medium),
    oneLine(label(CONTROL(InstructionsTitle), Single, 8, 8, 417, 25,
                  "To get to Forbes Ave && Murray Ave:", Medium)),
};

constexpr ControlRow BusScheduleControls[] = {
    label("CurrentTime", Single, 8, 256, 265, 25, "The current time is 9:58 pm", Medium),
    label(CONTROL(BusScheduleTList), Single, 208, 72, 193, 129, "10:15", Small),
    label(CONTROL(BusScheduleBList), Single, 16, 72, 153, 129, "61C", Small),
    rectangle("Shape2", 1, 14, 128, 405, 20, colour::ScreenGrey, false),
    rectangle("Shape2", 0, 14, 90, 405, 20, colour::ScreenGrey, false),
    picture(CONTROL(BusScheduleOK), Single, 312, 248, OkSmall),
    label("lblNextArrivalTime", Single, 208, 40, 193, 25, "Next Arrival Time:", Medium),
    label("lblBus", Single, 16, 40, 73, 25, "Bus:", Medium),
    line("Line1", 16, 64, 416, 64),
    rectangle("Shape1", Single, 8, 32, 417, 209, colour::White, true),
    label("lblBusSchedule", Single, 8, 8, 129, 25, "Bus Schedule:", Medium),
};

// The card behind the list is element 3 of the More Stops array: it takes touches and does
// nothing, and no code reaches it.
constexpr short ListCard = 3;

constexpr ControlRow StreetSelectListControls[] = {
    picture(CONTROL(MoreStops), GreyedMore, 8, 248, pictureOf(Art::PagingGreyed, "More Stops"),
            Hidden),
    picture(CONTROL(MoreStops), LiveMore, 8, 248, pictureOf(Art::PagingActive, "More Stops"),
            Hidden),
    picture(CONTROL(MoreAreas), GreyedMore, 8, 248, pictureOf(Art::PagingGreyed, "More Areas")),
    picture(CONTROL(MoreAreas), LiveMore, 8, 248, LiveMoreAreas),
    picture(CONTROL(MoreStreets), GreyedMore, 8, 248, pictureOf(Art::PagingGreyed, "More Streets"),
            Hidden),
    picture(CONTROL(MoreStreets), LiveMore, 8, 248, pictureOf(Art::PagingActive, "More Streets")),
    label(CONTROL(ListItem), 3, 48, 200, 209, 25, "Murray Ave", Medium),
    label(CONTROL(ListItem), 2, 48, 160, 209, 25, "Milton St", Medium),
    label(CONTROL(ListItem), 1, 48, 120, 209, 25, "Melwood Ave", Medium),
    label(CONTROL(ListItem), 0, 48, 80, 209, 25, "Maple St", Medium),
    readWithItsRow(picture(CONTROL(SelectBtn), 3, 8, 192, SelectButton)),
    readWithItsRow(picture(CONTROL(SelectBtn), 2, 8, 152, SelectButton)),
    readWithItsRow(picture(CONTROL(SelectBtn), 1, 8, 112, SelectButton)),
    readWithItsRow(picture(CONTROL(SelectBtn), 0, 8, 72, SelectButton)),
    label(CONTROL(SearchWord), Single, 48, 40, 145, 25, "M...", Medium, Align::Centre),
    label(CONTROL(StreetSelectListTitle), Single, 8, 8, 241, 25, "Select a Street:", Medium,
          Align::Centre),
    picture(CONTROL(Back), 1, 168, 248, BackButton),
    picture("MoreStops", ListCard, 0, 0, CardPicture),
};

constexpr ControlRow StreetSelectControls[] = {
    label(CONTROL(StreetSelectText), Single, 32, 64, 201, 137,
          "Use the buttons on the left to type in the name of the street you want to go to.",
          Medium),
    picture(CONTROL(Back), 0, 168, 248, BackButton),
    label(CONTROL(StreetSelectTitle), Single, 8, 8, 249, 25, "Select a Street:", Medium,
          Align::Centre),
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
        rows[i] = pressedLook(picture(CONTROL(Letter_sel), i, x, y,
                                      pictureOf(Art::PressedKey, LetterSigns[i]), Hidden));
        rows[LetterSigns.size() + i] =
            picture(CONTROL(Letters), i, x, y, pictureOf(art, LetterSigns[i]));
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

// Each letter key shows the letter it types, each digit key its digit.
constexpr bool keysShowWhatTheyType()
{
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const char capital[] = {char(letter - 'a' + 'A')};
        if (LetterSigns[keyOfLetter(letter)] != std::string_view(capital, 1) ||
            letterOfKey(keyOfLetter(letter)) != letter)
            return false;
    }
    for (char digit = '0'; digit <= '9'; ++digit) {
        const char sign[] = {digit};
        if (NumberKeys[keyOfDigit(digit)].sign != std::string_view(sign, 1) ||
            digitOfKey(keyOfDigit(digit)) != digit)
            return false;
    }
    return true;
}
static_assert(keysShowWhatTheyType(), "a key's sign is the letter or digit it types");

constexpr auto NumKeyPadControls = [] {
    constexpr short count = std::size(NumberKeys);
    std::array<ControlRow, 2 * count> rows{};
    for (short i = 0; i < count; ++i) {
        const KeyPlace& k = NumberKeys[i];
        rows[i] = pressedLook(
            picture(CONTROL(Number_sel), i, k.x, k.y, pictureOf(Art::PressedKey, k.sign), Hidden));
        rows[count + i] = picture(CONTROL(Numbers), i, k.x, k.y, pictureOf(k.art, k.sign));
    }
    return rows;
}();

} // namespace

using colour::ScreenGrey;
using colour::White;

constexpr std::array<PanelRow, PanelCount> PanelLayout = {{
    panel(CONTROL(Intro), 0, 0, 436, 288, White, IntroControls),
    panel(CONTROL(MainMenu), 0, 0, 436, 288, White, MainMenuControls),
    panel(CONTROL(BusSchedule), 0, 0, 436, 296, ScreenGrey, BusScheduleControls),
    panel(CONTROL(SearchType), 0, 0, 436, 288, White, SearchTypeControls),
    panel(CONTROL(Instructions), 0, 0, 436, 288, White, InstructionsControls),
    panel(CONTROL(StreetSelect), 166, 3, 265, 281, White, StreetSelectControls),
    panel(CONTROL(StreetSelectList), 166, 3, 265, 281, White, StreetSelectListControls),
    panel(CONTROL(KeyPad), 3, 3, 161, 281, White, KeyPadControls),
    panel(CONTROL(NumKeyPad), 3, 3, 161, 281, White, NumKeyPadControls),
}};

namespace {

// How many rows fill element `index` of the member (Single for a member that is no array).
template <auto Member> constexpr int rowsFilling(short index)
{
    int rows = 0;
    for (const PanelRow& panel : PanelLayout) {
        if constexpr (std::is_same_v<typename Slot<decltype(Member)>::Element, Panel>)
            rows += panel.panel == Member;
        else
            for (const ControlRow& row : panel.controls)
                rows += row.store == &storeInto<Member> && row.index == index;
    }
    return rows;
}

// Each control of the member, or each element of a member that is an array, is filled by
// exactly one row.
template <auto Member> constexpr bool filledOnce()
{
    constexpr short count = Slot<decltype(Member)>::Count;
    if (count == 0)
        return rowsFilling<Member>(Single) == 1;
    for (short index = 0; index < count; ++index)
        if (rowsFilling<Member>(index) != 1)
            return false;
    return true;
}

// The members of Screens, each checked here; the list itself is checked against the members
// Screens has, so a member added there and not here stops the build too.
// clang-format off
#define STOPWISE_SCREENS_MEMBERS(X)                                                                \
    X(Intro) X(MainMenu) X(BusSchedule) X(SearchType) X(Instructions) X(StreetSelect)              \
    X(StreetSelectList) X(KeyPad) X(NumKeyPad)                                                     \
    X(IntroMessage) X(HowDoIGetTo) X(WhensTheBusComing) X(IKnowStreetNames) X(IKnowLocation)       \
    X(BusScheduleBList) X(BusScheduleTList) X(BusScheduleOK)                                       \
    X(InstructionsTitle) X(InstructionsText) X(InstructionsOK)                                     \
    X(StreetSelectTitle) X(StreetSelectText) X(StreetSelectListTitle) X(SearchWord)                \
    X(ListItem) X(SelectBtn) X(MoreStreets) X(MoreAreas) X(MoreStops) X(Back)                      \
    X(Letters) X(Letter_sel) X(Numbers) X(Number_sel)
// clang-format on

#define FILLED_ONCE(member)                                                                        \
    static_assert(filledOnce<&Screens::member>(),                                                  \
                  "Screens::" #member ": not every control of it is filled by exactly one row");
STOPWISE_SCREENS_MEMBERS(FILLED_ONCE)

// How many members an aggregate has: the most initializers it takes, one for each.
struct AnyMember {
    template <typename T> operator T() const; // only ever named, never called
};
template <typename Aggregate, typename... Taken> constexpr std::size_t memberCount()
{
    if constexpr (requires { Aggregate{Taken{}..., AnyMember{}}; })
        return memberCount<Aggregate, Taken..., AnyMember>();
    else
        return sizeof...(Taken);
}
#define ONE_MORE(member) +1
static_assert(memberCount<Screens>() == 0 STOPWISE_SCREENS_MEMBERS(ONE_MORE),
              "Screens has a member that the list of members above does not name");

} // namespace

} // namespace stopwise
