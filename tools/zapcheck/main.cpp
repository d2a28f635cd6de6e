// zapcheck: tells the writer of a category file what the game will load from it.
//
// It reads and writes files and prints text, and never opens a window: to measure how large the
// game draws a text it starts Qt's graphics on the offscreen platform, and only for that.

#include "check.h"
#include "csv.h"
#include "toolkit/language.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

constexpr const char* kUsage = QT_TRANSLATE_NOOP("zapcheck",
                                                 R"(Usage: zapcheck FILE...
       zapcheck --from-csv [--force] IN.csv OUT.zap

Reads each category file exactly as Zapster does and reports how many complete
13-line blocks it holds, which category slots they fill (block 1 is round 1
column 1, block 6 round 2 column 1, ...), each block's title, the line ends
and text encoding, then every problem and warning as "file:line: ...".

A question or answer line whose first two characters are both letters or
both digits ("What...", "1984") is taken to lack its tag: the game would cut
those two characters off. Blank lines after the last block are ignored.

A title or question so long that the game must draw it below two thirds of
its full size to fit its box (measured with the game's fonts on a screen of the
board's design size, 777x545 pixels; a larger screen scales everything alike)
gets a warning: shorter reads better from the back of the room.

Exit status: 0 when every file is sound (warnings allowed), 1 when a file has a
problem (it cannot be read, a block is incomplete, a question or answer line is
shorter than its two-character tag), 2 on a usage error.

--from-csv   turn a spreadsheet export into a category file: one row per
             question with the columns title, question, answer; six rows per
             category, the title on the first of them (the other five may
             repeat it or leave it empty). Separator comma, semicolon or tab
             (whichever gives the most rows three columns); UTF-8 text; a first
             row whose question and answer cells read "Question" and "Answer"
             is taken as a header and skipped; empty rows are skipped.
             Nothing is written unless the whole sheet converts.
--force      with --from-csv: replace OUT.zap if it exists
--lang XX    messages in language XX (de, es, fr, nl); otherwise the
             desktop's, as the game does
--help       show this text
)");

int UsageError(QTextStream& err, const QString& text) {
    err << "zapcheck: " << text << '\n' << Texts::tr("Try 'zapcheck --help'.") << '\n';
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    // Qt's application object measures the game's fonts without a display and carries the
    // translation; it is given none of the tool's own arguments, which are read below.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        // File names are bytes; decode them the way QFile will encode them again.
        arguments << QFile::decodeName(argv[i]);
    }
    tk::UseAskedOrDesktopLanguage(tk::LanguageAsked(arguments));

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool fromCsv = false;
    bool force = false;
    bool optionsEnded = false;
    QStringList files;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == u"-") {
            files << arg;
        } else if (arg == u"--") {
            optionsEnded = true;
        } else if (arg == u"--help" || arg == u"-h") {
            out << Texts::tr(kUsage);
            return 0;
        } else if (arg == u"--from-csv") {
            fromCsv = true;
        } else if (arg == u"--lang" && i + 1 < arguments.size()) {
            ++i;  // its language is in use already
        } else if (arg.startsWith(u"--lang=")) {
            // in use already
        } else if (arg == u"--force") {
            force = true;
        } else {
            return UsageError(err, Texts::tr("unknown option '%1'").arg(arg));
        }
    }
    if (fromCsv) {
        if (files.size() != 2) {
            return UsageError(err, Texts::tr("--from-csv takes IN.csv and OUT.zap"));
        }
        return ConvertCsv(files[0], files[1], force, out);
    }
    if (force) {
        return UsageError(err, Texts::tr("--force goes only with --from-csv"));
    }
    if (files.isEmpty()) {
        return UsageError(err, Texts::tr("no category file named"));
    }
    bool sound = true;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (i > 0) {
            out << '\n';
        }
        sound = CheckCategoryFile(files[i], out) && sound;
    }
    return sound ? 0 : 1;
}
