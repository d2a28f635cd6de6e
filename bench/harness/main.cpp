// The in-process benchmarks: each figure drives the game library through the play helpers of the
// tests, under Qt's real event loop wherever painting or timing matters.
//   zapster_bench version
//   zapster_bench click QUESTIONS
//   zapster_bench host QUESTIONS        (a laptop and a projector: two displays)
//   zapster_bench timebar SOUND_ON SOUND_OFF [--alongside]
//   zapster_bench timebar-loaded
//   zapster_bench soak QUESTIONS
//   zapster_bench idle SECONDS
//   zapster_bench paint GAMES           (on a 3840x2160 display)
//   zapster_bench throughput SECONDS
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>

#include "figures.h"
#include "support/harness.h"
#include "toolkit/program.h"

namespace {

// Without a platform named, a headless one whose screen is a full-HD display (or `display`),
// where the screens are maximised as on a classroom projector; with `laptop`, a laptop's display
// beside it, where the host's window opens.
void ChooseHeadlessPlatform(bool laptop, QSize display = QSize(1920, 1080)) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return;
    }
    const QString config = QDir::temp().filePath(QStringLiteral("zapster-bench-screen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(R"({"windowFrameMargins": false, "screens": [)");
        if (laptop) {
            file.write(R"({"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                "logicalDpi": 96, "logicalBaseDpi": 96}, )");
        }
        file.write(QStringLiteral(R"({"name": "bench", "x": 1366, "y": 0, "width": %1, "height": %2,
            "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                       .arg(display.width())
                       .arg(display.height())
                       .toUtf8());
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

int Usage() {
    std::fprintf(stderr,
                 "usage: zapster_bench version | click N | host N | timebar ON OFF [--alongside] | "
                 "timebar-loaded | "
                 "soak N | idle SECONDS | paint GAMES | throughput SECONDS\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    ChooseHeadlessPlatform(std::strcmp(argv[1], "host") == 0, std::strcmp(argv[1], "paint") == 0
                                                                  ? QSize(3840, 2160)
                                                                  : QSize(1920, 1080));
    tk::PrepareProcess();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The game paints with Fusion (see tk::Run); so do its benchmarks.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    FreshProgram();
    const char* figure = argv[1];
    const auto number = [&](int i, double fallback) {
        return i < argc ? std::atof(argv[i]) : fallback;
    };
    if (std::strcmp(figure, "version") == 0) {
        std::printf("%s\n", qVersion());
        return 0;
    }
    if (std::strcmp(figure, "click") == 0) {
        return bench::ClickToScreen(static_cast<int>(number(2, 200)));
    }
    if (std::strcmp(figure, "host") == 0) {
        return bench::HostClicks(static_cast<int>(number(2, 200)));
    }
    if (std::strcmp(figure, "timebar") == 0) {
        const bool alongside = argc > 4 && std::strcmp(argv[4], "--alongside") == 0;
        return bench::TimeBar(static_cast<int>(number(2, 1)), static_cast<int>(number(3, 0)),
                              alongside);
    }
    if (std::strcmp(figure, "timebar-loaded") == 0) {
        return bench::TimeBarUnderLoad();
    }
    if (std::strcmp(figure, "soak") == 0) {
        return bench::Soak(static_cast<int>(number(2, 300)));
    }
    if (std::strcmp(figure, "idle") == 0) {
        return bench::IdleBoard(number(2, 3));
    }
    if (std::strcmp(figure, "paint") == 0) {
        return bench::ScaledPainting(static_cast<int>(number(2, 2)));
    }
    if (std::strcmp(figure, "throughput") == 0) {
        return bench::Throughput(number(2, 3));
    }
    return Usage();
}
