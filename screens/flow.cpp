#include "screens/flow.h"

#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include "game/results.h"
#include "game/save.h"
#include "screens/answer.h"
#include "screens/board.h"
#include "screens/game_over.h"
#include "screens/host.h"
#include "screens/question.h"
#include "screens/record.h"
#include "screens/setup.h"
#include "screens/title.h"
#include "toolkit/beep.h"
#include "toolkit/displays.h"
#include "toolkit/printout.h"
#include "toolkit/program.h"
#include "toolkit/random.h"

namespace flow {
namespace {

namespace save = game::save;

// What the flow itself says, in the room's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Flow)
};

class Flow : public QObject {
public:
    std::optional<game::Match> game;

    void Start();

private:
    void Tie(tk::Window* screen);
    // The title.
    void Ok();
    void Resume();
    // The setup.
    void Done();
    // The board.
    void OpenSquare(int column, int row);
    void CallZapster(int team, int button);
    void SwitchSound(bool on);
    void EndGame();
    void TakeBack();
    // The question.
    void Reveal();
    void RunOut(bool (game::Match::*outcome)());
    void BackToBoard();
    // The answer.
    void Judge(bool right);
    // The game over.
    void Thanks();
    void TakeBackTheLast();
    // The host's window.
    void RevealFromHost();
    void EndOrThanks();
    void TurnClockFromHost();
    void DrawHost();
    // The record: an appeal, a correction by hand, the night's results.
    void ShowRecord();
    void TieRecord(RecordPanel& panel, tk::Window* window);
    bool Correct(const std::function<bool(game::Match&)>& correction);
    void SaveResults(QWidget* owner);
    void WriteResults(QString path);
    // The displays: where the room's screens and the host's window go.
    void UseDisplays();

    void Redraw();
    void ShowBoard();
    void PrepareWhileBoardWaits(int step);
    void MakeGameOverAhead();
    void ShowGameOver();

    bool alreadyRunning_ = false;
    tk::HostChoice hostChoice_ = tk::HostChoice::Apart;
    QString saveFailure_;   // how the last save went, for a host's window opened later
    QString resultsSaved_;  // where the night's results went, or why they could not
};

Flow& TheFlow() {
    static Flow flow;
    return flow;
}

// Every screen is tied to the game as it is loaded, whoever referred to it first.
void Flow::Tie(tk::Window* screen) {
    if (auto* title = qobject_cast<TitleScreen*>(screen)) {
        connect(title, &TitleScreen::OkClicked, this, &Flow::Ok);
        connect(title, &TitleScreen::ResumeClicked, this, &Flow::Resume);
    } else if (auto* setup = qobject_cast<SetupScreen*>(screen)) {
        connect(setup, &SetupScreen::DoneClicked, this, &Flow::Done);
    } else if (auto* board = qobject_cast<BoardScreen*>(screen)) {
        connect(board, &BoardScreen::SquareClicked, this, &Flow::OpenSquare);
        connect(board, &BoardScreen::ZapsterButtonClicked, this, &Flow::CallZapster);
        connect(board, &BoardScreen::SoundSwitched, this, &Flow::SwitchSound);
        connect(board, &BoardScreen::BannerClicked, this, &Flow::EndGame);
        connect(board, &BoardScreen::TakeBackPressed, this, &Flow::TakeBack);
        connect(board, &BoardScreen::RecordWanted, this, &Flow::ShowRecord);
    } else if (auto* question = qobject_cast<QuestionScreen*>(screen)) {
        connect(question, &QuestionScreen::RevealClicked, this, &Flow::Reveal);
        connect(question, &QuestionScreen::TimeRanOut, this,
                [this] { RunOut(&game::Match::TimeUp); });
        connect(question, &QuestionScreen::ClockRanOut, this,
                [this] { RunOut(&game::Match::ClockRanOut); });
        connect(question, &QuestionScreen::BoardDue, this, &Flow::BackToBoard);
        connect(question, &QuestionScreen::PaceChanged, this, &Flow::DrawHost);
    } else if (auto* answer = qobject_cast<AnswerScreen*>(screen)) {
        connect(answer, &AnswerScreen::Judged, this, &Flow::Judge);
        connect(answer, &AnswerScreen::TakeBackPressed, this, &Flow::TakeBack);
    } else if (auto* over = qobject_cast<GameOverScreen*>(screen)) {
        connect(over, &GameOverScreen::ThanksClicked, this, &Flow::Thanks);
        connect(over, &GameOverScreen::TakeBackPressed, this, &Flow::TakeBackTheLast);
        connect(over, &GameOverScreen::Closed, this, &Flow::DrawHost);
        connect(over, &GameOverScreen::ResultsWanted, this, [this, over] { SaveResults(over); });
    } else if (auto* host = qobject_cast<HostScreen*>(screen)) {
        connect(host, &HostScreen::SquareClicked, this, &Flow::OpenSquare);
        connect(host, &HostScreen::ZapsterButtonClicked, this, &Flow::CallZapster);
        connect(host, &HostScreen::RevealClicked, this, &Flow::RevealFromHost);
        connect(host, &HostScreen::ClockTurned, this, &Flow::TurnClockFromHost);
        connect(host, &HostScreen::PauseSwitched, this, [] {
            if (QuestionScreen::Loaded()) {
                QuestionScreen::Get().SwitchPause();
            }
        });
        connect(host, &HostScreen::TimeAdded, this, [] {
            if (QuestionScreen::Loaded()) {
                QuestionScreen::Get().AddTime();
            }
        });
        connect(host, &HostScreen::Judged, this, &Flow::Judge);
        connect(host, &HostScreen::TakeBackPressed, this, &Flow::TakeBack);
        connect(host, &HostScreen::EndGameClicked, this, &Flow::EndOrThanks);
        connect(host, &HostScreen::RecordSwitched, this, &Flow::DrawHost);
        TieRecord(host->record, host);
    } else if (auto* record = qobject_cast<RecordScreen*>(screen)) {
        connect(record, &RecordScreen::TakeBackPressed, this, &Flow::TakeBack);
        TieRecord(record->panel, record);
    }
}

void Flow::TieRecord(RecordPanel& panel, tk::Window* window) {
    connect(&panel, &RecordPanel::Rejudged, this, [this](int entry, game::Verdict verdict) {
        Correct([=](game::Match& m) { return m.Rejudge(std::size_t(entry), verdict); });
    });
    connect(&panel, &RecordPanel::Corrected, this,
            [this](int team, int change, const QString& reason) {
                Correct([=](game::Match& m) { return m.CorrectScore(team, change, reason); });
            });
    connect(&panel, &RecordPanel::ResultsWanted, this, [this, window] { SaveResults(window); });
}

// A copy of the program started while another one plays says so and plays nothing: the folder of
// saved games belongs to the game being played.
void Flow::Start() {
    tk::OnScreenLoaded([this](tk::Window* screen) { Tie(screen); });
    save::OnReport([this](const QString& failure) {
        saveFailure_ = failure;
        if (BoardScreen::Loaded()) {
            BoardScreen::Get().ShowSaving(failure);
        }
        if (HostScreen::Loaded()) {
            HostScreen::Get().ShowSaving(failure);
        }
    });
    // Before the game, the moderator's windows go on the host's display.
    hostChoice_ = tk::HostChoice::Apart;
    tk::UseDisplays(tk::PlanDisplays(tk::CurrentDisplays(), hostChoice_));
    tk::OnDisplaysChanged([this] {
        tk::HandlerScope scope;
        if (SetupScreen::Loaded()) {
            SetupScreen::Get().ShowDisplays();
        }
        UseDisplays();
    });
    game.reset();
    TitleScreen& title = TitleScreen::Get();
    alreadyRunning_ = !save::HoldFolder();
    if (alreadyRunning_) {
        title.Say(QString(), Texts::tr("Zapster is already running: play on in its window."));
    } else {
        const save::Offer offer = save::Look();
        title.Say(offer.question, offer.problem);
    }
    TitleScreen::Show();
}

// "OK": the title is done for good; the moderator goes on to set up the game. The board is loaded
// with the setup, so that "Done" only has to show it.
void Flow::Ok() {
    if (alreadyRunning_) {
        tk::End();
        return;
    }
    TitleScreen::Unload();
    SetupScreen::Get().ShowDisplays();
    BoardScreen::Get();
    SetupScreen::Show();
}

// "Resume": the saved game comes back as it was left, on the board or on the answer screen of a
// question taken back.
void Flow::Resume() {
    std::optional<game::Match> resumed = save::Resume();
    if (!resumed) {
        return;
    }
    game = std::move(*resumed);
    const bool onAnswerScreen = game->phase() == game::Phase::Answer;
    BoardScreen::Get();
    if (onAnswerScreen) {
        AnswerScreen::Get();
    }
    Redraw();
    TitleScreen::Unload();
    if (onAnswerScreen) {
        AnswerScreen::Show();
    } else {
        BoardScreen::Show();
    }
    UseDisplays();
}

// "Done": the content of every round is read now, once, and the game starts on the board.
void Flow::Done() {
    const SetupScreen& setup = SetupScreen::Get();
    game.emplace(game::ReadContent(setup.ChosenFiles()), setup.Choices(), tk::GameSeed());
    hostChoice_ = setup.HostChoice();
    SetupScreen::Hide();
    // The board goes straight to the room's display; the host's window opens after it, and keeps
    // the keyboard.
    tk::UseDisplays(tk::PlanDisplays(tk::CurrentDisplays(), hostChoice_));
    ShowBoard();
    UseDisplays();
    save::NewGame(*game);
    save::AtRest(*game);
}

void Flow::OpenSquare(int column, int row) {
    if (!game || !game->OpenSquare(column, row)) {
        return;
    }
    // The answer screen waits, hidden, with the answer and the points of the square.
    AnswerScreen::Get();
    Redraw();
    BoardScreen::Hide();
    // A question screen is loaded afresh for every question.
    QuestionScreen::Unload();
    QuestionScreen::Get().Begin(*game);
    QuestionScreen::Show();
}

void Flow::CallZapster(int team, int button) {
    if (!game || !game->CallZapster(team, button)) {
        return;
    }
    Redraw();
    save::AtRest(*game);
}

void Flow::SwitchSound(bool on) {
    if (!game || !game->SwitchSound(on)) {
        return;
    }
    Redraw();
    save::AtRest(*game);
}

// The banner: the moderator ends the game here at any time. Closing the game-over screen plays on.
void Flow::EndGame() {
    ShowGameOver();
}

// Ctrl+Z: the last question's outcome is taken back. Its answer screen comes back over the board
// as it was before the outcome, as when its answer was revealed, so the moderator judges again.
// Pressed on an answer screen, it goes one question further back, and the question on that screen
// is not played: its square is open again.
void Flow::TakeBack() {
    std::optional<game::Match> moment = game ? save::TakeBack() : std::nullopt;
    if (!moment) {
        return;
    }
    game = std::move(*moment);
    // A correction of the record taken back: the board as it was before it, and the game-over
    // screen still up when the game was over.
    if (game->phase() == game::Phase::Board) {
        AnswerScreen::Hide();
        QuestionScreen::Unload();
        ShowBoard();
        if (game->Over()) {
            ShowGameOver();
        } else {
            GameOverScreen::Unload();
        }
        save::AtRest(*game);
        return;
    }
    AnswerScreen::Get();
    Redraw();
    GameOverScreen::Unload();
    QuestionScreen::Unload();
    BoardScreen::Hide();
    AnswerScreen::Show();
    save::AtRest(*game);
}

// A game ended by its last question can still have that question taken back from the game-over
// screen; a game ended early on the banner has nothing to take back there.
void Flow::TakeBackTheLast() {
    if (game && game->Over()) {
        TakeBack();
    }
}

void Flow::Reveal() {
    if (!game || !game->Reveal()) {
        return;
    }
    AnswerScreen::Get();
    Redraw();
    AnswerScreen::Show();
}

// The question's time, or a turned Zapster clock, ran out: an outcome that can be taken back.
void Flow::RunOut(bool (game::Match::*outcome)()) {
    if (!game) {
        return;
    }
    save::BeforeOutcome(*game);
    ((*game).*outcome)();
    Redraw();
}

// Three seconds after a time-out: the question closes, the turn passes, the board returns. A
// time-out on the last question of the game ends it as a judgement would.
void Flow::BackToBoard() {
    if (!game || !game->BackToBoard()) {
        return;
    }
    AnswerScreen::Hide();
    QuestionScreen::Unload();
    ShowBoard();
    if (game->Over()) {
        ShowGameOver();
    }
    save::AtRest(*game);
}

void Flow::Judge(bool right) {
    if (!game) {
        return;
    }
    save::BeforeOutcome(*game);
    const int team = game->TeamOnTurn();
    if (!game->Judge(right)) {
        return;
    }
    if (team != game::kNoTeam) {
        AnswerScreen::Hide();
        QuestionScreen::Unload();
        ShowBoard();
        // The right team's answer to the last question, which clears the board, closes the answer
        // screen too; after the left team's it is only hidden.
        if (game->TitlesCleared()) {
            AnswerScreen::Unload();
        }
    }
    if (game->Over()) {
        ShowGameOver();
    }
    Redraw();
    save::AtRest(*game);
}

// The program ends at once, every screen closed.
void Flow::Thanks() {
    if (game) {
        game->Finish();
        save::Finished(*game);
    }
    tk::End();
}

// Every screen that shows the game shows it as it now stands.
void Flow::Redraw() {
    if (!game) {
        return;
    }
    if (BoardScreen::Loaded()) {
        BoardScreen::Get().Draw(*game);
    }
    if (AnswerScreen::Loaded()) {
        AnswerScreen::Get().Draw(*game);
    }
    if (RecordScreen::Loaded()) {
        RecordScreen::Get().panel.Draw(*game);
        RecordScreen::Get().panel.ShowSaved(resultsSaved_);
    }
    if (GameOverScreen::Loaded()) {
        GameOverScreen::Get().resultsSaved.SetCaption(resultsSaved_);
    }
    DrawHost();
}

// The record goes where the moderator works: on the host's window in the board's place, or
// without one in a window of its own.
void Flow::ShowRecord() {
    if (!game) {
        return;
    }
    if (HostScreen::Loaded()) {
        HostScreen::Get().ShowRecord(true);
    } else {
        RecordScreen::Get();
        Redraw();
        RecordScreen::Show();
    }
}

// An appeal settled on the board: the record corrected is an outcome like any other, saved at
// once and taken back by Ctrl+Z.
bool Flow::Correct(const std::function<bool(game::Match&)>& correction) {
    if (!game || !game->MayCorrect()) {
        return false;
    }
    const game::Match before = *game;
    if (!correction(*game)) {
        return false;
    }
    save::BeforeOutcome(before);
    Redraw();
    save::AtRest(*game);
    return true;
}

// Nothing is written until the moderator has said where: the spreadsheet there, and the page to
// print beside it under the same name.
void Flow::SaveResults(QWidget* owner) {
    if (!game) {
        return;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const QString name = QStringLiteral("zapster-results-%1.csv")
                             .arg(QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmm"));
    tk::AskWhereToSave(owner, Texts::tr("Save the night's results"), QDir(folder).filePath(name),
                       Texts::tr("Spreadsheet, with a page to print (*.csv)"),
                       [this](const QString& path) { WriteResults(path); });
}

void Flow::WriteResults(QString path) {
    if (!game) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".csv");
    }
    const QString page = path.left(path.size() - 4) + QStringLiteral(".pdf");
    QString why = tk::WriteWhole(path, game::ResultsCsv(*game, game::CsvSeparator()));
    if (why.isEmpty()) {
        why = tk::WritePdf(game::ResultsPage(*game, QDateTime::currentDateTime()), page);
    }
    const QFileInfo csv(path);
    resultsSaved_ = why.isEmpty() ? Texts::tr("Results saved in %1: %2 and %3")
                                        .arg(QDir::toNativeSeparators(csv.absolutePath()),
                                             csv.fileName(), QFileInfo(page).fileName())
                                  : Texts::tr("The results could not be saved: %1").arg(why);
    Redraw();
}

void Flow::DrawHost() {
    if (game && HostScreen::Loaded()) {
        HostScreen::Beside beside;
        if (QuestionScreen::Loaded()) {
            beside.pace = QuestionScreen::Get().Pace();
        }
        beside.canTakeBack = save::CanTakeBack();
        beside.gameOverShown = GameOverScreen::Loaded() && GameOverScreen::Get().isVisible();
        HostScreen::Get().Draw(*game, beside);
        HostScreen::Get().record.ShowSaved(resultsSaved_);
    }
}

// The host's buttons act as their twins on the room's screens: the time bar and the clock are the
// question screen's, which paces the question.
void Flow::RevealFromHost() {
    if (QuestionScreen::Loaded() && QuestionScreen::Get().Pace().mayReveal) {
        QuestionScreen::Get().Reveal();
    }
}

void Flow::EndOrThanks() {
    if (GameOverScreen::Loaded() && GameOverScreen::Get().isVisible()) {
        Thanks();
    } else if (game && game->phase() == game::Phase::Board) {
        EndGame();
    }
}

void Flow::TurnClockFromHost() {
    if (QuestionScreen::Loaded() && QuestionScreen::Get().Pace().mayTurnClock) {
        QuestionScreen::Get().TurnZapsterClock();
    }
}

// With two displays that show pictures of their own, the room's screens go on one and the host's
// window opens on the other, unless the moderator turned it off; with one picture for everybody
// there is no host window. Run again whenever a display comes or goes.
void Flow::UseDisplays() {
    const tk::DisplayPlan plan = tk::PlanDisplays(tk::CurrentDisplays(), hostChoice_);
    tk::UseDisplays(plan);
    if (plan.hostWindow && game) {
        if (!HostScreen::Loaded()) {
            HostScreen::Get().ShowSaving(saveFailure_);
        }
        DrawHost();
        HostScreen::Show();
    } else {
        HostScreen::Unload();
    }
    tk::MoveToDisplays();
}

void Flow::ShowBoard() {
    BoardScreen::Get();
    Redraw();
    BoardScreen::Show();
    // Once the board has been painted and waits, never within the click that shows it.
    tk::AfterNextPaint(BoardScreen::Get(), [this] { PrepareWhileBoardWaits(0); });
}

// What the waiting board prepares, one step at a time and what the next click needs first: a
// click that comes meanwhile waits for one step at most, and a moderator who has already left the
// board (a square opened at once) is not kept waiting for the rest.
void Flow::PrepareWhileBoardWaits(int step) {
    if (!BoardScreen::Loaded() || !BoardScreen::Get().isVisible()) {
        return;
    }
    const bool playing = game && !game->Over();
    const auto polish = [](tk::Window& screen) { screen.ensurePolished(); };
    switch (step) {
        case 0:
            tk::OpenBeepOutput();
            // The screens of the next question: the question screen, made afresh for every
            // question, and the answer screen, made once a game.
            if (playing) {
                QuestionScreen::MakeAhead(0, polish);
            }
            break;
        case 1:
            if (playing) {
                AnswerScreen::MakeAhead(0, polish);
            }
            break;
        case 2:
            // The board's large captions (points, a new round's) are kept as pictures while the
            // room reads them, not in the next click that brings the board back.
            tk::KeepCaptionPictures(BoardScreen::Get());
            break;
        default:
            MakeGameOverAhead();
            return;
    }
    QTimer::singleShot(0, &BoardScreen::Get(), [this, step] { PrepareWhileBoardWaits(step + 1); });
}

// The game-over screen, laid over the board. Made ahead at the board's scale while the board
// waits, its letters and pictures ready, its showing at the end of the game costs a frame.
void Flow::MakeGameOverAhead() {
    if (!game || game->Over() || !BoardScreen::Loaded()) {
        return;
    }
    const double scale = BoardScreen::Get().Scale();
    GameOverScreen::MakeAhead(scale, [scale](GameOverScreen& over) { over.ScaleFixed(scale); });
}

// Over a board grown to fill a large display, the game-over screen's heading and button grow as
// much.
void Flow::ShowGameOver() {
    if (!GameOverScreen::Loaded()) {
        GameOverScreen::Get().ScaleFixed(BoardScreen::Loaded() ? BoardScreen::Get().Scale() : 1.0);
    }
    GameOverScreen::Show();
    DrawHost();
}

}  // namespace

void StartProgram() {
    TheFlow().Start();
}

const game::Match* Running() {
    Flow& flow = TheFlow();
    return flow.game ? &*flow.game : nullptr;
}

}  // namespace flow
