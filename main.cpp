#include <QApplication>

#include "game/module1.h"
#include "toolkit/program.h"

int main(int argc, char** argv) {
    // The game takes nothing from its command line: only the program name reaches Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZAPSTER_APP_ID));
    return tk::Run(&Module1::Main);
}
