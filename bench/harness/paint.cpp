// Scaled painting: the board and the question screen laid out for a 3840x2160 display and painted
// whole into an image, as the window system's backing store receives them.
#include <QApplication>
#include <QImage>

#include "common.h"
#include "figures.h"
#include "report.h"
#include "screens/board.h"
#include "screens/question.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/timer.h"

namespace bench {
namespace {

const QSize kDisplay(3840, 2160);

// Medians of painting `widget` into an image of the display's size; the first paint apart.
std::pair<double, double> TimePaint(QWidget& widget, int repeats) {
    QImage image(kDisplay, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    double first = 0;
    for (int i = 0; i <= repeats; ++i) {
        const double start = NowMs();
        widget.render(&image);
        const double took = NowMs() - start;
        (i == 0 ? first : times.emplace_back()) = took;
    }
    return {Median(times), first};
}

void FitToDisplay(tk::Window& window) {
    window.resize(kDisplay);
    window.FitTo(kDisplay);
}

}  // namespace

int ScaledPainting(int repeats) {
    QWidget empty;
    empty.resize(kDisplay);
    const double base = TimePaint(empty, repeats).first;

    FreshProgram(1);
    play::NewGame();
    CheckPlay("a new game");
    BoardScreen& board = BoardScreen::Get();
    FitToDisplay(board);
    const auto [boardMs, boardFirst] = TimePaint(board, repeats);

    play::ClickSquare(2, 3);
    tk::clock::Advance(15500);  // a yellow bar of 15 steps
    CheckPlay("a question");
    QuestionScreen& question = QuestionScreen::Get();
    FitToDisplay(question);
    const auto [questionMs, questionFirst] = TimePaint(question, repeats);
    FreshProgram();

    Print({"Board painted at 3840x2160, median (first " + Format(boardFirst, 1) + " ms)", boardMs,
           base, "ms", "< 8 ms", boardMs < 8, 2});
    Print(
        {"Question screen painted at 3840x2160, median (first " + Format(questionFirst, 1) + " ms)",
         questionMs, base, "ms", "< 8 ms", questionMs < 8, 2});
    return 0;
}

}  // namespace bench
