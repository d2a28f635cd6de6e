#pragma once

#include <span>
#include <string_view>

// The look of every screen as constant data: one row per widget, positions and sizes in twips
// (1440 per inch, 15 per pixel at 96 dots per inch), colours as 0xRRGGBB. The screens are built
// from these rows; no position or colour is written anywhere else.
namespace layout {

static constexpr int kNoColor = -1;  // transparent background, or the default black text

enum class Kind { Label, Button, Picture, Line, Frame, TextBox, Option, FileList };

enum Style : unsigned {
    kCentred = 1u << 0,
    kRight = 1u << 1,
    kBorder = 1u << 2,
    kTransparent = 1u << 3,
    kDisabled = 1u << 4,
    kHidden = 1u << 5,
    kBold = 1u << 6,
    kUnderline = 1u << 7,
};

struct Font {
    std::string_view family;  // empty: the toolkit's default font
    double points;
};

struct Row {
    std::string_view name;
    int index;  // element of a widget array, or -1
    Kind kind;
    std::string_view caption;  // UTF-8, exactly as shown, runs of spaces included
    Font font;
    unsigned style;
    int back;  // kNoColor where the table gives none
    int text;  // kNoColor for black
    int left, top, width, height;
    std::string_view parent = {};  // the frame the widget lies in, empty for the window
    int lineWidth = 0;  // lines only: pen width in pixels; from (left, top) by (width, height)
    std::string_view hint = {};  // hover hint
};

enum class WindowStyle { Sizable, FixedDialog, Borderless };
enum class Placement { Centred, At, WindowSystem };

struct Window {
    std::string_view title;
    int back;
    int clientWidth, clientHeight;  // twips
    WindowStyle style;
    bool maximised;
    bool inTaskBar;
    Placement placement;
    int left = 0, top = 0;  // twips, where placed At
};

struct TimerRow {
    std::string_view name;
    int interval;  // milliseconds
};

struct Screen {
    Window window;
    std::span<const Row> rows;
    std::span<const TimerRow> timers = {};
};

// A face of the layout and the installed family that stands in for it when the face is missing;
// `weight` (1..1000, 0 for the row's own) gives the stand-in the heaviness the face has by itself.
struct FontSubstitute {
    std::string_view face;
    std::string_view family;
    int weight;
};
std::span<const FontSubstitute> FontSubstitutes();

// Finds the row of a widget by name and index; a missing row is a programming error.
const Row& Find(const Screen& screen, std::string_view name, int index = -1);
int TimerInterval(const Screen& screen, std::string_view name);

extern const Screen kAbout;
extern const Screen kOptions;
extern const Screen kBoard;
extern const Screen kQuestion;
extern const Screen kAnswer;
extern const Screen kGameOver;

}  // namespace layout
