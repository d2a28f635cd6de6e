#pragma once

#include <array>
#include <span>
#include <string_view>

// The look of every screen as constant data: one row per widget, positions and sizes in twips
// (1440 per inch, 15 per pixel at 96 dots per inch), colours as 0xRRGGBB. The screens are built
// from these rows; no position or colour is written anywhere else.
namespace layout {

static constexpr int kNoColor = -1;  // transparent background, or the default black text
// The title of every window that has none of its own: the task bar and the window switcher show it.
static constexpr std::string_view kGameName = "Zapster!";

// A text people read, written in the game's own English: the screens show it in the room's
// language where a translation has it (the update_translations target gathers every one).
constexpr std::string_view Text(std::string_view english) {
    return english;
}

enum class Kind { Label, Button, Picture, Line, Frame, TextBox, Option, FileList, ListBox };

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

// Every widget the layout places, by its role on its screen.
enum class Widget {
    none,  // no frame: the widget lies on the window
    // title
    title,
    description,
    divider,
    disclaimer,
    okButton,
    version,
    resumeOffer,
    resumeButton,
    newGameButton,
    // setup
    teamsFrame,
    teamNameBox,
    roundsFrame,
    roundsChoice,
    categoriesFrame,
    instructions,
    roundHeading,
    scheduleFrame,
    scheduleChoice,
    soundFrame,
    soundButton,
    doneButton,
    categorySlot,
    // board; a square is element 6 column + row, a Zapster button 3 team + n
    banner,
    roundLabel,
    categoryTitle,
    square,
    teamScore,
    teamName,
    zapsterButton,
    soundOnLogo,
    soundOffLogo,
    saveWarning,
    // question
    questionText,
    timeBar,
    zapsterClock,
    // answer
    answerText,
    rightButton,
    points,
    wrongButton,
    // game over
    heading,
    leftLogo,
    thanksButton,
    rightLogo,
    // host; a square is element 6 column + row, a Zapster button 3 team + n
    hostRound,
    hostTeamName,
    hostScore,
    hostTitle,
    hostSquare,
    hostCalls,
    hostZapster,
    hostTakeBack,
    hostEndGame,
    hostCategory,
    hostQuestion,
    hostAnswer,
    hostTime,
    hostReveal,
    hostRight,
    hostWrong,
    hostClock,
    hostSaving,
    // setup, added later: numbers already given keep their widgets
    displaysFrame,
    hostChoice,
    displaysMode,
    // question, added later
    pausedSign,
    // setup, added later
    barFrame,
    barChoice,
    startFrame,
    startChoice,
    filesFrame,
    filesReport,
    // host, added later
    hostPause,
    hostMoreTime,
    // the record, on the host's window or a window of its own; an entry's verdict buttons are
    // elements 0..2, a team's correction option 0..1
    recordHeading,
    recordList,
    recordVerdict,
    correctHeading,
    correctTeam,
    correctBy,
    correctWhy,
    correctButton,
    resultsButton,
    resultsSaved,
    hostRecord,
    // game over, added later
    overResults,
    overResultsSaved,
};

// The host's board has the room's: five columns of six squares, and three Zapster buttons a team.
static constexpr int kHostColumns = 5;
static constexpr int kHostRows = 6;
static constexpr int kHostZapsterButtons = 6;

// The question screen's interval timers.
enum class Timer {
    barStep,
    timeOut,
    backToBoard,
    announcementEnd,
    zapsterText,
    beep,
    zapsterClock,
    blink
};

struct Row {
    Widget widget;
    int index;  // element of a widget array, or -1
    Kind kind;
    std::string_view caption;  // UTF-8, exactly as shown, runs of spaces included
    Font font;
    unsigned style;
    int back;  // kNoColor where the table gives none
    int text;  // kNoColor for black
    int left, top, width, height;
    Widget parent = Widget::none;  // the frame the widget lies in
    int lineWidth = 0;  // lines only: pen width in pixels; from (left, top) by (width, height)
    std::string_view hint = {};  // hover hint
};

enum class WindowStyle { Sizable, FixedDialog, Borderless };
enum class Placement { Centred, At, WindowSystem };
// Who looks at a screen, and so on which display it goes: the moderator works on the host's
// display; the room watches its own. A maximised screen of the room is a page of the room's one
// window; one of the host is a window of its own.
enum class Audience { Host, Room };

struct Window {
    std::string_view title;
    int back;
    int clientWidth, clientHeight;  // twips
    WindowStyle style;
    bool maximised;
    bool inTaskBar;
    Placement placement;
    int left = 0, top = 0;  // twips, where placed At, from the corner of the screen's display
    Audience audience = Audience::Host;
};

struct TimerRow {
    Timer timer;
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

// Finds the row of a widget by its role and index; a missing row is a programming error.
const Row& Find(const Screen& screen, Widget widget, int index = -1);
int TimerInterval(const Screen& screen, Timer timer);

// The colours the question screen turns to in play, and the time bar's thresholds. The bar grows by
// one step, two characters, a second; its length in characters sets its colour and the beeps' pace.
struct QuestionLook {
    int blue;       // the screen's own background, and the announcement's second colour
    int red;        // the announcement, and a Zapster question's background
    int green;      // the time bar at first
    int yellow;     // the time bar from its 10th step, and a question's text
    int white;      // a Zapster question's text
    int greenUpTo;  // characters: green while the bar is at most this long
    int redFrom;    // characters: red once the bar is this long
    int slowBeep, mediumBeep, fastBeep;  // milliseconds between beeps
};
extern const QuestionLook kQuestionLook;

// The colours the setup screen turns its widgets to as choices change.
struct SetupLook {
    int activeHeading;    // a round that is played
    int inactiveHeading;  // a round that is not
    int soundOn;          // the sound button, reading "ON"
    int soundOff;         // and "OFF"
    int slotProblem;      // a category slot whose file cannot supply its category
};
extern const SetupLook kSetupLook;

// The colours of the host's window that change in play.
struct HostLook {
    int onTurn;     // the name and score of the team on turn: their background
    int onTurnInk;  // and their letters
    int waiting;    // the other team's background
    int waitingInk;
    int zapster;  // the question line of a Zapster question
};
extern const HostLook kHostLook;

extern const Screen kTitle;
extern const Screen kSetup;
extern const Screen kBoard;
extern const Screen kQuestion;
extern const Screen kAnswer;
extern const Screen kGameOver;
extern const Screen kHost;
extern const Screen kRecord;

}  // namespace layout
