#include "layout/layout.h"

namespace layout {
namespace {

// The faces of the layout, and what stands in for them where they are not installed, from
// Debian's font packages: a metric twin where one exists, else the nearest look.
constexpr FontSubstitute kSubstitutes[] = {
    // fonts-liberation2: drawn to the same widths as Times New Roman, so captions wrap alike.
    {"Times New Roman", "Liberation Serif", 0},
    // fonts-dejavu-core: a heavy, wide sans whose letters and blanks are about as wide as Arial
    // Black's, so that captions padded with blanks still break where they were meant to.
    {"Arial Black", "DejaVu Sans", 700},
    // fonts-urw-base35: a wide geometric face, bold, for the big point values of the squares.
    {"Copperplate Gothic Bold", "URW Gothic", 0},
    // fonts-urw-base35: a narrow grotesque close to News Gothic for the scores.
    {"News Gothic MT", "Nimbus Sans Narrow", 0},
    // fonts-liberation2: a plain sans for the title screen's small print.
    {"MS Sans Serif", "Liberation Sans", 0},
};

}  // namespace

std::span<const FontSubstitute> FontSubstitutes() {
    return kSubstitutes;
}

}  // namespace layout
