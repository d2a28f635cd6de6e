// A seeded random moderator plays whole games against the real screens under the manual clock,
// and a reference scorer of its own checks every step. It also closes windows by their frame (as
// the close box and Alt+F4 do) at every stage of a game: the room must never be left with a
// running program and nothing on the display. Run the binary with `--games N` for a long soak, or
// `--seed S --games 1` to replay a failing game exactly.

#include <QWindow>
#include <QtTest>
#include <random>
#include <set>
#include <stdexcept>

#include "screens/answer.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/game_over.h"
#include "screens/question.h"
#include "screens/setup.h"
#include "screens/title.h"
#include "support/harness.h"
#include "support/reference.h"
#include "toolkit/beep.h"
#include "toolkit/program.h"
#include "toolkit/stage.h"
#include "toolkit/timer.h"

namespace {

qint64 games = 2000;
qint64 firstSeed = 1;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Expect(bool ok, const QString& what) {
    if (!ok) {
        throw Failure(what.toStdString());
    }
}

template <class A, class B>
void ExpectEq(const A& actual, const B& expected, const char* what) {
    if (!(actual == expected)) {
        throw Failure(QStringLiteral("%1: got %2, expected %3")
                          .arg(QLatin1String(what), QVariant::fromValue(actual).toString(),
                               QVariant::fromValue(expected).toString())
                          .toStdString());
    }
}

// Every stage at which a window was closed by its frame, over all games played.
std::set<QString> closedAt;

// The window manager's close, as the frame's close box and Alt+F4 deliver it.
// A maximised screen is closed by the frame of the window it is a page of, where it must be on top.
void CloseByFrame(tk::Window& window, const QString& stage) {
    QWindow* frame = window.window()->windowHandle();
    Expect(window.isVisible() && frame != nullptr, stage + ": window to close");
    Expect(window.window() == &window || tk::Stage::Get().Top() == &window ||
               tk::Stage::Get().Overlaid() == &window,
           stage + ": the page on top of its window, or the screen over them");
    closedAt.insert(stage);
    // A screen laid over the board shares its frame: the moderator's click on the one to close
    // gives it the keyboard, and the frame's close is then its own.
    window.setFocus(Qt::MouseFocusReason);
    frame->close();
}

// A click, or a double click whose second click lands only if the button is still there to take
// it (the first one usually hides its screen or spends its square).
void Click(tk::Button& button, bool twice) {
    for (int i = twice ? 2 : 1; i > 0 && Reachable(button); --i) {
        button.click();
    }
}

using reference::kPoints;
using reference::kSchedules;
const QColor kGreen(0, 0x80, 0), kYellow(0xFF, 0xFF, 0), kRed(0xFF, 0, 0);

const game::MatchState& Game() {
    return flow::Running()->state();
}

class Moderator {
public:
    explicit Moderator(std::uint64_t seed) : seed_(seed), rng_(seed) {}

    // Plays one game from start-up to the end of the program; returns the events it checked.
    int Play();

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    bool Setup();  // false: the program ended on the way
    void Act();
    void CloseInFront(bool overUp);
    void AdvanceClock();
    void Observe();
    void Check();

    std::uint64_t seed_;
    std::mt19937_64 rng_;
    reference::Game ref_;
    int events_ = 0;
    bool thanked_ = false;
    bool closedByFrame_ = false;
    bool beepedWhileOff_ = false;
    std::int64_t openedAt_ = 0;        // the instant the open question was loaded
    std::vector<std::int64_t> beeps_;  // since then

    std::int64_t Elapsed() const { return tk::clock::Now() - openedAt_; }
    void CheckBeeps(std::int64_t until);
};

bool Moderator::Setup() {
    {
        tk::HandlerScope scope;
        flow::StartProgram();
    }
    // The title: its button, Enter or Escape, or now and then its close box.
    if (Chance(0.03)) {
        CloseByFrame(TitleScreen::Get(), QStringLiteral("title"));
        closedByFrame_ = true;
        return false;
    }
    QTest::keyClick(&TitleScreen::Get(), Chance(0.5) ? Qt::Key_Space : Qt::Key_A);
    Expect(!SetupScreen::Loaded(), "only OK, Enter and Escape leave the title");
    if (const int how = Pick(4); how == 0) {
        TitleScreen::Get().okButton.click();
    } else {
        QTest::keyClick(&TitleScreen::Get(), how == 1   ? Qt::Key_Return
                                             : how == 2 ? Qt::Key_Enter
                                                        : Qt::Key_Escape);
    }
    Expect(SetupScreen::Loaded() && SetupScreen::Get().isVisible(), "setup screen shown");
    SetupScreen& options = SetupScreen::Get();
    const game::Setup& chosen = options.Choices();
    // The setup screen's load puts the defaults in place.
    Expect(QList<int>{chosen.roundsToPlay, chosen.zapstersPlanned[1], chosen.zapstersPlanned[2],
                      chosen.zapstersPlanned[3]} == QList<int>{3, 3, 6, 9} &&
               chosen.soundOn,
           QStringLiteral("default rounds, schedule and sound"));
    Expect(options.roundsChoice[2].isChecked() && options.scheduleChoice[3].isChecked() &&
               chosen.teamNames[0] == QStringLiteral("Team 1") &&
               chosen.teamNames[1] == QStringLiteral("Team 2") && !BoardScreen::Get().isVisible(),
           QStringLiteral("defaults shown"));
    for (int slot = 0; slot < 15; ++slot) {
        Expect(options.categorySlots[slot].isEnabled() &&
                   options.categorySlots[slot].FileName().isEmpty(),
               QStringLiteral("slots empty"));
    }
    for (int team = 0; team < 2; ++team) {
        const QString names[] = {QString(), QString(200 + Pick(500), u'W'),
                                 QStringLiteral("Ωμάδα Ä <b>&amp;</b> 队伍 🎲"),
                                 QStringLiteral("  spaced  "),
                                 QStringLiteral("Team %1").arg(Pick(100))};
        options.teamNameBox[team].SetText(names[Pick(5)]);
    }
    ref_.rounds = 1 + Pick(3);
    ref_.schedule = Pick(6);
    // Options may be clicked several times and in any order; the last click counts.
    for (int i = Pick(3); i > 0; --i) {
        options.roundsChoice[Pick(3)].click();
        options.scheduleChoice[Pick(6)].click();
    }
    options.roundsChoice[ref_.rounds - 1].click();
    options.scheduleChoice[ref_.schedule].click();
    for (int i = Pick(3); i > 0; --i) {
        options.soundButton.click();
        ExpectEq(options.soundButton.Caption(), QString(chosen.soundOn ? "ON" : "OFF"),
                 "sound button");
        ExpectEq(options.soundButton.BackColor(),
                 chosen.soundOn ? QColor(0, 0xFF, 0) : QColor(0xC0, 0, 0), "sound button's colour");
    }
    for (int slot = 0; slot < 15; ++slot) {
        tk::FileList& list = options.categorySlots[slot];
        if (list.count() > 0 && list.isEnabled() && Chance(0.5)) {
            list.SelectFile(list.item(Pick(list.count()))->text());
            if (Chance(0.1)) {
                list.ClearSelection();  // what a double-click does
            }
        }
    }
    // The rounds not played are greyed, their slots disabled; the schedule plans every round.
    ExpectEq(int(chosen.roundsToPlay), ref_.rounds, "rounds");
    for (int round = 0; round < 3; ++round) {
        ExpectEq(int(chosen.zapstersPlanned[round + 1]), kSchedules[ref_.schedule][round],
                 "round's Zapsters");
        const bool played = round < ref_.rounds;
        ExpectEq(options.roundHeadings[round].ForeColor(),
                 played ? QColor(0, 0, 0) : QColor(0x80, 0x80, 0x80), "round heading");
        for (int slot = 5 * round; slot < 5 * round + 5; ++slot) {
            ExpectEq(options.categorySlots[slot].isEnabled(), round == 0 || played, "slot enabled");
        }
    }
    if (Chance(0.03)) {
        CloseByFrame(options, QStringLiteral("setup"));
        closedByFrame_ = true;
        Expect(!BoardScreen::Loaded(), "no board after the setup screen is closed");
        return false;
    }
    options.doneButton.click();
    Expect(BoardScreen::Loaded() && BoardScreen::Get().isVisible(), "board shown after Done");
    for (int team = 0; team < 2; ++team) {
        ExpectEq(BoardScreen::Get().teamName[team].Caption(), options.teamNameBox[team].text(),
                 "team name on the board, as typed");
    }
    return true;
}

// A close box or Alt+F4 on the board or the game-over screen in front of it.
void Moderator::CloseInFront(bool overUp) {
    const QString when = ref_.GameOver() ? QStringLiteral("the end") : QStringLiteral("mid-game");
    if (overUp && Chance(0.6)) {
        // Play goes on; the banner brings this screen back.
        CloseByFrame(GameOverScreen::Get(), "game over, " + when);
        ref_.overShown = false;
        Expect(!GameOverScreen::Loaded() && !tk::ProgramEnded(),
               "only the game-over screen closes");
        return;
    }
    CloseByFrame(BoardScreen::Get(), (overUp ? "board behind the game over, " : "board, ") + when);
    closedByFrame_ = true;
    Expect(tk::ProgramEnded(), "closing the board ends the program");
    ExpectEq(tk::clock::RunningTimers(), 0, "timers running after the end");
}

void Moderator::Act() {
    BoardScreen& board = BoardScreen::Get();
    const bool boardUp = board.isVisible();
    const bool questionUp = QuestionScreen::Loaded() && QuestionScreen::Get().isVisible();
    const bool answerUp = AnswerScreen::Loaded() && AnswerScreen::Get().isVisible();
    const bool overUp = GameOverScreen::Loaded() && GameOverScreen::Get().isVisible();

    if (overUp && (ref_.GameOver() ? Chance(0.3) : Chance(0.01))) {
        GameOverScreen::Get().thanksButton.click();
        thanked_ = true;
        return;
    }
    const int roll = Pick(1000) / 10;
    if (boardUp && (overUp ? Chance(0.02) : roll == 0 && Pick(10) == 0)) {
        CloseInFront(overUp);
        return;
    }
    if (roll < 2) {  // a key pressed on whatever is showing
        for (tk::Window* window : std::initializer_list<tk::Window*>{
                 &board, QuestionScreen::Loaded() ? &QuestionScreen::Get() : nullptr,
                 AnswerScreen::Loaded() ? &AnswerScreen::Get() : nullptr}) {
            if (window != nullptr && window->isVisible()) {
                QTest::keyClick(window, Chance(0.5) ? Qt::Key_Return : Qt::Key_Escape);
            }
        }
        return;
    }
    if (roll < 3 && (questionUp || answerUp)) {  // their close boxes do nothing
        QuestionScreen& q = QuestionScreen::Get();
        const QString stage = answerUp ? QStringLiteral("answer")
                              : q.timeBar.Caption() == QStringLiteral("Time Is Up!")
                                  ? QStringLiteral("question, time is up")
                              : !ref_.zapster ? QStringLiteral("question")
                              : q.zapsterClock.isVisibleTo(&q)
                                  ? QStringLiteral("Zapster clock")
                                  : QStringLiteral("Zapster announcement");
        const int timers = tk::clock::RunningTimers();
        tk::Window& window = answerUp ? static_cast<tk::Window&>(AnswerScreen::Get()) : q;
        CloseByFrame(window, stage);
        Expect(QuestionScreen::Loaded() && window.isVisible(), stage + " survives its close box");
        ExpectEq(tk::clock::RunningTimers(), timers, "timers after an ignored close");
        return;
    }
    if (answerUp) {
        const bool correct = Chance(0.5);
        tk::Button& judge =
            correct ? AnswerScreen::Get().rightButton : AnswerScreen::Get().wrongButton;
        Click(judge, Chance(0.1));
        ref_.Judge(correct);
        return;
    }
    if (questionUp) {
        QuestionScreen& q = QuestionScreen::Get();
        if (q.zapsterClock.isVisible() && q.zapsterClock.isEnabled() && Chance(0.3)) {
            q.zapsterClock.Press();
            return;
        }
        if (q.timeBar.isEnabled() && Chance(0.15)) {
            const bool timeUp = q.timeBar.Caption() == QStringLiteral("Time Is Up!");
            q.timeBar.Press();
            if (!timeUp) {
                CheckBeeps(Elapsed());
                Expect(q.timeBar.Caption().isEmpty(), QStringLiteral("bar cleared on reveal"));
                ref_.revealed = true;
                ref_.EndRoundIfLast();
                Expect(AnswerScreen::Get().isVisible(), "answer screen shown on reveal");
            }
            return;
        }
        AdvanceClock();
        return;
    }
    if (!boardUp) {
        AdvanceClock();
        return;
    }
    if (roll < 8) {  // a logo or the banner
        const int which = Pick(3);
        tk::Picture& picture = which == 0   ? board.banner
                               : which == 1 ? board.soundOnLogo
                                            : board.soundOffLogo;
        if (picture.isVisibleTo(&board) && picture.isEnabled()) {
            picture.Press();
            ref_.overShown = ref_.overShown || which == 0;
            if (which > 0) {  // the blue logo switches the sound off, the red one on
                ExpectEq(bool(Game().soundOn), which == 2, "sound after a logo");
                Expect(board.soundOnLogo.isVisibleTo(&board) == Game().soundOn &&
                           board.soundOffLogo.isVisibleTo(&board) != Game().soundOn,
                       QStringLiteral("the other logo shown"));
            }
        }
        return;
    }
    if (roll < 20) {  // a team calls a Zapster
        tk::Button* buttons[] = {&board.zapsterButtons[0][0], &board.zapsterButtons[0][1],
                                 &board.zapsterButtons[0][2], &board.zapsterButtons[1][0],
                                 &board.zapsterButtons[1][1], &board.zapsterButtons[1][2]};
        const int index = Pick(6);
        tk::Button& button = *buttons[index];
        if (button.isEnabled()) {
            const bool waiting = index < 3 ? !ref_.leftLit : !ref_.rightLit;
            const bool accepted = waiting && (index % 3 == 0 || !ref_.called);
            button.click();
            ref_.called = ref_.called || accepted;
            ExpectEq(button.isEnabled(), !accepted, "Zapster button spent when accepted");
            ExpectEq(button.Caption().isEmpty(), accepted, "Zapster button blank when spent");
        }
        return;
    }
    // A square, if one is open.
    QList<std::pair<int, int>> open;
    for (int column = 1; column <= 5; ++column) {
        for (int index = 0; index < 6; ++index) {
            if (board.squares[column - 1][index].isEnabled()) {
                open.append({column, index});
            }
        }
    }
    if (open.isEmpty()) {
        AdvanceClock();
        return;
    }
    const auto [column, index] = open[Pick(int(open.size()))];
    const int points = kPoints[ref_.round - 1][index];
    ExpectEq(board.squares[column - 1][index].Caption(), QString::number(points), "square caption");
    Click(board.squares[column - 1][index], Chance(0.1));
    ++ref_.asked;
    ref_.open = true;
    openedAt_ = tk::clock::Now();
    beeps_.clear();
    ref_.revealed = ref_.timedOut = false;
    ref_.points = points;
    ExpectEq(AnswerScreen::Get().points.Caption(), QString::number(points), "points on answer");
    ref_.zapster = AnswerScreen::Get().rightButton.Caption() == QStringLiteral("NO Zapster!");
    const int planned = kSchedules[ref_.schedule][ref_.round - 1];
    if (ref_.called || planned == 30) {
        Expect(ref_.zapster, "a called or Total! question is a Zapster");
    } else if (planned == 0) {
        Expect(!ref_.zapster, "no Zapster when none is planned or called");
    }
}

// Time passes in quarter seconds, so that every time-out is seen at its own instant.
void Moderator::AdvanceClock() {
    const int steps = Chance(0.2) ? 1 + Pick(160) : 1 + Pick(8);
    for (int i = 0; i < steps; ++i) {
        tk::clock::Advance(250);
        Observe();
        Check();
        if (!QuestionScreen::Loaded()) {
            return;
        }
    }
}

// Time-outs the moderator sees happen: "Time Is Up!" on the bar, and three seconds later the
// board coming back with the turn passed.
void Moderator::Observe() {
    if (!ref_.open || ref_.revealed || tk::ProgramEnded()) {
        return;
    }
    if (!ref_.timedOut && QuestionScreen::Loaded() &&
        QuestionScreen::Get().timeBar.Caption() == QStringLiteral("Time Is Up!")) {
        if (!ref_.zapster) {
            const tk::Label& bar = QuestionScreen::Get().timeBar;
            Expect(!bar.isEnabled() && bar.Alignment() == tk::Align::Center, "time-up bar");
            ExpectEq(Elapsed(), std::int64_t{32000}, "time-out instant");
            CheckBeeps(Elapsed() - 1);
        }
        ref_.TimeOut();
    }
    if (ref_.timedOut && !QuestionScreen::Loaded()) {
        ref_.BackToBoard();
        Expect(BoardScreen::Get().isVisible(), "board back after a time-out");
        Expect(ref_.zapster || Elapsed() == 35000, "board back 3 s after the time-out");
    }
}

// With sound on, a normal question beeps at 0.5 s, then each second while the bar has at most 9
// steps, then twice a second, and ten times a second once it has more than 20; a Zapster never.
void Moderator::CheckBeeps(std::int64_t until) {
    std::vector<std::int64_t> expected;
    for (std::int64_t t = 500; Game().soundOn && !ref_.zapster && t <= until;) {
        expected.push_back(t);
        t += t <= 9500 ? 1000 : t < 21000 ? 500 : 100;
    }
    Expect(beeps_ == expected, QStringLiteral("beep instants"));
}

void Moderator::Check() {
    ++events_;
    if (tk::ProgramEnded()) {
        return;
    }
    Expect(tk::AnyScreenVisible(), "a window is visible");
    Expect(!beepedWhileOff_, "a beep with the sound off");
    if (!QuestionScreen::Loaded() || !QuestionScreen::Get().isVisible()) {
        ExpectEq(tk::clock::RunningTimers(), 0, "timers running with no question shown");
    }
    BoardScreen& board = BoardScreen::Get();
    ExpectEq(board.teamScore[0].Caption(), QString::number(ref_.score[1]), "team 1 score label");
    ExpectEq(board.teamScore[1].Caption(), QString::number(ref_.score[2]), "team 2 score label");
    ExpectEq(board.teamScore[0].isEnabled(), ref_.leftLit, "team 1 turn");
    ExpectEq(board.teamScore[1].isEnabled(), ref_.rightLit, "team 2 turn");
    ExpectEq(GameOverScreen::Loaded() && GameOverScreen::Get().isVisible(), ref_.overShown,
             "game-over screen shown");
    // The bar grows a step a second, coloured by its length before it grows.
    if (ref_.open && !ref_.revealed && !ref_.timedOut && !ref_.zapster) {
        const tk::Label& bar = QuestionScreen::Get().timeBar;
        const int steps = int(Elapsed() / 1000);
        ExpectEq(bar.Caption(), QStringLiteral("[]").repeated(steps), "time bar");
        const QColor& colour = steps <= 10 ? kGreen : steps <= 20 ? kYellow : kRed;
        ExpectEq(bar.BackColor(), colour, "bar colour");
    }
    if (ref_.round <= ref_.rounds && !ref_.open) {
        ExpectEq(board.roundLabel.Caption(), QStringLiteral("Round: %1").arg(ref_.round),
                 "round label");
    }
}

int Moderator::Play() {
    FreshProgram(seed_);
    tk::SetBeepListener([this] {
        beepedWhileOff_ = beepedWhileOff_ || !Game().soundOn;
        beeps_.push_back(Elapsed());
    });
    if (!Setup()) {
        Expect(tk::ProgramEnded() && tk::LoadedScreenCount() == 0, "closed before play: all gone");
        return events_;
    }
    Check();
    // A whole game is at most 90 questions; a moderator who dawdles still ends within this.
    for (int step = 0; step < 20000 && !tk::ProgramEnded(); ++step) {
        Act();
        Observe();
        Check();
        if (tk::ProgramEnded() || !ref_.GameOver() || ref_.open) {
            continue;
        }
        // The game is over: the moderator says thanks soon, or brings back with the banner a
        // game-over screen that someone closed, or closes a window.
        const bool overUp = GameOverScreen::Loaded() && GameOverScreen::Get().isVisible();
        if (BoardScreen::Get().isVisible() && Chance(overUp ? 0.1 : 0.4)) {
            CloseInFront(overUp);
        } else if (overUp) {
            if (Chance(0.5)) {
                GameOverScreen::Get().thanksButton.click();
                thanked_ = true;
            }
        } else if (BoardScreen::Get().isVisible() && Chance(0.5)) {
            BoardScreen::Get().banner.Press();
            ref_.overShown = true;
        }
    }
    Expect(tk::ProgramEnded(), "the game reached its end");
    ExpectEq(tk::LoadedScreenCount(), 0, "screens left after the end");
    Expect(thanked_ || closedByFrame_, "ended by the game-over button or the board's close box");
    return events_;
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(dir_.path()));
        const QByteArray blocks = Blocks(15, "\r\n").replace("Q: ", "Q: \xe9t\xe9 ");
        WriteFile(QStringLiteral("good.zap"), blocks);
        WriteFile(QStringLiteral("short.zap"), blocks.left(blocks.size() / 3));
        WriteFile(QStringLiteral("empty.zap"), QByteArray());
        WriteFile(QStringLiteral("binary.zap"), QByteArray(5000, '\0') + "\xff\xfe\r\r\n\n");
    }

    void randomModeratorPlaysWholeGames() {
        QElapsedTimer clock;
        clock.start();
        qint64 events = 0;
        for (qint64 game = 0; game < games; ++game) {
            const std::uint64_t seed = firstSeed + std::uint64_t(game);
            try {
                events += Moderator(seed).Play();
            } catch (const Failure& failure) {
                QFAIL(
                    qPrintable(QStringLiteral("seed %1 (replay: tst_soak --seed %1 --games 1): %2")
                                   .arg(seed)
                                   .arg(QString::fromStdString(failure.what()))));
            }
        }
        qInfo("%lld games, %lld events checked in %lld ms", games, events, clock.elapsed());
        // A long enough soak has closed every kind of window at every stage of a game.
        if (games >= 300) {
            const QString windows = QStringLiteral(
                "title|setup|question|question, time is up|Zapster announcement|Zapster clock|"
                "answer|game over, %1|board, %1|board behind the game over, %1");
            for (const QString& stage : (windows.arg("mid-game") + '|' + windows.arg("the end"))
                                            .split(u'|', Qt::SkipEmptyParts)) {
                QVERIFY2(closedAt.contains(stage), qPrintable("never closed: " + stage));
            }
        }
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    for (auto [option, value] : {std::pair{"--games", &games}, std::pair{"--seed", &firstSeed}}) {
        const qsizetype at = args.indexOf(QLatin1String(option));
        if (at > 0 && at + 1 < args.size()) {
            *value = args[at + 1].toLongLong();
            args.remove(at, 2);
        }
    }
    // A long soak outlasts QtTest's five-minute watchdog; allow it a second a game.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        qputenv("QTEST_FUNCTION_TIMEOUT",
                QByteArray::number(std::max<qint64>(300, games) * 1000LL));
    }
    TestSoak test;
    return QTest::qExec(&test, args);
}

#include "tst_soak.moc"
