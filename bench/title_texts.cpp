// The second baseline of start-up: the least a Qt Widgets program does to show the title screen's
// texts, each in the title screen's face and size and in its place, in a window of the title's
// size and name. No game, no screens of the toolkit, no font warm-up: what any program that shows
// those texts must pay.
//   title_texts
#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QWidget>

#include "layout/layout.h"
#include "toolkit/textfit.h"

int main(int argc, char** argv) {
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    const layout::Screen& title = layout::kTitle;
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(title.window.title.data(), title.window.title.size()));
    window.setFixedSize(tk::Pixels(title.window.clientWidth),
                        tk::Pixels(title.window.clientHeight));
    for (const layout::Row& row : title.rows) {
        if (row.caption.empty() || (row.style & layout::kHidden) != 0) {
            continue;
        }
        auto* label =
            new QLabel(QString::fromUtf8(row.caption.data(), row.caption.size()), &window);
        label->setFont(tk::FontOf(row.font, row.style));
        label->setWordWrap(true);
        label->setGeometry(tk::Pixels(row.left), tk::Pixels(row.top), tk::Pixels(row.width),
                           tk::Pixels(row.height));
    }
    window.show();
    return QApplication::exec();
}
