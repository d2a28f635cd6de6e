#pragma once

#include <array>

#include "layout/layout.h"

// The record of the game, the same on the host's window and on a window of its own: the list of
// outcomes, the three verdicts an entry can be judged again to, a correction by hand, and the
// night's results. Read at arm's length on the moderator's display.
namespace layout {

// The record's texts, filed for translators with the rest of the layout's (a type named
// with its namespace here would file them under that namespace instead).
inline constexpr auto kRecordHeading = Text("The record: choose an entry to judge it again");
inline constexpr auto kCorrectHeading = Text("Correct a score by hand: points and reason");
inline constexpr auto kCorrectButton = Text("Correct the score");
inline constexpr auto kResultsButton = Text("Save the results\u2026");

}  // namespace layout

namespace layout::record {

inline constexpr int kPixel = 15;                  // twips
inline constexpr int kWidth = 640, kHeight = 480;  // pixels
inline constexpr int kInk = 0xFFFFFF;
inline constexpr int kPanel = 0x303050;
inline constexpr int kButton = 0x5060A0;
inline constexpr int kChoice = 0xC8D0F0;  // options draw black letters
inline constexpr int kRows = 13;

constexpr Row At(Widget widget, int index, Kind kind, std::string_view caption, double points,
                 unsigned style, int back, int text, int left, int top, int width, int height) {
    return {widget, index, kind,          caption,      {"Arial Black", points}, style,
            back,   text,  left * kPixel, top * kPixel, width * kPixel,          height * kPixel};
}

// From the corner at (`left`, `top`) pixels. Hidden until shown: on the host's window they share
// their place with the board.
constexpr std::array<Row, kRows> Rows(int left, int top, unsigned style) {
    const auto at = [&](Widget widget, int index, Kind kind, std::string_view caption,
                        double points, unsigned more, int back, int text, int x, int y, int width,
                        int height) {
        return At(widget, index, kind, caption, points, style | more, back, text, left + x, top + y,
                  width, height);
    };
    return {{
        at(Widget::recordHeading, -1, Kind::Label, kRecordHeading, 11, kBold, kPanel, kInk, 0, 0,
           640, 28),
        at(Widget::recordList, -1, Kind::ListBox, "", 10, 0, kNoColor, kNoColor, 0, 32, 640, 250),
        at(Widget::recordVerdict, 0, Kind::Button, "", 11, kBold, 0x00A000, kNoColor, 0, 288, 210,
           44),
        at(Widget::recordVerdict, 1, Kind::Button, "", 11, kBold, 0xC00000, kNoColor, 215, 288, 210,
           44),
        at(Widget::recordVerdict, 2, Kind::Button, "", 11, kBold, kButton, kNoColor, 430, 288, 210,
           44),
        at(Widget::correctHeading, -1, Kind::Label, kCorrectHeading, 11, kBold, kPanel, kInk, 0,
           340, 640, 28),
        at(Widget::correctTeam, 0, Kind::Option, "", 11, kBold, kChoice, kNoColor, 0, 370, 315, 28),
        at(Widget::correctTeam, 1, Kind::Option, "", 11, kBold, kChoice, kNoColor, 325, 370, 315,
           28),
        at(Widget::correctBy, -1, Kind::TextBox, "", 12, kBold, kNoColor, kNoColor, 0, 402, 110,
           34),
        at(Widget::correctWhy, -1, Kind::TextBox, "", 12, 0, kNoColor, kNoColor, 116, 402, 330, 34),
        at(Widget::correctButton, -1, Kind::Button, kCorrectButton, 11, kBold, kButton, kNoColor,
           452, 402, 188, 34),
        at(Widget::resultsButton, -1, Kind::Button, kResultsButton, 11, kBold, kButton, kNoColor, 0,
           444, 220, 36),
        at(Widget::resultsSaved, -1, Kind::Label, "", 9, 0, kPanel, kInk, 226, 444, 414, 36),
    }};
}

}  // namespace layout::record
