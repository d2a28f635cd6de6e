// The baseline of the benchmarks that watch a program from outside: the least a Qt Widgets program
// can show, one empty window, shown the way the game shows its screens.
//   empty_window [--title TEXT] [--size WIDTHxHEIGHT] [--maximised] [--switch | --pages]
// With --switch there are two such windows, and a click on the one shown hides it and shows the
// other: the limit of the game's clicks, had each screen a window of its own. With --pages the two
// are pages of one window instead, one hidden under the other, the way the game shows its
// maximised screens: the least a click can cost it.
#include <QApplication>
#include <QStyleFactory>
#include <QWidget>
#include <cstring>
#include <memory>
#include <vector>

namespace {

class Switching : public QWidget {
public:
    QWidget* other = nullptr;
    bool maximised = false;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (other == nullptr) {
            return;
        }
        hide();
        maximised ? other->showMaximized() : other->show();
        other->raise();
        other->activateWindow();
    }
};

// One window whose two pages fill it, one shown at a time.
class Host : public QWidget {
public:
    Switching page[2];

protected:
    void resizeEvent(QResizeEvent*) override {
        for (Switching& p : page) {
            p.setGeometry(rect());
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    QString title = QStringLiteral("Empty");
    QSize size(495, 334);
    bool maximised = false;
    bool switching = false;
    bool pages = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--title") == 0 && i + 1 < argc) {
            title = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            const QStringList parts = QString::fromLatin1(argv[++i]).split(QLatin1Char('x'));
            if (parts.size() == 2) {
                size = QSize(parts[0].toInt(), parts[1].toInt());
            }
        } else if (std::strcmp(argv[i], "--maximised") == 0) {
            maximised = true;
        } else if (std::strcmp(argv[i], "--switch") == 0) {
            switching = true;
        } else if (std::strcmp(argv[i], "--pages") == 0) {
            pages = true;
        }
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The game paints with Fusion; the baseline pays for the same style.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    if (pages) {
        Host window;
        window.setWindowTitle(title);
        window.resize(size);
        for (int i = 0; i < 2; ++i) {
            window.page[i].setParent(&window);
            window.page[i].other = &window.page[1 - i];
            window.page[i].setAutoFillBackground(true);
        }
        window.page[1].hide();
        maximised ? window.showMaximized() : window.show();
        return QApplication::exec();
    }
    // The second window exists only to switch to: the plain baseline is one window and no more.
    std::vector<std::unique_ptr<Switching>> windows;
    for (int i = switching ? 2 : 1; i > 0; --i) {
        windows.push_back(std::make_unique<Switching>());
        windows.back()->setWindowTitle(title);
        windows.back()->resize(size);
        windows.back()->maximised = maximised;
    }
    if (switching) {
        windows[0]->other = windows[1].get();
        windows[1]->other = windows[0].get();
    }
    maximised ? windows[0]->showMaximized() : windows[0]->show();
    return QApplication::exec();
}
