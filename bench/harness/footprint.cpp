// Footprint in the game library's own process: memory and live widgets over hundreds of questions
// (each creates and destroys the question screen), and what the board costs while it waits.
#include <QApplication>
#include <QPushButton>
#include <QtTest>

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

constexpr double kWaitMs = 5000;

void Settle(QWidget* (*screen)()) {
    PaintWatch watch;
    watch.Watch(screen);
    if (!RunUntil([&] { return watch.Painted(); }, kWaitMs)) {
        Fail("a screen was never painted");
    }
}

QWidget* Board() {
    return BoardScreen::Loaded() ? &BoardScreen::Get() : nullptr;
}

void StartGame(std::uint64_t seed) {
    FreshProgram(seed);
    tk::clock::UseReal();
    play::NewGame();
    CheckPlay("a new game");
    Settle(Board);
}

// One question from square to board, through the event loop; false when the game is over.
bool PlayOne(int q) {
    int column = 0, index = 0;
    if (!NextOpenSquare(column, index)) {
        return false;
    }
    play::ClickSquare(column, index);
    RunFor(5);
    play::Reveal();
    RunFor(5);
    play::Judge(q % 2 == 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Settle(Board);
    CheckPlay("a question");
    return true;
}

// Counts what reaches the game's objects while nothing happens: timer events (apart from the
// harness's own guard timer) and paint or update requests of widgets.
class EventCounter : public QObject {
public:
    EventCounter() { qApp->installEventFilter(this); }
    ~EventCounter() override { qApp->removeEventFilter(this); }
    int timers = 0, paints = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Timer &&
            object->objectName() != QLatin1String("bench-guard")) {
            ++timers;
        } else if (object->isWidgetType() &&
                   (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest)) {
            ++paints;
        }
        return false;
    }
};

struct Quiet {
    int timers, paints;
    double cpuMs;
    long wakeups;
};

Quiet MeasureQuiet(double seconds) {
    EventCounter counter;
    const double cpu = CpuMs();
    const long wakeups = Wakeups();
    RunFor(seconds * 1000);
    return {counter.timers, counter.paints, CpuMs() - cpu, Wakeups() - wakeups};
}

}  // namespace

int Soak(int questions) {
    constexpr int kWarm = 30;  // the first questions load fonts, glyphs and pictures for good
    std::uint64_t seed = 1;
    StartGame(seed);
    long warmRss = 0;
    int warmWidgets = 0;
    std::vector<double> rss;
    for (int q = 0; q < questions; ++q) {
        if (!PlayOne(q)) {
            StartGame(++seed);
            PlayOne(q);
        }
        if (q + 1 == kWarm) {
            warmRss = RssKb();
            warmWidgets = static_cast<int>(QApplication::allWidgets().size());
        }
    }
    const long endRss = RssKb();
    const int endWidgets = static_cast<int>(QApplication::allWidgets().size());
    const double growthKb = double(endRss - warmRss);
    const std::string span =
        "questions " + std::to_string(kWarm) + " to " + std::to_string(questions);
    std::string ours = growthKb >= 0 ? "+" : "";
    ours += Format(growthKb, 0) + " KiB; " + std::to_string(warmWidgets) + " -> " +
            std::to_string(endWidgets);
    PrintText("Footprint: growth over " + span + ": RSS; live widgets", ours, "-", "-",
              "< 1024 KiB; unchanged", growthKb < 1024 && warmWidgets == endWidgets);
    std::fprintf(stderr, "soak: %d questions, RSS %ld KiB after question %d, %ld KiB at the end\n",
                 questions, warmRss, kWarm, endRss);
    return 0;
}

int IdleBoard(double seconds) {
    // The baseline: one empty maximised window, shown and then left alone.
    Quiet base{};
    {
        QWidget window;
        PaintWatch watch;
        watch.Watch([&] { return &window; });
        window.showMaximized();
        RunUntil([&] { return watch.Painted(); }, kWaitMs);
        RunFor(500);
        base = MeasureQuiet(seconds);
    }
    // The board after a question that ran long enough to beep, with the sound stream closed again.
    StartGame(1);
    int column = 0, index = 0;
    NextOpenSquare(column, index);
    play::ClickSquare(column, index);
    RunFor(1200);
    play::Reveal();
    play::Judge(true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Settle(Board);
    CheckPlay("a question before the idle board");
    RunFor(1500);
    const int running = tk::clock::RunningTimers();
    const Quiet ours = MeasureQuiet(seconds);
    const std::string span = Format(seconds, 0) + " s";
    PrintText("Idle board: timer / paint events to the game in " + span + " (running timers " +
                  std::to_string(running) + ")",
              std::to_string(ours.timers) + " / " + std::to_string(ours.paints),
              std::to_string(base.timers) + " / " + std::to_string(base.paints), "-", "0 / 0",
              ours.timers == 0 && ours.paints == 0 && running == 0);
    PrintText("Idle board: CPU time / wakeups in " + span + " (this harness)",
              Format(ours.cpuMs, 1) + " ms / " + std::to_string(ours.wakeups),
              Format(base.cpuMs, 1) + " ms / " + std::to_string(base.wakeups), "-",
              "no more than the empty window",
              ours.cpuMs <= base.cpuMs + 1 && ours.wakeups <= base.wakeups + 2);
    return 0;
}

}  // namespace bench
