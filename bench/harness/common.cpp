#include "common.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>

#include "report.h"
#include "screens/board.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/timer.h"

namespace bench {

PaintWatch::PaintWatch() {
    qApp->installEventFilter(this);
}

PaintWatch::~PaintWatch() {
    qApp->removeEventFilter(this);
}

void PaintWatch::Watch(std::function<QWidget*()> which) {
    which_ = std::move(which);
    paintedAt_ = -1;
}

bool PaintWatch::eventFilter(QObject* object, QEvent* event) {
    if (!which_ || paintedAt_ >= 0) {
        return false;
    }
    QWidget* screen = which_();
    if (screen == nullptr) {
        return false;
    }
    if (delivering_) {
        paintSeen_ = paintSeen_ || (object == screen && event->type() == QEvent::Paint);
        return false;
    }
    QWidget* window = screen->window();
    const bool sync = (object == window && event->type() == QEvent::UpdateRequest) ||
                      (object == window->windowHandle() && event->type() == QEvent::Expose);
    if (!sync) {
        return false;
    }
    paintSeen_ = false;
    delivering_ = true;
    object->event(event);
    delivering_ = false;
    if (paintSeen_) {
        paintedAt_ = NowMs();
    }
    return true;
}

bool RunUntil(const std::function<bool()>& done, double timeoutMs) {
    // One guard timer bounds the wait; every event wakes the loop to look again.
    QTimer guard;
    guard.setObjectName(QStringLiteral("bench-guard"));
    guard.setSingleShot(true);
    guard.setTimerType(Qt::PreciseTimer);
    guard.start(std::max(1, static_cast<int>(timeoutMs)));
    while (!done()) {
        if (!guard.isActive()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void RunFor(double ms) {
    RunUntil([] { return false; }, ms);
}

ClickTimes PlayEmptyPages(int questions) {
    PaintWatch watch;
    ClickTimes times;
    QWidget window;
    QWidget board(&window);
    QPushButton square(&board);
    square.setGeometry(100, 100, 120, 60);
    std::unique_ptr<QWidget> question;
    QObject::connect(&square, &QPushButton::clicked, [&] {
        question = std::make_unique<QWidget>(&window);
        question->setGeometry(window.rect());
        auto* button = new QPushButton(question.get());
        button->setGeometry(100, 100, 120, 60);
        QObject::connect(button, &QPushButton::clicked, [&] {
            question->hide();
            question.release()->deleteLater();
            board.show();
        });
        board.hide();
        question->show();
    });
    watch.Watch([&] { return &board; });
    window.showMaximized();
    WaitPainted(watch, "baseline window");
    board.setGeometry(window.rect());
    for (int q = 0; q < questions; ++q) {
        QWidget* shown = nullptr;
        watch.Watch([&] { return question.get(); });
        double start = NowMs();
        Click(square);
        times.toQuestion.push_back(WaitPainted(watch, "baseline question") - start);
        shown = question.get();
        watch.Watch([&] { return &board; });
        start = NowMs();
        Click(*shown->findChild<QPushButton*>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        times.toBoard.push_back(WaitPainted(watch, "baseline board") - start);
    }
    return times;
}

void NewGameOnRealClock(std::uint64_t seed, PaintWatch& watch) {
    FreshProgram(seed);
    tk::clock::UseReal();
    watch.Watch(IfLoaded<BoardScreen>);
    play::NewGame();
    CheckPlay("a new game");
    WaitPainted(watch, "board");
}

void Click(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, widget.rect().center());
}

double WaitPainted(PaintWatch& watch, const char* screen) {
    constexpr double kWaitMs = 5000;
    if (!RunUntil([&] { return watch.Painted(); }, kWaitMs)) {
        Fail(std::string("the ") + screen + " was never painted");
    }
    return watch.PaintedAt();
}

namespace {

long StatusKb(const std::string& path, const std::string& key) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::stol(line.substr(key.size() + 1));
        }
    }
    return -1;
}

}  // namespace

long RssKb() {
    return StatusKb("/proc/self/status", "VmRSS");
}

long PeakRssKb() {
    return StatusKb("/proc/self/status", "VmHWM");
}

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000 + double(t.tv_nsec) / 1e6;
}

long Wakeups() {
    long total = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        total += StatusKb((task.path() / "status").string(), "voluntary_ctxt_switches") +
                 StatusKb((task.path() / "status").string(), "nonvoluntary_ctxt_switches");
    }
    return total;
}

bool NextOpenSquare(int& column, int& index) {
    BoardScreen& board = BoardScreen::Get();
    for (column = 1; column <= 5; ++column) {
        for (index = 0; index < 6; ++index) {
            if (board.squares[column - 1][index].isEnabled()) {
                return true;
            }
        }
    }
    return false;
}

void Fail(const std::string& message) {
    std::fprintf(stderr, "zapster_bench: %s\n", message.c_str());
    std::exit(1);
}

void CheckPlay(const char* step) {
    if (QTest::currentTestFailed()) {
        Fail(std::string("the game did not play as expected: ") + step);
    }
}

}  // namespace bench
