#include "layout/layout.h"

// The question, answer and game-over screens.
namespace layout {
namespace {

constexpr Row kQuestionRows[] = {
    {"Label1",
     -1,
     Kind::Label,
     "",
     {"Arial Black", 36},
     kBold | kCentred | kBorder,
     0x0000C0,
     0x000000,
     240,
     360,
     11415,
     6615},
    {"Label2",
     -1,
     Kind::Label,
     "",
     {"Times New Roman", 30},
     kBold | kBorder | kDisabled,
     0x008000,
     0x000000,
     120,
     7080,
     11775,
     855},
    // The Zapster clock lies over the left end of the time bar.
    {"Label3",
     -1,
     Kind::Label,
     "0",
     {"Arial Black", 36},
     kBold | kCentred | kTransparent | kDisabled | kHidden,
     kNoColor,
     0x000000,
     240,
     6960,
     1695,
     855},
};

constexpr TimerRow kQuestionTimers[] = {
    {"Timer1", 1000}, {"Timer2", 32000}, {"Timer3", 3000}, {"Timer4", 5000},
    {"Timer5", 500},  {"Timer6", 500},   {"Timer7", 1000}, {"Timer8", 250},
};

constexpr Row kAnswerRows[] = {
    {"Label1",
     -1,
     Kind::Label,
     "",
     {"Arial Black", 36},
     kBold | kCentred,
     0x008080,
     0xFFFF00,
     120,
     120,
     11655,
     6975},
    {"Command1",
     -1,
     Kind::Button,
     "Got It!",
     {"Arial Black", 26.25},
     kBold,
     0x008000,
     kNoColor,
     120,
     7200,
     4575,
     975},
    {"Label2",
     -1,
     Kind::Label,
     "",
     {"Arial Black", 24},
     kBold | kCentred | kBorder,
     0x008080,
     kNoColor,
     4800,
     7200,
     2295,
     975},
    {"Command2",
     -1,
     Kind::Button,
     "Missed It",
     {"Arial Black", 26.25},
     kBold,
     0xC00000,
     kNoColor,
     7200,
     7200,
     4575,
     975},
};

constexpr Row kGameOverRows[] = {
    {"Label1",
     -1,
     Kind::Label,
     "Game Over",
     {"Times New Roman", 72},
     kBold | kCentred | kBorder,
     0xFF0000,
     0x000080,
     360,
     120,
     7965,
     1575},
    {"Image1", -1, Kind::Picture, "", {}, 0, kNoColor, kNoColor, 360, 1800, 2655, 1575},
    {"Command1",
     -1,
     Kind::Button,
     "Thanks For Playing!",
     {"Times New Roman", 20.25},
     kBold,
     0x0000FF,
     kNoColor,
     3120,
     1800,
     2415,
     1575},
    {"Image2", -1, Kind::Picture, "", {}, 0, kNoColor, kNoColor, 5640, 1800, 2655, 1575},
};

}  // namespace

const Screen kQuestion{
    {"Form2", 0x0000C0, 11880, 8595, WindowStyle::Sizable, true, true, Placement::WindowSystem},
    kQuestionRows,
    kQuestionTimers,
};

const Screen kAnswer{
    {"Form2", 0x008080, 4680, 3195, WindowStyle::Sizable, true, true, Placement::WindowSystem},
    kAnswerRows,
};

const Screen kGameOver{
    {"", 0x000080, 8730, 3570, WindowStyle::Borderless, false, false, Placement::Centred},
    kGameOverRows,
};

}  // namespace layout
