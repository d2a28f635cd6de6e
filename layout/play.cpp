#include "layout/layout.h"

// The question, answer and game-over screens.
namespace layout {
namespace {

constexpr Row kQuestionRows[] = {
    {Widget::questionText,
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
    {Widget::timeBar,
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
    {Widget::zapsterClock,
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
    // Over the whole bar while the question is paused, so that the room sees why nothing moves.
    {Widget::pausedSign,
     -1,
     Kind::Label,
     "Paused",
     {"Arial Black", 30},
     kBold | kCentred | kBorder | kHidden,
     0xFFFFFF,
     0x000000,
     120,
     7080,
     11775,
     855},
};

constexpr TimerRow kQuestionTimers[] = {
    {Timer::barStep, 1000},         {Timer::timeOut, 32000},   {Timer::backToBoard, 3000},
    {Timer::announcementEnd, 5000}, {Timer::zapsterText, 500}, {Timer::beep, 500},
    {Timer::zapsterClock, 1000},    {Timer::blink, 250},
};

constexpr Row kAnswerRows[] = {
    {Widget::answerText,
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
    {Widget::rightButton,
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
    {Widget::points,
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
    {Widget::wrongButton,
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
    {Widget::heading,
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
    {Widget::leftLogo, -1, Kind::Picture, "", {}, 0, kNoColor, kNoColor, 360, 1800, 2655, 1575},
    {Widget::thanksButton,
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
    {Widget::rightLogo, -1, Kind::Picture, "", {}, 0, kNoColor, kNoColor, 5640, 1800, 2655, 1575},
};

}  // namespace

const QuestionLook kQuestionLook{
    0x0000C0, 0xFF0000, 0x008000, 0xFFFF00, 0xFFFFFF, 18, 40, 1000, 500, 100,
};

const Screen kQuestion{
    {kGameName, 0x0000C0, 11880, 8595, WindowStyle::Sizable, true, true, Placement::WindowSystem, 0,
     0, Audience::Room},
    kQuestionRows,
    kQuestionTimers,
};

const Screen kAnswer{
    {kGameName, 0x008080, 4680, 3195, WindowStyle::Sizable, true, true, Placement::WindowSystem, 0,
     0, Audience::Room},
    kAnswerRows,
};

const Screen kGameOver{
    {kGameName, 0x000080, 8730, 3570, WindowStyle::Borderless, false, false, Placement::Centred, 0,
     0, Audience::Room},
    kGameOverRows,
};

}  // namespace layout
