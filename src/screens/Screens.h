// The kiosk's controls as typed members, each named after the control it holds; a control
// array is a std::array indexed as the array is. The screen builder fills every member from
// the layout tables (Layout.cpp), and the build checks that the tables fill each member
// exactly once, with a control of its type. The window and the subsystems reach controls only
// through these members; the controls' object names are for screen readers and tests.
#pragma once

#include <array>

namespace stopwise {

class Label;
class Panel;
class Picture;

// The letter keypad: A to Z are keys 0 to 25, then these two.
enum LetterKey : short { NumberPadKey = 26, ClearLettersKey = 27, LetterKeyCount };
// The number keypad: the digits 0 to 9 are keys 0 to 9, then these two.
enum NumberKey : short { LetterPadKey = 10, ClearNumbersKey = 11, NumberKeyCount };
// What the keys type: letter key i the i-th letter from a, digit key i the digit i. The layout
// checks its keys' signs against these; the keypads and the tests type through them.
constexpr char letterOfKey(short key)
{
    return char('a' + key);
}
constexpr short keyOfLetter(char letter)
{
    return short(letter - 'a');
}
constexpr char digitOfKey(short key)
{
    return char('0' + key);
}
constexpr short keyOfDigit(char digit)
{
    return short(digit - '0');
}

// The elements of each More array: the live button and its greyed look.
enum MoreButton : short { LiveMore, GreyedMore, MoreLooks };

inline constexpr int ListRows = 4; // the candidates on one page

struct Screens {
    // The nine panels.
    Panel *Intro, *MainMenu, *BusSchedule, *SearchType, *Instructions;
    Panel *StreetSelect, *StreetSelectList; // the prompt, and the candidate list in its place
    Panel *KeyPad, *NumKeyPad;              // the letter keypad, and the number keypad

    std::array<Label*, 4> IntroMessage;
    Picture *HowDoIGetTo, *WhensTheBusComing;
    Picture *IKnowStreetNames, *IKnowLocation;
    Label *BusScheduleBList, *BusScheduleTList; // the route and time columns
    Picture* BusScheduleOK;
    Label *InstructionsTitle, *InstructionsText;
    Picture* InstructionsOK;

    Label *StreetSelectTitle, *StreetSelectText;
    Label *StreetSelectListTitle, *SearchWord;
    std::array<Label*, ListRows> ListItem;
    std::array<Picture*, ListRows> SelectBtn;
    std::array<Picture*, MoreLooks> MoreStreets, MoreAreas, MoreStops;
    std::array<Picture*, 2> Back; // on the prompt, and on the list

    std::array<Picture*, LetterKeyCount> Letters, Letter_sel; // the keys, and their pressed look
    std::array<Picture*, NumberKeyCount> Numbers, Number_sel;
};

} // namespace stopwise
