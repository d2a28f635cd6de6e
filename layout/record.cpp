#include "layout/record_rows.h"

// The record in a window of its own, opened from the board when there is no host's window.
namespace layout {
namespace {

constexpr int kMargin = 16;
constexpr auto kRows = record::Rows(kMargin, kMargin, 0);

}  // namespace

const Screen kRecord{
    {Text("Zapster! \u2013 the record"), 0x202038, (record::kWidth + 2 * kMargin) * record::kPixel,
     (record::kHeight + 2 * kMargin) * record::kPixel, WindowStyle::FixedDialog, false, true,
     Placement::Centred, 0, 0, Audience::Host},
    kRows,
};

}  // namespace layout
