// The baseline of the benchmarks that watch a program from outside: the least a Qt Widgets program
// can show, one empty window, shown the way the game shows its screens.
//   empty_window [--title TEXT] [--size WIDTHxHEIGHT] [--maximised]
#include <QApplication>
#include <QStyleFactory>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QString title = QStringLiteral("Empty");
    QSize size(495, 334);
    bool maximised = false;
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
        }
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The game paints with Fusion; the baseline pays for the same style.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QWidget window;
    window.setWindowTitle(title);
    window.resize(size);
    if (maximised) {
        window.showMaximized();
    } else {
        window.show();
    }
    return QApplication::exec();
}
