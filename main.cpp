#include <QApplication>

#include "game/save.h"
#include "layout/layout.h"
#include "screens/flow.h"
#include "toolkit/fontwarmup.h"
#include "toolkit/language.h"
#include "toolkit/program.h"

int main(int argc, char** argv) {
    // The title screen comes first; its fonts are readied while Qt starts.
    tk::FontWarmUp fontWarmUp(layout::kTitle);
    // The game takes only `--lang xx` from its command line, and reads it itself: only the
    // program name reaches Qt.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    fontWarmUp.ApplicationReady();
    // The room's language, or the one asked for, before the first screen says anything.
    tk::UseAskedOrDesktopLanguage(tk::LanguageAsked(arguments));
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZAPSTER_APP_ID));
    const int status = tk::Run(&flow::StartProgram);
    // The last save reaches the disk before the program goes.
    game::save::Close();
    fontWarmUp.Finish();
    return status;
}
