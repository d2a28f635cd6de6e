// Painting on a 4K projector: whole games played on a headless 3840x2160 display, where the
// maximised screens fill it, each click timed until the screen it brings has been painted for the
// first time (every question, every answer, the board of each new round, the game-over screen);
// and the board and a question painted again unchanged into an image of the display's size.
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <algorithm>

#include "common.h"
#include "figures.h"
#include "report.h"
#include "screens/answer.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/game_over.h"
#include "screens/question.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

namespace bench {
namespace {

const QSize kDisplay(3840, 2160);

struct FirstPaints {
    std::vector<double> question, answer, board, newRound, gameOver;
};

// One whole game through the real event loop and the real clock.
void PlayWholeGame(std::uint64_t seed, FirstPaints& times) {
    PaintWatch watch;
    NewGameOnRealClock(seed, watch);
    RunFor(500);  // the room reads the new board before the first square is chosen
    int column = 0, index = 0;
    for (int q = 0; NextOpenSquare(column, index); ++q) {
        watch.Watch(IfLoaded<QuestionScreen>);
        double start = NowMs();
        Click(BoardScreen::Get().squares[column - 1][index]);
        times.question.push_back(WaitPainted(watch, "question screen") - start);
        // Its round moves on once the last square's question ends.
        const bool roundOver = !NextOpenSquare(column, index);
        const bool gameOver =
            roundOver && flow::Running()->Round() == flow::Running()->setup().roundsToPlay;

        watch.Watch(IfLoaded<AnswerScreen>);
        start = NowMs();
        Click(QuestionScreen::Get().timeBar);
        times.answer.push_back(WaitPainted(watch, "answer screen") - start);

        watch.Watch(gameOver ? IfLoaded<GameOverScreen> : IfLoaded<BoardScreen>);
        start = NowMs();
        Click(q % 2 == 0 ? AnswerScreen::Get().rightButton : AnswerScreen::Get().wrongButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const double took = WaitPainted(watch, gameOver ? "game-over screen" : "board") - start;
        (gameOver ? times.gameOver : roundOver ? times.newRound : times.board).push_back(took);
        CheckPlay("a question");
    }
    if (times.gameOver.empty()) {
        Fail("a whole game did not end on the game-over screen");
    }
}

// Median of painting `widget` again, unchanged, into an image of the display's size, which is
// written once first: a backing store's memory is the window system's before the game paints.
double TimeRepaint(QWidget& widget, int repeats) {
    if (auto* window = qobject_cast<tk::Window*>(&widget)) {
        window->resize(kDisplay);
        window->FitTo(kDisplay);
    }
    QImage image(kDisplay, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    widget.render(&image);
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const double start = NowMs();
        widget.render(&image);
        times.push_back(NowMs() - start);
    }
    return Median(times);
}

void PrintWorst(const std::string& what, const std::vector<double>& times, double empty) {
    const double worst = *std::max_element(times.begin(), times.end());
    Print({"First paint at 3840x2160, " + what + ": worst of " + std::to_string(times.size()) +
               " (median " + Format(Median(times), 1) + " ms)",
           worst, empty, "ms", "< 16 ms", worst < 16, 1});
}

}  // namespace

int ScaledPainting(int games) {
    if (QGuiApplication::primaryScreen()->size() != kDisplay) {
        Fail("the painting figure needs a 3840x2160 display");
    }
    FirstPaints times;
    for (int game = 1; game <= games; ++game) {
        PlayWholeGame(game, times);
    }
    // The least a click that brings a screen can cost: a maximised window turning from one empty
    // page to another.
    const std::vector<double> empty = PlayEmptyPages(30).toQuestion;
    const double emptyMedian = Median(empty);
    PrintWorst("click to question painted", times.question, emptyMedian);
    PrintWorst("click to answer painted", times.answer, emptyMedian);
    PrintWorst("judging click to board painted", times.board, emptyMedian);
    PrintWorst("judging click to a new round's board painted", times.newRound, emptyMedian);
    PrintWorst("judging click to game over painted", times.gameOver, emptyMedian);

    QWidget blank;
    blank.resize(kDisplay);
    const double blankMs = TimeRepaint(blank, 30);
    FreshProgram(1);
    play::NewGame();
    CheckPlay("a new game");
    const double boardMs = TimeRepaint(BoardScreen::Get(), 30);
    play::ClickSquare(2, 3);
    tk::clock::Advance(15500);  // a yellow bar of 15 steps
    CheckPlay("a question");
    const double questionMs = TimeRepaint(QuestionScreen::Get(), 30);
    FreshProgram();
    Print({"Board painted again at 3840x2160, median", boardMs, blankMs, "ms", "< 8 ms",
           boardMs < 8, 2});
    Print({"Question screen painted again at 3840x2160, median", questionMs, blankMs, "ms",
           "< 8 ms", questionMs < 8, 2});
    return 0;
}

}  // namespace bench
