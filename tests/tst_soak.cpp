// A seeded random moderator plays whole games against the real screens under the manual clock,
// and a reference scorer of its own checks every step. Run the binary with `--games N` for a
// long soak, or `--seed S --games 1` to replay a failing game exactly.

#include <QtTest>
#include <random>
#include <stdexcept>

#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmAbout.h"
#include "screens/frmAnswer.h"
#include "screens/frmGameOver.h"
#include "screens/frmOptions.h"
#include "screens/frmQuestion.h"
#include "support/files.h"
#include "support/harness.h"
#include "toolkit/beep.h"
#include "toolkit/program.h"
#include "toolkit/timer.h"

using namespace Module1;

namespace {

int games = 2000;
std::uint64_t firstSeed = 1;

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

// Whether a person could click the widget now: shown on a shown window, and enabled.
bool Reachable(const QWidget& widget) {
    return widget.window()->isVisible() && widget.isVisibleTo(widget.window()) &&
           widget.isEnabled();
}

// A click, or a double click whose second click lands only if the button is still there to take
// it (the first one usually hides its screen or spends its square).
template <class W>
void Click(W& widget, bool twice) {
    for (int i = twice ? 2 : 1; i > 0 && Reachable(widget); --i) {
        if constexpr (requires { widget.Press(); }) {
            widget.Press();
        } else {
            widget.click();
        }
    }
}

constexpr int kPoints[3][6] = {
    {25, 50, 75, 100, 125, 150}, {50, 75, 100, 125, 150, 200}, {50, 100, 150, 200, 250, 300}};
constexpr int kSchedules[6][3] = {{0, 0, 0}, {0, 0, 3},  {0, 3, 6},
                                  {3, 6, 9}, {6, 9, 12}, {30, 30, 30}};

// What the moderator expects of the game, worked out from what it did and saw, apart from the
// game's own code.
struct Reference {
    int rounds = 3;
    int schedule = 3;
    int round = 1;
    int asked = 0;
    int score[3] = {0, 0, 0};
    bool label8 = true, label9 = true;
    bool called = false;
    bool open = false;  // a question screen is up
    bool revealed = false;
    bool timedOut = false;
    bool zapster = false;
    int points = 0;

    int Turn() const { return label8 ? 1 : label9 ? 2 : 0; }
    bool GameOver() const { return round == rounds + 1; }

    void EndRoundIfLast() {
        if (asked == 30) {
            asked = 0;
            ++round;
        }
    }
    void PassTurn() {
        if (label8) {
            label8 = false;
            label9 = true;
        } else if (label9) {
            label9 = false;
            label8 = true;
        }
    }
    void Score(int team, bool correct) {
        if (!zapster) {
            if (correct) {
                score[team] += points;
            }
            return;
        }
        if (correct) {
            score[3 - team] += points;
        } else {
            score[team] += 2 * points;
        }
        called = false;
    }
    void Judge(bool correct) {
        bool done = false;
        if (label8) {
            Score(1, correct);
            label8 = false;
            label9 = true;
            done = true;
        }
        if (!done && label9) {
            Score(2, correct);
            label9 = false;
            label8 = true;
            if (GameOver()) {
                label8 = label9 = false;
            }
        }
        if (asked == 0) {
            if (score[1] > score[2]) {
                label8 = false;
                label9 = true;
            } else if (score[1] < score[2]) {
                label8 = true;
                label9 = false;
            }
        }
        open = false;
    }
};

class Moderator {
public:
    explicit Moderator(std::uint64_t seed) : seed_(seed), rng_(seed) {}

    // Plays one game from start-up to the end of the program; returns the events it checked.
    int Play();

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    void Setup();
    void Act();
    void AdvanceClock();
    void Observe();
    void Check();
    QString RandomName();

    std::uint64_t seed_;
    std::mt19937_64 rng_;
    Reference ref_;
    int events_ = 0;
    bool thanked_ = false;
    bool closedBoard_ = false;
    bool beepedWhileOff_ = false;
};

QString Moderator::RandomName() {
    switch (Pick(5)) {
        case 0:
            return QString();
        case 1:
            return QString(200 + Pick(500), QChar(u'W'));
        case 2:
            return QStringLiteral("Ωμάδα Ä <b>&amp;</b> 队伍 🎲");
        case 3:
            return QStringLiteral("  spaced  ");
        default:
            return QStringLiteral("Team %1").arg(Pick(100));
    }
}

void Moderator::Setup() {
    {
        tk::HandlerScope scope;
        Main();
    }
    // The title: its button, Enter or Escape.
    const int how = Pick(3);
    if (how == 0) {
        frmAbout::Get().cmdOK.click();
    } else {
        QTest::keyClick(&frmAbout::Get(), how == 1 ? Qt::Key_Return : Qt::Key_Escape);
    }
    Expect(frmOptions::Loaded() && frmOptions::Get().isVisible(), "setup screen shown");
    frmOptions& options = frmOptions::Get();
    options.Text1.SetText(RandomName());
    options.Text2.SetText(RandomName());
    ref_.rounds = 1 + Pick(3);
    ref_.schedule = Pick(6);
    // Options may be clicked several times and in any order; the last click counts.
    for (int i = Pick(3); i > 0; --i) {
        options.Option1[Pick(3)].click();
        options.Option2[Pick(6)].click();
    }
    options.Option1[ref_.rounds - 1].click();
    options.Option2[ref_.schedule].click();
    for (int i = Pick(3); i > 0; --i) {
        options.Command2.click();
    }
    for (int slot = 0; slot < 15; ++slot) {
        tk::FileList& list = options.File1[slot];
        if (list.count() > 0 && list.isEnabled() && Chance(0.5)) {
            list.SelectFile(list.item(Pick(list.count()))->text());
            if (Chance(0.1)) {
                list.ClearSelection();  // what a double-click does
            }
        }
    }
    ExpectEq(int(NumRounds), ref_.rounds, "rounds");
    ExpectEq(int(ZapsterCount3), kSchedules[ref_.schedule][2], "round 3 schedule");
    options.Command1.click();
    Expect(Form1::Loaded() && Form1::Get().isVisible(), "board shown after Done");
}

void Moderator::Act() {
    Form1& board = Form1::Get();
    const bool boardUp = board.isVisible();
    const bool questionUp = frmQuestion::Loaded() && frmQuestion::Get().isVisible();
    const bool answerUp = frmAnswer::Loaded() && frmAnswer::Get().isVisible();
    const bool overUp = frmGameOver::Loaded() && frmGameOver::Get().isVisible();

    if (overUp && (ref_.GameOver() ? Chance(0.3) : Chance(0.01))) {
        frmGameOver::Get().Command1.click();
        thanked_ = true;
        return;
    }
    const int roll = Pick(1000) / 10;
    if (roll == 0 && Pick(10) == 0) {  // a close box or Alt+F4 on whatever is in front
        if (overUp) {
            frmGameOver::Get().close();  // play goes on; the banner brings this screen back
            Expect(!frmGameOver::Loaded(), "the game-over screen closes by its frame");
        } else if (boardUp) {
            board.close();  // ends the program
            closedBoard_ = true;
            Expect(tk::ProgramEnded(), "closing the board ends the program");
        }
        return;
    }
    if (roll < 2) {  // a key pressed on whatever is showing
        for (tk::Form* form : std::initializer_list<tk::Form*>{
                 &board, frmQuestion::Loaded() ? &frmQuestion::Get() : nullptr,
                 frmAnswer::Loaded() ? &frmAnswer::Get() : nullptr}) {
            if (form != nullptr && form->isVisible()) {
                QTest::keyClick(form, Chance(0.5) ? Qt::Key_Return : Qt::Key_Escape);
            }
        }
        return;
    }
    if (roll < 3 && (questionUp || answerUp)) {  // their close boxes do nothing
        (questionUp ? static_cast<tk::Form&>(frmQuestion::Get()) : frmAnswer::Get()).close();
        Expect(frmQuestion::Loaded(), "question screen survives its close box");
        return;
    }
    if (answerUp) {
        const bool correct = Chance(0.5);
        tk::Button& judge = correct ? frmAnswer::Get().Command1 : frmAnswer::Get().Command2;
        Click(judge, Chance(0.1));
        ref_.Judge(correct);
        return;
    }
    if (questionUp) {
        frmQuestion& q = frmQuestion::Get();
        if (q.Label3.isVisible() && q.Label3.isEnabled() && Chance(0.3)) {
            q.Label3.Press();
            return;
        }
        if (q.Label2.isEnabled() && Chance(0.15)) {
            const bool timeUp = q.Label2.Caption() == QStringLiteral("Time Is Up!");
            q.Label2.Press();
            if (!timeUp) {
                ref_.revealed = true;
                ref_.EndRoundIfLast();
                Expect(frmAnswer::Get().isVisible(), "answer screen shown on reveal");
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
        tk::Picture& picture = which == 0 ? board.Image1 : which == 1 ? board.Image2 : board.Image3;
        if (picture.isVisibleTo(&board) && picture.isEnabled()) {
            picture.Press();
        }
        return;
    }
    if (roll < 20) {  // a team calls a Zapster
        tk::Button* buttons[] = {&board.Command6, &board.Command7,  &board.Command8,
                                 &board.Command9, &board.Command10, &board.Command11};
        const int index = Pick(6);
        tk::Button& button = *buttons[index];
        if (button.isEnabled()) {
            const bool waiting = index < 3 ? !ref_.label8 : !ref_.label9;
            const bool accepted = waiting && (index % 3 == 0 || !ref_.called);
            button.click();
            ref_.called = ref_.called || accepted;
            ExpectEq(button.isEnabled(), !accepted, "Zapster button spent when accepted");
        }
        return;
    }
    // A square, if one is open.
    QList<std::pair<int, int>> open;
    for (int column = 1; column <= 5; ++column) {
        for (int index = 0; index < 6; ++index) {
            if (board.Column(column)[index].isEnabled()) {
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
    ExpectEq(board.Column(column)[index].Caption(), QString::number(points), "square caption");
    Click(board.Column(column)[index], Chance(0.1));
    ++ref_.asked;
    ref_.open = true;
    ref_.revealed = ref_.timedOut = false;
    ref_.points = points;
    ExpectEq(frmAnswer::Get().Label2.Caption(), QString::number(points), "points on answer");
    ref_.zapster = frmAnswer::Get().Command1.Caption() == QStringLiteral("NO Zapster!");
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
        if (!frmQuestion::Loaded()) {
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
    if (!ref_.timedOut && frmQuestion::Loaded() &&
        frmQuestion::Get().Label2.Caption() == QStringLiteral("Time Is Up!")) {
        ref_.timedOut = true;
        if (ref_.zapster) {
            const int team = ref_.Turn();
            if (team != 0) {
                ref_.score[team] += 2 * ref_.points;
                ref_.called = false;
            }
        }
        ref_.EndRoundIfLast();
    }
    if (ref_.timedOut && !frmQuestion::Loaded()) {
        ref_.PassTurn();
        ref_.open = false;
        Expect(Form1::Get().isVisible(), "board back after a time-out");
        if (ref_.GameOver()) {
            Expect(frmGameOver::Loaded() && frmGameOver::Get().isVisible(),
                   "game over after the last time-out");
        }
    }
}

void Moderator::Check() {
    ++events_;
    if (tk::ProgramEnded()) {
        return;
    }
    Expect(tk::AnyScreenVisible(), "a window is visible");
    Expect(!beepedWhileOff_, "a beep with the sound off");
    if (!frmQuestion::Loaded()) {
        ExpectEq(tk::clock::RunningTimers(), 0, "timers running with no question screen");
    }
    ExpectEq(int(Team1Score), ref_.score[1], "team 1 score");
    ExpectEq(int(Team2Score), ref_.score[2], "team 2 score");
    Form1& board = Form1::Get();
    ExpectEq(board.Label8.Caption(), QString::number(ref_.score[1]), "team 1 score label");
    ExpectEq(board.Label9.Caption(), QString::number(ref_.score[2]), "team 2 score label");
    ExpectEq(board.Label8.isEnabled(), ref_.label8, "team 1 turn");
    ExpectEq(board.Label9.isEnabled(), ref_.label9, "team 2 turn");
    ExpectEq(int(RoundNumber), ref_.round, "round");
    ExpectEq(int(QuestionsAsked), ref_.asked, "questions asked");
    ExpectEq(ZapsterCalled, ref_.called, "Zapster called");
    Expect(RoundNumber >= 1 && RoundNumber <= NumRounds + 1, "round in range");
    Expect(QuestionsAsked >= 0 && QuestionsAsked <= 30, "questions asked in range");
    const Integer* used[] = {&ZapstersUsed1, &ZapstersUsed2, &ZapstersUsed3};
    const Integer* left[] = {&SquaresLeft1, &SquaresLeft2, &SquaresLeft3};
    for (int r = 1; r <= 3; ++r) {
        if (r == RoundNumber) {
            ExpectEq(int(*left[r - 1]), 30 - QuestionsAsked, "squares left this round");
        } else {
            ExpectEq(int(*left[r - 1]), 30, "squares left of another round");
            ExpectEq(int(*used[r - 1]), 0, "Zapsters used of another round");
        }
    }
    if (ref_.round <= ref_.rounds && !ref_.open) {
        ExpectEq(board.Label1.Caption(), QStringLiteral("Round: %1").arg(ref_.round),
                 "round label");
    }
}

int Moderator::Play() {
    FreshProgram(seed_);
    tk::SetBeepListener([this] { beepedWhileOff_ = beepedWhileOff_ || !SoundOn; });
    Setup();
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
        // game-over screen that someone closed.
        if (frmGameOver::Loaded() && frmGameOver::Get().isVisible()) {
            if (Chance(0.5)) {
                frmGameOver::Get().Command1.click();
                thanked_ = true;
            }
        } else if (Form1::Get().isVisible() && Chance(0.5)) {
            Form1::Get().Image1.Press();
        }
    }
    Expect(tk::ProgramEnded(), "the game reached its end");
    ExpectEq(tk::LoadedScreenCount(), 0, "screens left after the end");
    Expect(thanked_ || closedBoard_, "ended by the game-over button or the board's close box");
    return events_;
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(dir_.path()));
        QByteArray blocks;
        for (int k = 0; k < 15; ++k) {
            blocks += "Category " + QByteArray::number(k) + "\r\n";
            for (int row = 1; row <= 6; ++row) {
                blocks += "Q: question " + QByteArray::number(row) + " \xe9t\xe9\r\n";
                blocks += "A: answer\r\n";
            }
        }
        WriteFile(QStringLiteral("good.zap"), blocks);
        WriteFile(QStringLiteral("short.zap"), blocks.left(blocks.size() / 3));
        WriteFile(QStringLiteral("empty.zap"), QByteArray());
        WriteFile(QStringLiteral("binary.zap"), QByteArray(5000, '\0') + "\xff\xfe\r\r\n\n");
    }

    void randomModeratorPlaysWholeGames() {
        QElapsedTimer clock;
        clock.start();
        qint64 events = 0;
        for (int game = 0; game < games; ++game) {
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
        qInfo("%d games, %lld events checked in %lld ms", games, events, clock.elapsed());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--games")) {
            games = args[i + 1].toInt();
            args.remove(i, 2);
            --i;
        } else if (args[i] == QLatin1String("--seed")) {
            firstSeed = args[i + 1].toULongLong();
            args.remove(i, 2);
            --i;
        }
    }
    // A long soak outlasts QtTest's five-minute watchdog; allow it a second a game.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max(300, games) * 1000LL));
    }
    TestSoak test;
    return QTest::qExec(&test, args);
}

#include "tst_soak.moc"
