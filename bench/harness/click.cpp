// Click to screen: a square click until the question screen is painted, and the judging click
// until the board is painted again, through Qt's real event loop; and what creating the question
// screen afresh costs on its own.
#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "common.h"
#include "figures.h"
#include "report.h"
#include "screens/answer.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/host.h"
#include "screens/question.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/timer.h"

namespace bench {
namespace {

ClickTimes PlayQuestions(int questions) {
    PaintWatch watch;
    ClickTimes times;
    std::uint64_t seed = 1;
    NewGameOnRealClock(seed, watch);
    for (int q = 0; q < questions; ++q) {
        int column = 0, index = 0;
        if (!NextOpenSquare(column, index)) {
            NewGameOnRealClock(++seed, watch);  // the game is over: the next one
            NextOpenSquare(column, index);
        }
        watch.Watch(IfLoaded<QuestionScreen>);
        double start = NowMs();
        Click(BoardScreen::Get().squares[column - 1][index]);
        times.toQuestion.push_back(WaitPainted(watch, "question screen") - start);

        watch.Watch(IfLoaded<AnswerScreen>);
        Click(QuestionScreen::Get().timeBar);
        WaitPainted(watch, "answer screen");

        watch.Watch(IfLoaded<BoardScreen>);
        start = NowMs();
        Click(q % 2 == 0 ? AnswerScreen::Get().rightButton : AnswerScreen::Get().wrongButton);
        // The unloaded question screen goes as soon as control is back in the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        times.toBoard.push_back(WaitPainted(watch, "board") - start);
        CheckPlay("a question");
    }
    return times;
}

// Creating the question screen and starting its question, then unloading and deleting it, as every
// question does; the board's game goes on around it.
std::vector<double> CreateQuestionScreens(int count) {
    FreshProgram(7);
    play::NewGame();
    CheckPlay("a new game");
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const double start = NowMs();
        QuestionScreen::Get().Begin(*flow::Running());
        times.push_back(NowMs() - start);
        QuestionScreen::Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FreshProgram();
    return times;
}

std::vector<double> CreateEmptyWindows(int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const double start = NowMs();
        auto* window = new QWidget;
        window->setWindowTitle(QStringLiteral("Zapster!"));
        times.push_back(NowMs() - start);
        window->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return times;
}

// With a laptop beside the projector: a click on the host's window until both windows are painted,
// the host's and the room's, for opening a square and for judging; against the same square opened
// on the room's board until only the room's question screen is painted.
struct HostTimes {
    std::vector<double> square, judging, roomSquare;
};

HostTimes PlayFromHost(int questions) {
    PaintWatch room, host;
    HostTimes times;
    std::uint64_t seed = 1;
    const auto both = [&](const char* what) {
        return std::max(WaitPainted(room, what), WaitPainted(host, "host's window"));
    };
    NewGameOnRealClock(seed, room);
    for (int q = 0; q < questions; ++q) {
        int column = 0, index = 0;
        if (!NextOpenSquare(column, index)) {
            NewGameOnRealClock(++seed, room);
            NextOpenSquare(column, index);
        }
        if (!HostScreen::Loaded() || !HostScreen::Get().isVisible()) {
            Fail("no host's window beside the room's screens");
        }
        room.Watch(IfLoaded<QuestionScreen>);
        host.Watch(IfLoaded<HostScreen>);
        double start = NowMs();
        const bool onHost = q % 2 == 0;
        Click(onHost ? static_cast<QWidget&>(HostScreen::Get().squares[column - 1][index])
                     : BoardScreen::Get().squares[column - 1][index]);
        if (onHost) {
            times.square.push_back(both("question screen") - start);
        } else {
            times.roomSquare.push_back(WaitPainted(room, "question screen") - start);
        }
        room.Watch(IfLoaded<AnswerScreen>);
        Click(HostScreen::Get().revealButton);
        WaitPainted(room, "answer screen");
        room.Watch(IfLoaded<BoardScreen>);
        host.Watch(IfLoaded<HostScreen>);
        start = NowMs();
        Click(HostScreen::Get().rightButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        times.judging.push_back(both("board") - start);
        CheckPlay("a question from the host's window");
    }
    return times;
}

}  // namespace

int HostClicks(int questions) {
    PlayFromHost(6);
    const HostTimes times = PlayFromHost(questions);
    const double square = Percentile(times.square, 99), judging = Percentile(times.judging, 99);
    const double room = Percentile(times.roomSquare, 99);
    Print({"Host's square click to both windows painted, p99 (" + std::to_string(questions) +
               " questions; baseline: the room's click, its screen alone)",
           square, room, "ms", "< 16 ms", square < 16, 2});
    Print({"Host's judging click to both windows painted, p99", judging, room, "ms", "< 16 ms",
           judging < 16, 2});
    return 0;
}

int ClickToScreen(int questions) {
    // One pass first: fonts, glyphs and pictures are loaded once per program, not per question.
    PlayQuestions(5);
    PlayEmptyPages(5);
    const ClickTimes ours = PlayQuestions(questions);
    const ClickTimes base = PlayEmptyPages(questions);
    const std::string n = std::to_string(questions);

    const double qMed = Median(ours.toQuestion), qP99 = Percentile(ours.toQuestion, 99);
    const double bMed = Median(ours.toBoard), bP99 = Percentile(ours.toBoard, 99);
    Print({"Square click to question painted, median (" + n + " questions)", qMed,
           Median(base.toQuestion), "ms", "< 5 ms", qMed < 5, 2});
    Print({"Square click to question painted, p99", qP99, Percentile(base.toQuestion, 99), "ms",
           "< 16 ms", qP99 < 16, 2});
    Print({"Judging click to board painted, median", bMed, Median(base.toBoard), "ms", "< 5 ms",
           bMed < 5, 2});
    Print({"Judging click to board painted, p99", bP99, Percentile(base.toBoard, 99), "ms",
           "< 16 ms", bP99 < 16, 2});

    const std::vector<double> created = CreateQuestionScreens(questions);
    const double cMed = Median(created);
    Print({"Question screen created afresh (and its question begun), median", cMed,
           Median(CreateEmptyWindows(questions)), "ms", "< 1/4 of click to painted",
           cMed < qMed / 4, 3});
    return 0;
}

}  // namespace bench
