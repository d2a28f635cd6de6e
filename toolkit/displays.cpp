#include "toolkit/displays.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace tk {
namespace {

QPointer<QScreen> roomDisplay, hostDisplay;

// What the setup says of the displays, in the room's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Displays)
};
std::function<void()> onChanged;

// The name the desktop gives a display, with its size: two displays may share a name.
QString NameOf(const Display& display) {
    return Texts::tr("%1 (%2x%3)")
        .arg(display.name.isEmpty() ? Texts::tr("display") : display.name)
        .arg(display.area.width())
        .arg(display.area.height());
}

// The display changes of one plug arrive as several signals; the plan is made anew once.
void ChangedSoon() {
    static bool due = false;
    if (!due && onChanged) {
        due = true;
        QTimer::singleShot(0, qApp, [] {
            due = false;
            if (onChanged) {
                onChanged();
            }
        });
    }
}

void Watch(QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, qApp, &ChangedSoon);
}

}  // namespace

DisplayPlan PlanDisplays(const std::vector<Display>& displays, HostChoice choice) {
    DisplayPlan plan;
    // The displays that show a picture of their own: of those that show the same area, the
    // primary one, or else the first.
    std::vector<int> pictures;
    for (int i = 0; i < int(displays.size()); ++i) {
        const auto same = std::ranges::find_if(pictures, [&](int kept) {
            const Display &a = displays[std::size_t(kept)], &b = displays[std::size_t(i)];
            return a.area == b.area && a.desktop == b.desktop;
        });
        if (same == pictures.end()) {
            pictures.push_back(i);
        } else if (displays[std::size_t(i)].primary) {
            *same = i;
        }
    }
    const auto primary =
        std::ranges::find_if(pictures, [&](int i) { return displays[std::size_t(i)].primary; });
    const int laptop = primary != pictures.end() ? *primary : pictures.empty() ? 0 : pictures[0];
    plan.room = plan.host = laptop;
    if (pictures.size() < 2) {
        plan.mode = displays.size() < 2
                        ? Texts::tr(
                              "No host window: there is one display, and the room sees "
                              "everything on it.")
                        : Texts::tr(
                              "No host window: the displays show the same picture, and "
                              "the room would see the answers.");
        return plan;
    }
    const int projector = *std::ranges::find_if(pictures, [&](int i) { return i != laptop; });
    plan.room = choice == HostChoice::Swapped ? laptop : projector;
    plan.host = choice == HostChoice::Swapped ? projector : laptop;
    plan.hostWindow = choice != HostChoice::Off;
    const QString room = NameOf(displays[std::size_t(plan.room)]);
    const QString host = NameOf(displays[std::size_t(plan.host)]);
    plan.mode =
        plan.hostWindow
            ? Texts::tr("Two displays: the room's screens on %1, the host window on %2.")
                  .arg(room, host)
            : Texts::tr("No host window: turned off for this game; the room's screens on %1.")
                  .arg(room);
    return plan;
}

std::vector<Display> CurrentDisplays() {
    std::vector<Display> displays;
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        // A desktop is told by the first of its displays.
        const QList<QScreen*> siblings = screen->virtualSiblings();
        int desktop = int(screens.indexOf(screen));
        for (QScreen* sibling : siblings) {
            desktop = std::min(desktop, int(screens.indexOf(sibling)));
        }
        displays.push_back({screen->name(), screen->geometry(), screen == primary, desktop});
    }
    return displays;
}

void UseDisplays(const DisplayPlan& plan) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto at = [&](int i) { return i < screens.size() ? screens[i] : nullptr; };
    roomDisplay = at(plan.room);
    hostDisplay = at(plan.host);
}

QScreen* DisplayOf(layout::Audience audience) {
    QScreen* chosen = audience == layout::Audience::Room ? roomDisplay : hostDisplay;
    return chosen != nullptr ? chosen : QGuiApplication::primaryScreen();
}

bool LiesOn(const QWidget* window, const QScreen* display) {
    // A window whose display was unplugged is handed to another one, where it may lie outside.
    return display != nullptr && window->screen() == display &&
           display->geometry().contains(window->geometry().center());
}

void ShowMaximisedOn(QWidget* window, QScreen* display) {
    if (display != nullptr && !LiesOn(window, display)) {
        window->hide();
        window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
        window->setScreen(display);
        window->move(display->availableGeometry().topLeft());
    }
    window->showMaximized();
}

void OnDisplaysChanged(std::function<void()> changed) {
    static const bool watching = [] {
        for (QScreen* screen : QGuiApplication::screens()) {
            Watch(screen);
        }
        QObject::connect(qApp, &QGuiApplication::screenAdded, qApp, [](QScreen* screen) {
            Watch(screen);
            ChangedSoon();
        });
        QObject::connect(qApp, &QGuiApplication::screenRemoved, qApp, &ChangedSoon);
        QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, qApp, &ChangedSoon);
        return true;
    }();
    Q_UNUSED(watching);
    onChanged = std::move(changed);
}

}  // namespace tk
