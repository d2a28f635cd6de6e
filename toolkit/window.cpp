#include "toolkit/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

#include "toolkit/displays.h"
#include "toolkit/look.h"
#include "toolkit/stage.h"
#include "toolkit/timer.h"
#include "toolkit/widgets.h"

namespace tk {

Window::Window() : QWidget(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Window::~Window() {
    for (Timer* timer : timers_) {
        timer->Detach();
    }
}

void Window::ShowScreen() {
    if (unloaded_) {
        return;
    }
    if (IsPage()) {
        Stage::Get().Present(this);
        return;
    }
    if (overStage_ && Stage::Existing() != nullptr && Stage::Existing()->isVisible()) {
        Stage::Get().Overlay(this);
        return;
    }
    if (parentWidget() != nullptr) {
        // Laid over a stage that has gone since: a window of its own again.
        setParent(nullptr, ownFlags_);
        PlaceWindow(this, look_->window);
    }
    const bool keepKeyboard =
        look_ != nullptr && look_->window.audience == layout::Audience::Room && HostHasKeyboard();
    setAttribute(Qt::WA_ShowWithoutActivating, keepKeyboard);
    if (maximised_) {
        ShowMaximisedOn(this, DisplayOf(look_->window.audience));
    } else {
        show();
    }
    raise();
    if (!keepKeyboard) {
        activateWindow();
    }
}

bool Window::HostHasKeyboard() {
    const auto* active = qobject_cast<const Window*>(QApplication::activeWindow());
    return active != nullptr && active->maximised_ && !active->IsPage() && active->isVisible();
}

void Window::MoveToDisplay() {
    if (unloaded_ || IsPage() || IsOverlay() || isHidden() || look_ == nullptr) {
        return;
    }
    if (maximised_) {
        ShowMaximisedOn(this, DisplayOf(look_->window.audience));
    } else if (!LiesOn(this, DisplayOf(look_->window.audience))) {
        PlaceWindow(this, look_->window);
    }
}

namespace {

class PaintThen final : public QObject {
public:
    PaintThen(QWidget& widget, std::function<void()> then)
        : QObject(&widget), then_(std::move(then)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), std::move(then_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void AfterNextPaint(QWidget& widget, std::function<void()> then) {
    new PaintThen(widget, std::move(then));
}

bool Window::IsOverlay() const {
    return parentWidget() != nullptr && parentWidget() == Stage::Existing();
}

void Window::Rehearse() {
    // A page has the stage's window, already up.
    if (IsPage() || isVisible() || unloaded_) {
        return;
    }
    if (overStage_ && Stage::Existing() != nullptr && Stage::Existing()->isVisible()) {
        // Laid over the stage, hidden, and painted twice where nobody sees it.
        Stage::Get().Overlay(this, false);
        QImage rehearsal(size(), QImage::Format_ARGB32_Premultiplied);
        render(&rehearsal);
        render(&rehearsal);
        return;
    }
    setAttribute(Qt::WA_DontShowOnScreen);
    show();
    // Twice: large captions painted again unchanged are kept as pictures (see TextPicture).
    repaint();
    repaint();
    hide();
    setAttribute(Qt::WA_DontShowOnScreen, false);
}

void Window::HideScreen() {
    if (unloaded_) {
        return;
    }
    hide();
    if (IsPage() || IsOverlay()) {
        Stage::Get().Withdraw();
        return;
    }
    // The window system keeps a hidden window's buffer: over a megabyte for the setup screen,
    // hidden for the whole game. A hidden screen gives its window back and gets a new one, in the
    // same place, when it is shown again, as a newly loaded screen does. Only once control is back
    // in the event loop: the handler that hides the screen may be running on one of its widgets.
    QTimer::singleShot(0, this, &Window::ReleaseWindow);
}

void Window::ReleaseWindow() {
    if (!unloaded_ && isHidden() && testAttribute(Qt::WA_WState_Created)) {
        destroy();
    }
}

void Window::UnloadScreen() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    for (Timer* timer : timers_) {
        timer->Stop();
    }
    hide();
    if (IsPage() || IsOverlay()) {
        Stage::Get().Withdraw();
    }
    // A click or key already queued for this window must not reach the game after it is gone.
    blockSignals(true);
    for (QObject* child : findChildren<QObject*>()) {
        child->blockSignals(true);
    }
    Forget();
    // The handler that unloads a screen may be running on one of its widgets, so the widgets are
    // deleted only once control is back in the event loop.
    deleteLater();
    detail::ScreenUnloaded(this);
}

void Window::SetBackColor(const QColor& color) {
    backColor_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

void Window::LayWindow(const layout::Screen& look) {
    look_ = &look;
    maximised_ = look.window.maximised;
    ApplyWindow(this, look.window);
    if (IsPage()) {
        Stage::Get().Adopt(this);
    }
}

void Window::Lay(QWidget* widget, layout::Widget role, int index) {
    const layout::Row& row = layout::Find(*look_, role, index);
    laid_.emplace_back(widget, &row);
    ApplyRow(widget, row);
    if (row.parent == layout::Widget::none) {
        extent_ = extent_.expandedTo(QSize(row.left + row.width, row.top + row.height));
    }
}

void Window::FitTo(QSize client) {
    if (!maximised_ || extent_.isEmpty()) {
        return;
    }
    const double across = double(client.width()) / Pixels(extent_.width());
    const double down = double(client.height()) / Pixels(extent_.height());
    const double scale = std::max(1.0, std::min(across, down));
    const QPoint offset(scale > 1.0 ? (client.width() - Pixels(extent_.width(), scale)) / 2 : 0, 0);
    scale_ = scale;
    for (const auto& [widget, row] : laid_) {
        PlaceRow(widget, *row, scale, row->parent == layout::Widget::none ? offset : QPoint());
    }
}

void Window::ScaleFixed(double factor) {
    if (maximised_ || look_ == nullptr) {
        return;
    }
    scale_ = std::max(1.0, factor);
    const layout::Window& window = look_->window;
    setFixedSize(Pixels(window.clientWidth, scale_), Pixels(window.clientHeight, scale_));
    for (const auto& [widget, row] : laid_) {
        PlaceRow(widget, *row, scale_, QPoint());
    }
    if (IsOverlay()) {
        Stage::Get().PlaceOverlay(this);
    } else if (window.placement == layout::Placement::Centred) {
        PlaceWindow(this, window);
    }
}

void Window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitTo(size());
}

void Window::RemoveTimer(Timer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void Window::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    Button* target = enter ? defaultButton_ : escape ? cancelButton_ : nullptr;
    if (target != nullptr && !unloaded_) {
        event->accept();
        target->click();
        return;
    }
    if (event->matches(QKeySequence::Undo) && !unloaded_) {
        event->accept();
        HandlerScope scope;
        OnUndo();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Window::closeEvent(QCloseEvent* event) {
    // The toolkit never closes its windows itself (it hides and unloads them), so a close event
    // comes from the window frame or the window manager: the screen decides what that means.
    event->ignore();
    if (!unloaded_) {
        HandlerScope scope;
        OnCloseBox();
    }
}

}  // namespace tk
