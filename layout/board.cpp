#include <array>

#include "layout/layout.h"

namespace layout {
namespace {

constexpr std::array<int, 5> kColumnLefts{240, 2520, 4800, 7080, 9360};
constexpr std::array<std::string_view, 5> kColumnNames{"Command1", "Command2", "Command3",
                                                        "Command4", "Command5"};
constexpr int kSquareRows = 6;
constexpr int kOtherRows = 19;

// The 30 question squares: five columns of six, the top of row i at 2400 + 720 i.
constexpr Row Square(int column, int index) {
    return {kColumnNames[column],
            index,
            Kind::Button,
            "",
            {"Copperplate Gothic Bold", 26.25},
            kBold,
            0xC00000,
            kNoColor,
            kColumnLefts[column],
            2400 + 720 * index,
            2200,
            650};
}

constexpr std::array<Row, kOtherRows> kOthers{{
    {"Image1", -1, Kind::Picture, "", {}, 0, kNoColor, kNoColor, 240, 0, 7260, 1290},
    {"Label1", -1, Kind::Label, "", {"Arial Black", 36}, kBold | kCentred | kBorder, 0xFFC0C0,
     0x0000C0, 7560, 0, 3975, 1290},
    {"Label2", 0, Kind::Label, "", {"Times New Roman", 12}, kBold | kCentred | kBorder, 0x008000,
     0xFFFFFF, 240, 1320, 2200, 1005},
    {"Label2", 1, Kind::Label, "", {"Times New Roman", 12}, kBold | kCentred | kBorder, 0x008000,
     0xFFFFFF, 2520, 1320, 2205, 1005},
    {"Label2", 2, Kind::Label, "", {"Times New Roman", 12}, kBold | kCentred | kBorder, 0x008000,
     0xFFFFFF, 4800, 1320, 2205, 1005},
    {"Label2", 3, Kind::Label, "", {"Times New Roman", 12}, kBold | kCentred | kBorder, 0x008000,
     0xFFFFFF, 7080, 1320, 2205, 1005},
    {"Label2", 4, Kind::Label, "", {"Times New Roman", 12}, kBold | kCentred | kBorder, 0x008000,
     0xFFFFFF, 9360, 1320, 2205, 1005},
    {"Label8", -1, Kind::Label, "", {"News Gothic MT", 30}, kBold | kRight | kBorder, 0xFF8000,
     kNoColor, 240, 6720, 3855, 855},
    {"Label9", -1, Kind::Label, "", {"News Gothic MT", 30}, kBold | kRight | kBorder, 0xFF8000,
     kNoColor, 7680, 6720, 3855, 855},
    {"Label10", -1, Kind::Label, "Team #1", {"Times New Roman", 20.25}, kBold | kCentred, 0xFF8000,
     kNoColor, 240, 7560, 3975, 495},
    {"Label11", -1, Kind::Label, "Team #2", {"Times New Roman", 20.25}, kBold | kCentred, 0xFF8000,
     kNoColor, 7680, 7560, 3975, 495},
    {"Command6", -1, Kind::Button, "1", {"Times New Roman", 12}, kBold, 0x00FFFF, kNoColor, 4320,
     6720, 375, 375},
    {"Command7", -1, Kind::Button, "2", {"Times New Roman", 12}, kBold, 0x00FFFF, kNoColor, 4320,
     7260, 375, 375},
    {"Command8", -1, Kind::Button, "3", {"Times New Roman", 12}, kBold, 0x00FFFF, kNoColor, 4320,
     7800, 375, 375},
    {"Command9", -1, Kind::Button, "1", {"Times New Roman", 12}, kBold, 0xFF8080, kNoColor, 7080,
     6720, 375, 375},
    {"Command10", -1, Kind::Button, "2", {"Times New Roman", 12}, kBold, 0xFF8080, kNoColor, 7080,
     7260, 375, 375},
    {"Command11", -1, Kind::Button, "3", {"Times New Roman", 12}, kBold, 0xFF8080, kNoColor, 7080,
     7800, 375, 375},
    {"Image2", -1, Kind::Picture, "", {}, 0, kNoColor, kNoColor, 4800, 6720, 2205, 1455},
    {"Image3", -1, Kind::Picture, "", {}, kHidden, kNoColor, kNoColor, 4800, 6720, 2205, 1455},
}};

constexpr auto kRows = [] {
    std::array<Row, 5 * kSquareRows + kOtherRows> rows{};
    std::size_t n = 0;
    for (int column = 0; column < 5; ++column) {
        for (int index = 0; index < kSquareRows; ++index) {
            rows[n++] = Square(column, index);
        }
    }
    for (const Row& row : kOthers) {
        rows[n++] = row;
    }
    return rows;
}();

}  // namespace

const Screen kBoard{
    {"", 0xFF8000, 7260, 5925, WindowStyle::Sizable, true, true, Placement::Centred},
    kRows,
};

}  // namespace layout
