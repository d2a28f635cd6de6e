#include <array>

#include "layout/layout.h"
#include "layout/record_rows.h"

// The host's window, on the moderator's display: the board and the scores on the left, the open
// question with its answer and the moderator's buttons on the right. Laid out for a display of
// 1280x720 pixels and scaled up to fill a larger one; its letters are read at arm's length.
namespace layout {
namespace {

constexpr int kPixel = 15;  // twips
constexpr std::string_view kFace = "Arial Black";
constexpr int kInk = 0xFFFFFF;
constexpr int kPanel = 0x303050;
constexpr int kButton = 0x5060A0;

constexpr Row At(Widget widget, int index, Kind kind, std::string_view caption, double points,
                 unsigned style, int back, int text, int left, int top, int width, int height) {
    return {widget, index, kind,          caption,      {kFace, points}, style,
            back,   text,  left * kPixel, top * kPixel, width * kPixel,  height * kPixel};
}

// The keys the buttons show: they work while the host's window has the keyboard.
constexpr std::array<std::string_view, kHostZapsterButtons> kZapsterCaptions{
    "1   [1]", "2   [2]", "3   [3]", "1   [8]", "2   [9]", "3   [0]"};

constexpr int kOtherRows = 21;
constexpr std::array<Row, kOtherRows> kOthers{{
    At(Widget::hostRound, -1, Kind::Label, "", 18, kBold, kPanel, kInk, 16, 8, 180, 44),
    At(Widget::hostTeamName, 0, Kind::Label, "", 16, kBold | kCentred, kPanel, kInk, 208, 8, 300,
       44),
    At(Widget::hostScore, 0, Kind::Label, "", 20, kBold | kCentred, kPanel, kInk, 512, 8, 130, 44),
    At(Widget::hostTeamName, 1, Kind::Label, "", 16, kBold | kCentred, kPanel, kInk, 672, 8, 300,
       44),
    At(Widget::hostScore, 1, Kind::Label, "", 20, kBold | kCentred, kPanel, kInk, 976, 8, 130, 44),
    At(Widget::hostTakeBack, -1, Kind::Button, Text("Take back   [Ctrl+Z]"), 13, kBold, kButton,
       kNoColor, 16, 556, 310, 56),
    At(Widget::hostEndGame, -1, Kind::Button, Text("End the game   [End]"), 13, kBold, kButton,
       kNoColor, 342, 556, 310, 56),
    At(Widget::hostCategory, -1, Kind::Label, "", 14, kBold, kPanel, kInk, 672, 64, 592, 44),
    At(Widget::hostQuestion, -1, Kind::Label, "", 20, kBold | kCentred | kBorder, kPanel, kInk, 672,
       112, 592, 170),
    At(Widget::hostAnswer, -1, Kind::Label, "", 20, kBold | kCentred | kBorder, kPanel, 0x80FF80,
       672, 290, 592, 120),
    At(Widget::hostTime, -1, Kind::Label, "", 16, kBold | kCentred, kPanel, kInk, 672, 418, 592,
       44),
    At(Widget::hostReveal, -1, Kind::Button, Text("Show the answer   [Space] [Page Down]"), 13,
       kBold, kButton, kNoColor, 672, 470, 592, 56),
    At(Widget::hostRight, -1, Kind::Button, "", 13, kBold, 0x00A000, kNoColor, 672, 534, 290, 56),
    At(Widget::hostWrong, -1, Kind::Button, "", 13, kBold, 0xC00000, kNoColor, 974, 534, 290, 56),
    At(Widget::hostClock, -1, Kind::Button, Text("Turn the Zapster clock   [T]"), 13, kBold,
       kButton, kNoColor, 672, 598, 592, 56),
    At(Widget::hostSaving, -1, Kind::Label, "", 11, 0, kPanel, kInk, 16, 672, 980, 32),
    At(Widget::hostRecord, -1, Kind::Button, Text("The record   [R]"), 13, kBold, kButton, kNoColor,
       1010, 668, 254, 40),
    At(Widget::hostCalls, 0, Kind::Label, "", 11, kBold, kPanel, kInk, 16, 436, 312, 28),
    At(Widget::hostCalls, 1, Kind::Label, "", 11, kBold, kPanel, kInk, 340, 436, 312, 28),
    At(Widget::hostPause, -1, Kind::Button, Text("Pause   [P]"), 13, kBold, kButton, kNoColor, 16,
       620, 310, 44),
    At(Widget::hostMoreTime, -1, Kind::Button, Text("+10 s   [+]"), 13, kBold, kButton, kNoColor,
       342, 620, 310, 44),
}};

// A column of the board: its title, then its six squares, each showing the key that opens it.
constexpr Row Title(int column) {
    return At(Widget::hostTitle, column, Kind::Label, "", 10, kBold | kCentred, kPanel, kInk,
              16 + 128 * column, 64, 124, 44);
}
constexpr Row Square(int index) {
    return At(Widget::hostSquare, index, Kind::Button, "", 12, kBold, kButton, kNoColor,
              16 + 128 * (index / kHostRows), 112 + 52 * (index % kHostRows), 124, 48);
}
constexpr Row Call(int index) {
    const int team = index / (kHostZapsterButtons / 2), button = index % (kHostZapsterButtons / 2);
    return At(Widget::hostZapster, index, Kind::Button, kZapsterCaptions[std::size_t(index)], 13,
              kBold, 0xC00000, kNoColor, 16 + 324 * team + 106 * button, 472, 100, 56);
}

constexpr int kSquares = kHostColumns * kHostRows;
constexpr auto kRows = [] {
    std::array<Row, kOtherRows + kHostColumns + kSquares + kHostZapsterButtons + record::kRows>
        rows{};
    std::size_t n = 0;
    // The record takes the board's place while the host looks at it.
    for (const Row& row : record::Rows(16, 64, kHidden)) {
        rows[n++] = row;
    }
    for (const Row& row : kOthers) {
        rows[n++] = row;
    }
    for (int column = 0; column < kHostColumns; ++column) {
        rows[n++] = Title(column);
    }
    for (int index = 0; index < kSquares; ++index) {
        rows[n++] = Square(index);
    }
    for (int index = 0; index < kHostZapsterButtons; ++index) {
        rows[n++] = Call(index);
    }
    return rows;
}();

}  // namespace

const HostLook kHostLook{0xFFD700, 0x000000, kPanel, kInk, 0xFF4040};

const Screen kHost{
    {Text("Zapster! \u2013 host"), 0x202038, 1280 * kPixel, 720 * kPixel, WindowStyle::Sizable,
     true, true, Placement::WindowSystem, 0, 0, Audience::Host},
    kRows,
};

}  // namespace layout
