#include "toolkit/stage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "toolkit/displays.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

namespace tk {
namespace {

Stage* stage = nullptr;

}  // namespace

Stage& Stage::Get() {
    if (stage == nullptr) {
        stage = new Stage;
    }
    return *stage;
}

Stage* Stage::Existing() {
    return stage;
}

void Stage::Release() {
    delete stage;
    stage = nullptr;
}

void Stage::Adopt(Window* page) {
    if (!testAttribute(Qt::WA_WState_Created) && !testAttribute(Qt::WA_Resized)) {
        // The size the stage comes back to when the window manager lets go of its maximised state.
        resize(page->size());
    }
    page->setParent(this);
    // Hidden by the game's own choice: a page is shown only by its screen's Show.
    page->hide();
    page->setGeometry(rect());
}

void Stage::Present(Window* page) {
    // A hidden page is fitted to the stage only when it comes back, not on every change of size.
    page->setGeometry(rect());
    page->raise();
    page->show();
    RaiseOverlays();
    setWindowTitle(page->windowTitle());
    if (isHidden()) {
        // A stage whose window was given back still holds the maximised state of its old window,
        // and Qt would not ask for it again: the new window could come up at its normal size.
        // Starting from the normal state makes the request anew.
        if (!testAttribute(Qt::WA_WState_Created)) {
            setWindowState(windowState() & ~Qt::WindowMaximized);
        }
        setAttribute(Qt::WA_ShowWithoutActivating, Window::HostHasKeyboard());
        ShowMaximisedOn(this, DisplayOf(layout::Audience::Room));
    }
    if (!isActiveWindow() && !Window::HostHasKeyboard()) {
        raise();
        activateWindow();
    }
    GiveKeyboard(page);
}

void Stage::Overlay(Window* screen, bool show) {
    if (screen->parentWidget() != this) {
        screen->ownFlags_ = screen->windowFlags();
        screen->setParent(this);
        screen->hide();
    }
    PlaceOverlay(screen);
    if (!show) {
        return;
    }
    screen->raise();
    screen->show();
    if (!Window::HostHasKeyboard()) {
        GiveKeyboard(screen);
    }
}

void Stage::PlaceOverlay(Window* screen) {
    const QRect desktop = this->screen()->availableGeometry();
    screen->move(
        mapFromGlobal(desktop.center() - QPoint(screen->width() / 2, screen->height() / 2)));
}

void Stage::RaiseOverlays() {
    for (QObject* child : children()) {
        auto* screen = qobject_cast<Window*>(child);
        if (screen != nullptr && !screen->IsPage() && !screen->isHidden()) {
            screen->raise();
        }
    }
}

// What the window system does for a window it activates, done for a page turned to in a window
// that is active already: the keyboard goes to the widget of the page that last had it, or else
// to the first that takes it.
void Stage::GiveKeyboard(Window* page) {
    if (page->isAncestorOf(QApplication::focusWidget())) {
        return;  // the page itself or one of its widgets
    }
    const auto takes = [page](QWidget* widget) {
        return widget != nullptr && page->isAncestorOf(widget) && widget->isVisibleTo(page) &&
               widget->isEnabled();
    };
    QWidget* target = page->focusWidget();
    if (!takes(target)) {
        target = nullptr;
        for (QWidget* widget = page->nextInFocusChain(); widget != page && widget != this;
             widget = widget->nextInFocusChain()) {
            if ((widget->focusPolicy() & Qt::TabFocus) != 0 && takes(widget)) {
                target = widget;
                break;
            }
        }
    }
    (target != nullptr ? target : static_cast<QWidget*>(page))->setFocus(Qt::OtherFocusReason);
}

void Stage::Withdraw() {
    if (Window* top = Top()) {
        setWindowTitle(top->windowTitle());
    }
    if (!settling_) {
        settling_ = true;
        QMetaObject::invokeMethod(this, &Stage::Settle, Qt::QueuedConnection);
    }
}

void Stage::Settle() {
    settling_ = false;
    if (Top() == nullptr && Overlaid() == nullptr && !isHidden()) {
        hide();
        // A hidden window keeps a buffer as large as the display.
        destroy();
    }
}

void Stage::MoveToDisplay() {
    QScreen* room = DisplayOf(layout::Audience::Room);
    if (isHidden() || room == nullptr || LiesOn(this, room)) {
        return;
    }
    ShowMaximisedOn(this, room);
    if (Window* top = Top(); top != nullptr && !Window::HostHasKeyboard()) {
        raise();
        activateWindow();
        GiveKeyboard(top);
    }
}

Window* Stage::Top() const {
    const QObjectList& pages = children();
    for (auto it = pages.rbegin(); it != pages.rend(); ++it) {
        auto* page = qobject_cast<Window*>(*it);
        if (page != nullptr && page->IsPage() && !page->isHidden() && !page->Unloaded()) {
            return page;
        }
    }
    return nullptr;
}

Window* Stage::Overlaid() const {
    for (QObject* child : children()) {
        auto* screen = qobject_cast<Window*>(child);
        if (screen != nullptr && !screen->IsPage() && !screen->isHidden() && !screen->Unloaded()) {
            return screen;
        }
    }
    return nullptr;
}

void Stage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isVisible()) {
        return;  // a page is fitted when it is shown
    }
    for (QObject* child : children()) {
        auto* page = qobject_cast<Window*>(child);
        if (page != nullptr && page->IsPage() && !page->isHidden()) {
            page->setGeometry(rect());
        } else if (page != nullptr) {
            PlaceOverlay(page);
        }
    }
}

void Stage::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    for (QObject* child : children()) {
        auto* screen = qobject_cast<Window*>(child);
        if (screen != nullptr && !screen->IsPage()) {
            PlaceOverlay(screen);
        }
    }
}

void Stage::closeEvent(QCloseEvent* event) {
    // The frame's close box and the window manager's close mean the page on top was closed, or
    // the screen laid over the pages while it has the keyboard, as its own window would have.
    event->ignore();
    Window* top = Top();
    Window* over = Overlaid();
    const QWidget* focus = focusWidget();  // this window's, active or not
    if (over != nullptr && (over == focus || over->isAncestorOf(focus))) {
        top = over;
    }
    if (top != nullptr) {
        HandlerScope scope;
        top->OnCloseBox();
    }
}

void Stage::keyPressEvent(QKeyEvent* event) {
    // A key that came while no widget had the keyboard is the page's on top, as it would be in a
    // window of its own. One that a page or a screen laid over them had and did not take is not
    // sent to another: the Enter the board left alone must not press the game-over's button.
    Window* top = Top();
    if (top != nullptr && !isAncestorOf(QApplication::focusWidget())) {
        top->keyPressEvent(event);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace tk
