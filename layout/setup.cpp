#include <array>

#include "layout/layout.h"

namespace layout {
namespace {

constexpr std::string_view kHeading = "Arial Black";
constexpr Font kFrameFont{kHeading, 15.75};
constexpr Font kOptionFont{kHeading, 11.25};
constexpr int kGreen = 0x008000;
constexpr int kOtherRows = 40;

// A line or two of small print in a frame, which the setup writes as choices change.
constexpr Row Remark(Widget widget, int left, int top, int width, int height, Widget frame) {
    return {widget,   -1,   Kind::Label, "",    {kHeading, 8.25}, 0,    kGreen,
            kNoColor, left, top,         width, height,           frame};
}

// The time bar's lengths, four to a line; Text("No limit") takes the room of two.
constexpr Row BarChoice(int index, std::string_view caption) {
    return {Widget::barChoice,
            index,
            Kind::Option,
            caption,
            kOptionFont,
            0,
            kGreen,
            kNoColor,
            240 + 1020 * (index % 4),
            420 + 360 * (index / 4),
            index == 6 ? 1935 : 975,
            255,
            Widget::barFrame};
}

constexpr std::array<Row, kOtherRows> kOthers{{
    {Widget::teamsFrame, -1, Kind::Frame, Text("Team Names"), kFrameFont, kBold | kUnderline,
     kGreen, kNoColor, 120, 0, 4935, 1695},
    {Widget::teamNameBox,
     0,
     Kind::TextBox,
     "",
     {"Times New Roman", 14.25},
     kBold,
     kNoColor,
     kNoColor,
     120,
     480,
     4695,
     495,
     Widget::teamsFrame,
     0,
     Text("Default is \"Team #1\"")},
    {Widget::teamNameBox,
     1,
     Kind::TextBox,
     "",
     {"Times New Roman", 14.25},
     kBold,
     kNoColor,
     kNoColor,
     120,
     1080,
     4695,
     495,
     Widget::teamsFrame,
     0,
     Text("Default is \"Team #2\"")},
    {Widget::roundsFrame, -1, Kind::Frame, Text("Rounds"), kFrameFont, kBold | kUnderline, kGreen,
     kNoColor, 5520, 0, 1935, 1695},
    {Widget::roundsChoice, 0, Kind::Option, Text("1 Round"), kOptionFont, 0, kGreen, kNoColor, 120,
     480, 1575, 330, Widget::roundsFrame},
    {Widget::roundsChoice, 1, Kind::Option, Text("2 Rounds"), kOptionFont, 0, kGreen, kNoColor, 120,
     840, 1575, 330, Widget::roundsFrame},
    {Widget::roundsChoice, 2, Kind::Option, Text("3 Rounds"), kOptionFont, 0, kGreen, kNoColor, 120,
     1200, 1575, 255, Widget::roundsFrame},
    {Widget::categoriesFrame, -1, Kind::Frame, Text("Categories"), kFrameFont, kBold | kUnderline,
     kGreen, kNoColor, 120, 1800, 7335, 2415},
    // The runs of blanks make the instructions wrap into short lines; a word joiner and a no-break
    // space keep each dash with its first word, so that no line ends in a lone dash. Each escape
    // ends its literal: the translation tools would read a letter after it as one more digit.
    {Widget::instructions,
     -1,
     Kind::Label,
     //: The runs of blanks end the box's short lines: each dash begins one. A translation may
     //: use blanks the same way; the word joiner and no-break space after each dash keep it with
     //: its word.
     Text("-\u2060\u00A0"
          "Select 5 category         files per round.          -\u2060\u00A0"
          "Click to "
          "select,           "
          " "
          "doubleclick to clear.  -\u2060\u00A0"
          "Categories may be       selected more than      "
          "once."),
     {kHeading, 8.25},
     0,
     kGreen,
     kNoColor,
     120,
     600,
     2055,
     1575,
     Widget::categoriesFrame},
    {Widget::roundHeading,
     0,
     Kind::Label,
     Text("Round 1"),
     {kHeading, 12},
     kBold | kUnderline | kCentred | kTransparent,
     kNoColor,
     0x000000,
     2280,
     240,
     1575,
     495,
     Widget::categoriesFrame},
    {Widget::roundHeading,
     1,
     Kind::Label,
     Text("Round 2"),
     {kHeading, 12},
     kBold | kUnderline | kCentred | kTransparent,
     kNoColor,
     0x000000,
     3960,
     240,
     1575,
     495,
     Widget::categoriesFrame},
    {Widget::roundHeading,
     2,
     Kind::Label,
     Text("Round 3"),
     {kHeading, 12},
     kBold | kUnderline | kCentred | kTransparent,
     kNoColor,
     0x000000,
     5640,
     240,
     1575,
     495,
     Widget::categoriesFrame},
    {Widget::scheduleFrame, -1, Kind::Frame, Text("Zapsters"), kFrameFont, kBold | kUnderline,
     kGreen, kNoColor, 120, 4320, 4335, 1575},
    {Widget::scheduleChoice, 0, Kind::Option, Text("None"), kOptionFont, 0, kGreen, kNoColor, 240,
     480, 1335, 255, Widget::scheduleFrame},
    {Widget::scheduleChoice, 1, Kind::Option, "0, 0, 0", kOptionFont, 0, kGreen, kNoColor, 240, 840,
     1335, 255, Widget::scheduleFrame},
    {Widget::scheduleChoice, 2, Kind::Option, "0, 3, 6", kOptionFont, 0, kGreen, kNoColor, 240,
     1200, 1335, 255, Widget::scheduleFrame},
    {Widget::scheduleChoice, 3, Kind::Option, "3, 6, 9", kOptionFont, 0, kGreen, kNoColor, 2640,
     480, 1455, 255, Widget::scheduleFrame},
    {Widget::scheduleChoice, 4, Kind::Option, "6, 9, 12", kOptionFont, 0, kGreen, kNoColor, 2640,
     840, 1455, 255, Widget::scheduleFrame},
    {Widget::scheduleChoice, 5, Kind::Option, Text("Total!"), kOptionFont, 0, kGreen, kNoColor,
     2640, 1200, 1455, 255, Widget::scheduleFrame},
    {Widget::soundFrame, -1, Kind::Frame, Text("Sound"), kFrameFont, kBold | kUnderline, kGreen,
     kNoColor, 4560, 4320, 1455, 1575},
    {Widget::soundButton,
     -1,
     Kind::Button,
     Text("ON"),
     {kHeading, 20.25},
     kBold,
     0x00FF00,
     kNoColor,
     120,
     675,
     1215,
     630,
     Widget::soundFrame},
    {Widget::doneButton,
     -1,
     Kind::Button,
     Text("Done"),
     {kHeading, 15.75},
     kBold,
     0x00C000,
     kNoColor,
     6120,
     4560,
     1335,
     1335},
    // Below the rest: where the room's screens and the host's window go when there are two
    // displays.
    {Widget::displaysFrame, -1, Kind::Frame, Text("Displays"), kFrameFont, kBold | kUnderline,
     kGreen, kNoColor, 120, 6000, 7335, 1335},
    {Widget::hostChoice, 0, Kind::Option, Text("Host window"), kOptionFont, 0, kGreen, kNoColor,
     240, 420, 2175, 255, Widget::displaysFrame},
    {Widget::hostChoice, 1, Kind::Option, Text("Swapped"), kOptionFont, 0, kGreen, kNoColor, 2640,
     420, 2175, 255, Widget::displaysFrame},
    {Widget::hostChoice, 2, Kind::Option, Text("Off"), kOptionFont, 0, kGreen, kNoColor, 5040, 420,
     2175, 255, Widget::displaysFrame},
    Remark(Widget::displaysMode, 240, 780, 6975, 435, Widget::displaysFrame),
    // Below the displays: the time bar's length, and when it starts.
    {Widget::barFrame, -1, Kind::Frame, Text("Time Bar"), kFrameFont, kBold | kUnderline, kGreen,
     kNoColor, 120, 7440, 4335, 1335},
    BarChoice(0, Text("15 s")),
    BarChoice(1, Text("20 s")),
    BarChoice(2, Text("32 s")),
    BarChoice(3, Text("45 s")),
    BarChoice(4, Text("60 s")),
    BarChoice(5, Text("90 s")),
    BarChoice(6, Text("No limit")),
    {Widget::startFrame, -1, Kind::Frame, Text("Start Bar"), kFrameFont, kBold | kUnderline, kGreen,
     kNoColor, 4560, 7440, 2895, 1335},
    {Widget::startChoice, 0, Kind::Option, Text("At once"), kOptionFont, 0, kGreen, kNoColor, 240,
     420, 2535, 255, Widget::startFrame},
    {Widget::startChoice, 1, Kind::Option, Text("After reading"), kOptionFont, 0, kGreen, kNoColor,
     240, 780, 2535, 255, Widget::startFrame},
    // Beside the rest: what each chosen category file will supply, in plain words.
    {Widget::filesFrame, -1, Kind::Frame, Text("Category Files"), kFrameFont, kBold | kUnderline,
     kGreen, kNoColor, 7560, 0, 3735, 8775},
    Remark(Widget::filesReport, 120, 420, 3495, 8235, Widget::filesFrame),
}};

// The fifteen category slots lie on the window, over the Categories frame: a column of five
// under each round's heading.
constexpr Row Slot(int index) {
    constexpr std::array<int, 3> lefts{2400, 4080, 5760};
    return {Widget::categorySlot,
            index,
            Kind::FileList,
            "",
            {},
            0,
            kNoColor,
            kNoColor,
            lefts[index / 5],
            2400 + 360 * (index % 5),
            1575,
            285};
}

constexpr auto kRows = [] {
    std::array<Row, kOtherRows + 15> rows{};
    std::size_t n = 0;
    for (const Row& row : kOthers) {
        rows[n++] = row;
    }
    for (int index = 0; index < 15; ++index) {
        rows[n++] = Slot(index);
    }
    return rows;
}();

}  // namespace

const SetupLook kSetupLook{0x000000, 0x808080, 0x00FF00, 0xC00000, 0xFFB0B0};

const Screen kSetup{
    {Text("Game Setup"), kGreen, 11415, 8895, WindowStyle::Sizable, false, true, Placement::At,
     2385, 1575},
    kRows,
};

}  // namespace layout
