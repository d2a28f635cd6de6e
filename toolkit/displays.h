#pragma once

#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "layout/layout.h"

class QScreen;
class QWidget;

// Which display each of the game's two audiences uses: the room (the board and the question, the
// answer and the game-over screens, on the projector) and the host (the title, the setup and the
// host's own window, on the laptop). With one picture for everybody, both use the same display
// and there is no host window, so that no answer can reach the room before its time.
namespace tk {

// One display of the desktop, as the game sees it.
struct Display {
    QString name;
    QRect area;  // on its desktop, in that desktop's coordinates
    bool primary = false;
    int desktop = 0;  // displays of one desktop share it; two X screens are two desktops
};

// The moderator's choice, for this game, when two displays show different pictures.
enum class HostChoice { Apart, Swapped, Off };

struct DisplayPlan {
    int room = 0, host = 0;  // indexes into the displays planned for
    bool hostWindow = false;
    QString mode;  // one line that says which mode the game is in, and why

    bool operator==(const DisplayPlan&) const = default;
};

// Plain rules over the displays: two displays of one desktop showing the same area are one picture
// (mirrored);
// the room takes the first display that is not the primary one (where a laptop's projector
// usually is), the host the primary one, unless the moderator swapped them or turned the host
// window off.
DisplayPlan PlanDisplays(const std::vector<Display>& displays, HostChoice choice);

// The desktop's displays now, in Qt's order.
std::vector<Display> CurrentDisplays();

// Sends each audience's windows to its display from now on; windows already shown move there.
void UseDisplays(const DisplayPlan& plan);
// The display of an audience; the primary one until a plan is used, or when its display is gone.
QScreen* DisplayOf(layout::Audience audience);

// Whether a window lies on `display`.
bool LiesOn(const QWidget* window, const QScreen* display);
// Shows a window maximised on `display`, moving it there first if it lies on another one: a window
// manager maximises a window on the display it lies on, and only from its normal state.
void ShowMaximisedOn(QWidget* window, QScreen* display);

// Called, once control is back in the event loop, whenever a display is plugged in or out or
// changes its place or size, so that the plan can be made anew.
void OnDisplaysChanged(std::function<void()> changed);

}  // namespace tk
