#include "support/harness.h"

#include <QTextLayout>
#include <cstdlib>

#include "game/save.h"
#include "toolkit/beep.h"
#include "toolkit/program.h"
#include "toolkit/random.h"
#include "toolkit/timer.h"

namespace {
// The offscreen platform cannot raise windows, and a headless machine has no sound server;
// saying so for every shown screen and every run is only noise.
QtMessageHandler previous = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise")) ||
        message.contains(QLatin1String("pa_context_connect"))) {
        return;
    }
    previous(type, context, message);
}
}  // namespace

void FreshProgram(std::uint64_t seed) {
    static const bool quiet = [] {
        previous = qInstallMessageHandler(QuietHandler);
        return true;
    }();
    Q_UNUSED(quiet);
    // Games of tests are saved in a folder of the test's own, and a fresh program finds none. It is
    // in memory where the machine has that: a save waits for the disk, and a soak saves a lot.
    static QTemporaryDir stateHome(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/zapster-test-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/zapster-test-XXXXXX"));
    // The game's hold on that folder goes before the folder does, at the end of the test.
    static const bool closedAtExit = std::atexit([] { game::save::Close(); }) == 0;
    Q_UNUSED(closedAtExit);
    qputenv("XDG_STATE_HOME", stateHome.path().toUtf8());
    game::save::Close();
    QDir(game::save::Folder()).removeRecursively();
    tk::ResetProgram();
    tk::clock::UseManual();
    tk::SetBeepListener({});
    tk::SeedRandom(seed);
}

QByteArray Blocks(int blocks, const char* lineEnd) {
    QByteArray out;
    for (int k = 0; k < blocks; ++k) {
        out += "Title " + QByteArray::number(k) + lineEnd;
        for (int row = 1; row <= 6; ++row) {
            out += "Q: q" + QByteArray::number(k) + "." + QByteArray::number(row) + lineEnd;
            out += "A: a" + QByteArray::number(k) + "." + QByteArray::number(row) + lineEnd;
        }
    }
    return out;
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(name));
    QCOMPARE(file.write(bytes), bytes.size());
}

Wrapped Wrap(const QFont& font, const QString& text, qreal width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    Wrapped wrapped;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++wrapped.lines;
        wrapped.height += line.height();
    }
    layout.endLayout();
    return wrapped;
}
