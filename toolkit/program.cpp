#include "toolkit/program.h"

#include <malloc.h>
#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <algorithm>
#include <vector>

#include "toolkit/beep.h"
#include "toolkit/stage.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

namespace tk {
namespace {

int depth = 0;
bool ended = false;
bool started = false;    // set once the entry procedure has run: before it, no screen is normal
bool eventLoop = false;  // true in the real program, where ending must also leave Qt's loop
std::vector<Window*> loaded;
// Screens made ahead of their first reference and not yet taken by it.
std::vector<QPointer<Window>> madeAhead;
std::function<void(Window*)> tieScreen;

// The stage goes with its last page, not later: Qt's event loop, which would hide it, is left.
void HideStage() {
    if (Stage* stage = Stage::Existing()) {
        stage->hide();
    }
}

void CheckEnd() {
    if (depth == 0 && started && !ended && loaded.empty()) {
        ended = true;
        HideStage();
    }
    if (ended && eventLoop) {
        QCoreApplication::exit(0);
    }
}

}  // namespace

HandlerScope::HandlerScope() {
    ++depth;
}

HandlerScope::~HandlerScope() {
    if (--depth == 0) {
        CheckEnd();
    }
}

bool InHandler() {
    return depth > 0;
}

void End() {
    // Copy first: unloading removes each screen from the list.
    const std::vector<Window*> screens = loaded;
    for (Window* screen : screens) {
        screen->UnloadScreen();
    }
    ended = true;
    HideStage();
    if (eventLoop) {
        QCoreApplication::exit(0);
    }
}

bool ProgramEnded() {
    return ended;
}

void PrepareProcess() {
    // Large blocks (a screen's picture as large as the display, a saved game's text) go back to
    // the system as soon as they are freed. The C library would otherwise raise its bar for such
    // blocks to the size of any larger one freed and serve every later block under it from the
    // heap, which keeps what it once held. Setting the bar to its starting value ends that moving.
    static constexpr int kLargeBlock = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
}

int Run(void (*entry)()) {
    PrepareProcess();
    QApplication::setQuitOnLastWindowClosed(false);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        // Fusion honours the flat button colours on every desktop.
        QApplication::setStyle(fusion);
    }
    clock::UseReal();
    PrepareBeep();
    eventLoop = true;
    {
        HandlerScope scope;
        started = true;
        entry();
    }
    if (ended) {
        return 0;
    }
    return QApplication::exec();
}

void OnScreenLoaded(std::function<void(Window*)> tie) {
    tieScreen = std::move(tie);
}

void MoveToDisplays() {
    for (Window* screen : loaded) {
        screen->MoveToDisplay();
    }
    if (Stage* stage = Stage::Existing()) {
        stage->MoveToDisplay();
    }
}

int LoadedScreenCount() {
    return static_cast<int>(loaded.size());
}

bool AnyScreenVisible() {
    return std::any_of(loaded.begin(), loaded.end(), [](Window* f) { return f->isVisible(); });
}

void ResetProgram() {
    const std::vector<Window*> screens = loaded;
    for (Window* screen : screens) {
        screen->UnloadScreen();
    }
    for (const QPointer<Window>& screen : madeAhead) {
        delete screen.data();
    }
    madeAhead.clear();
    // Without an event loop nothing else delivers what the screens posted (deferred deletes,
    // layout and paint requests); left queued, they would slow every later game down.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Stage::Release();
    ended = false;
    started = false;
    depth = 0;
}

namespace detail {

void ScreenLoaded(Window* screen) {
    loaded.push_back(screen);
    started = true;
    if (tieScreen) {
        tieScreen(screen);
    }
}

void MadeAhead(Window* screen) {
    madeAhead.erase(std::remove(madeAhead.begin(), madeAhead.end(), nullptr), madeAhead.end());
    madeAhead.emplace_back(screen);
}

void TakenAhead(Window* screen) {
    madeAhead.erase(std::remove(madeAhead.begin(), madeAhead.end(), screen), madeAhead.end());
}

void ScreenUnloaded(Window* screen) {
    loaded.erase(std::remove(loaded.begin(), loaded.end(), screen), loaded.end());
    if (depth == 0) {
        CheckEnd();
    }
}

}  // namespace detail
}  // namespace tk
