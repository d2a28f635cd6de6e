#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "layout/layout.h"
#include "toolkit/program.h"

namespace tk {

class Button;
class Stage;
class Timer;

// One screen of the game that exists at most once. Screens are created on their first reference,
// hidden when they are to come back with their state, and unloaded when they are done. A screen
// of fixed size is a window of its own; a maximised screen is a page of the stage, the one
// maximised window that the board, the questions and the answers take turns to fill.
class Window : public QWidget {
    Q_OBJECT

public:
    ~Window() override;

    void ShowScreen();    // modeless: the calling handler goes on at once
    void HideScreen();    // keeps every widget's state
    void UnloadScreen();  // destroys the screen's state; its timers stop at once
    bool Unloaded() const { return unloaded_; }
    // A shown window of its own goes to its audience's display, if it is not there.
    void MoveToDisplay();
    // While the host's window has the keyboard, the room's screens come and go without taking it:
    // the moderator keeps playing from the keys.
    static bool HostHasKeyboard();

    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& color);

    // Enter presses the default button and Escape the cancel button, wherever the focus is.
    void SetDefaultButton(Button* button) { defaultButton_ = button; }
    void SetCancelButton(Button* button) { cancelButton_ = button; }

    // Builds the screen from its layout: the window's style first, then each widget from its row.
    void LayWindow(const layout::Screen& look);
    // A screen of fixed size for the room, shown while the room's maximised screens are up, is
    // laid over them in their window, where it stays in front of them and the room can never
    // lose it; it is centred where it would be as a window of its own. No new window has to be
    // mapped for it, which costs a 4K display's server tens of milliseconds.
    void LayOverStage() { overStage_ = true; }
    void Lay(QWidget* widget, layout::Widget role, int index = -1);
    const layout::Screen& Look() const { return *look_; }

    // A maximised screen fills any display: its whole layout is scaled up by one factor, never
    // below 1, and centred across the width. On the design size or smaller every widget sits
    // exactly where the layout puts it.
    void FitTo(QSize client);
    double Scale() const { return scale_; }
    // A window of fixed size grows by `factor` (at least 1) with all it holds, and a centred one
    // is centred again: a dialog over a scaled-up board must be read from as far away.
    void ScaleFixed(double factor);
    // Shows the screen once where nobody sees it, so that it is laid out, given its window and
    // painted, then hides it again keeping all of that: its first real showing then costs a
    // repaint, not a new window's first map and paint (tens of milliseconds on a 4K display).
    void Rehearse();
    // Every widget built from the layout, with its row.
    const std::vector<std::pair<QWidget*, const layout::Row*>>& Laid() const { return laid_; }

protected:
    Window();

    // Runs once, right after the screen is created by its first reference.
    virtual void OnLoad() {}
    // Ctrl+Z, the desktop's undo key, pressed on the screen.
    virtual void OnUndo() {}
    // The window's close box: a screen is unloaded unless it decides otherwise.
    virtual void OnCloseBox() { UnloadScreen(); }
    // Clears the screen's own "loaded" reference so that the next reference creates it afresh.
    virtual void Forget() = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    template <class T>
    friend class Screen;

private:
    friend class Stage;
    friend class Timer;
    void AddTimer(Timer* timer) { timers_.push_back(timer); }
    void ReleaseWindow();
    // The room's maximised screens share its one window; the host's is a window of its own.
    bool IsPage() const { return maximised_ && look_->window.audience == layout::Audience::Room; }
    // Laid over the stage's pages now, in the stage's window.
    bool IsOverlay() const;
    void RemoveTimer(Timer* timer);

    QColor backColor_;
    const layout::Screen* look_ = nullptr;
    bool maximised_ = false;
    bool overStage_ = false;
    Qt::WindowFlags ownFlags_;  // as a window of its own
    double scale_ = 1.0;
    QSize extent_;  // twips: the right and bottom edges of the widgets lying on the window
    std::vector<std::pair<QWidget*, const layout::Row*>> laid_;
    std::vector<Timer*> timers_;
    Button* defaultButton_ = nullptr;
    Button* cancelButton_ = nullptr;
    bool unloaded_ = false;
};

// Runs `then` once `widget` has been painted and control is back in the event loop: work that
// can wait for a moment when the room has its picture and the moderator is reading it.
void AfterNextPaint(QWidget& widget, std::function<void()> then);

// The screen class T (derived as `class T : public tk::Screen<T>`) exists at most once. Any
// reference through Get() creates it, runs its load handler before the referring statement goes on
// and leaves it hidden. Hide and Unload do nothing to a screen that is not loaded: closing a screen
// never creates it just to close it again.
template <class T>
class Screen : public Window {
public:
    static T& Get() {
        if (instance_ == nullptr) {
            T* screen = ahead_ != nullptr ? ahead_.data() : new T;
            ahead_.clear();
            detail::TakenAhead(screen);
            instance_ = screen;
            detail::ScreenLoaded(screen);
            HandlerScope scope;
            static_cast<Window*>(screen)->OnLoad();
        }
        return *instance_;
    }
    static bool Loaded() { return instance_ != nullptr; }
    // Makes the screen ahead of its first reference, readied by `prepare` as that reference will
    // want it, and rehearses its showing. It is not loaded: its first reference takes it as it is.
    // Made again if `prepare` is given another `look` than last time (the factor it is scaled by).
    template <class Prepare>
    static void MakeAhead(double look, Prepare prepare) {
        if (instance_ != nullptr || (ahead_ != nullptr && aheadLook_ == look)) {
            return;
        }
        delete ahead_.data();
        ahead_ = new T;
        aheadLook_ = look;
        detail::MadeAhead(ahead_);
        prepare(*ahead_);
        ahead_->Rehearse();
    }
    static void Show() { Get().ShowScreen(); }
    static void Hide() {
        if (instance_ != nullptr) {
            instance_->HideScreen();
        }
    }
    static void Unload() {
        if (instance_ != nullptr) {
            instance_->UnloadScreen();
        }
    }

protected:
    void Forget() override {
        if (instance_ == this) {
            instance_ = nullptr;
        }
    }

private:
    inline static T* instance_ = nullptr;
    inline static QPointer<T> ahead_;
    inline static double aheadLook_ = 0;
};

}  // namespace tk
