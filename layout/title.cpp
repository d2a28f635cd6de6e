#include "layout/layout.h"

namespace layout {
namespace {

constexpr Row kRows[] = {
    {Widget::title,
     -1,
     Kind::Label,
     "Zapster!",
     {"Times New Roman", 48},
     kBold | kUnderline | kCentred | kTransparent,
     kNoColor,
     0xFF0000,
     1200,
     0,
     4920,
     1095},
    {Widget::description,
     -1,
     Kind::Label,
     "Where winning depends on your using what you know, using what you don't know, and using what "
     "you hope they don't know.",
     {"MS Sans Serif", 9.75},
     kBold | kCentred | kTransparent,
     kNoColor,
     0x0000FF,
     0,
     1200,
     7095,
     525},
    // The etched separator: the grey line is drawn over the white one on the same coordinates.
    {Widget::divider, 0, Kind::Line, "", {}, 0, kNoColor, 0xFFFFFF, 0, 1800, 7080, 0, {}, 2},
    {Widget::divider, 1, Kind::Line, "", {}, 0, kNoColor, 0x808080, 0, 1800, 7080, 0, {}, 1},
    {Widget::disclaimer,
     -1,
     Kind::Label,
     "Warning: Playing this game may  be  hazardous  to  the fragile egos  of  those  who thought  "
     "that  they'd  taught you  something  while  you were in their classes.",
     {"MS Sans Serif", 13.5},
     kBold | kTransparent,
     kNoColor,
     0x000000,
     120,
     2040,
     3855,
     2265},
    {Widget::okButton,
     -1,
     Kind::Button,
     "OK",
     {"Times New Roman", 48},
     kBold,
     0xC000C0,
     kNoColor,
     4080,
     1920,
     3015,
     2865},
    {Widget::version,
     -1,
     Kind::Label,
     "Version 1.00             (December, 1999)",
     {"Times New Roman", 12},
     kBold | kTransparent,
     kNoColor,
     kNoColor,
     120,
     4440,
     3855,
     255},
};

}  // namespace

const Screen kTitle{
    // In the task bar: a window manager may offer to minimise it whatever the game asks, and a
    // minimised window with no task bar entry cannot be found again.
    {"Play Zapster!", 0xFFC0FF, 7425, 5010, WindowStyle::FixedDialog, false, true,
     Placement::Centred},
    kRows,
};

}  // namespace layout
