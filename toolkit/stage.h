#pragma once

#include <QWidget>

namespace tk {

class Window;

// The one maximised window of the game, whose pages are the maximised screens: the board, the
// question and the answer take turns to fill it. Turning to a page of a window that is already up
// costs one repaint. Handing the screen to a window of its own would cost the window manager a
// map, a frame and a maximise for every question and every judgement: more than a frame of the
// projector, and the room sees the desktop flash between them.
class Stage : public QWidget {
public:
    static Stage& Get();
    // The stage, if a maximised screen has ever been loaded.
    static Stage* Existing();
    // Deletes the stage once every page is gone, for harnesses that play game after game.
    static void Release();

    // Makes a newly created maximised screen a page of the stage, hidden.
    void Adopt(Window* page);
    // Puts `page` on top and makes sure the stage is up and has the keyboard.
    void Present(Window* page);
    // Lays a screen of fixed size over the pages, centred where it would be as a window of its
    // own, in front of every page from then on; with `show`, shows it there with the keyboard.
    void Overlay(Window* screen, bool show = true);
    void PlaceOverlay(Window* screen);
    // A page was hidden or unloaded. Once control is back in the event loop, a stage with no page
    // left to show goes, and gives its window back; not before, as the handler that hid one page
    // usually shows another next.
    void Withdraw();
    // A shown stage goes to the room's display, if it is not there.
    void MoveToDisplay();
    // The page the room sees: the last one put on top that is still shown.
    Window* Top() const;
    // The screen laid over the pages and shown, if there is one.
    Window* Overlaid() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Stage() = default;
    void Settle();
    // Screens laid over the pages go back in front of them.
    void RaiseOverlays();
    void GiveKeyboard(Window* page);

    bool settling_ = false;
};

}  // namespace tk
