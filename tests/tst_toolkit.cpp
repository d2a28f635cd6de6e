#include <QtTest>
#include <vector>

#include "layout/layout.h"
#include "support/harness.h"
#include "toolkit/beep.h"
#include "toolkit/fontwarmup.h"
#include "toolkit/form.h"
#include "toolkit/program.h"
#include "toolkit/random.h"
#include "toolkit/timer.h"
#include "toolkit/widgets.h"

namespace {

// Long enough for any loaded machine: a test that takes longer is hanging.
constexpr qint64 kHangGuardMs = 30000;

// Screens of the test's own, so that the toolkit is checked apart from the game.
class ScreenA : public tk::Screen<ScreenA> {
public:
    static inline int loads = 0;
    tk::Label label{this};
    tk::Timer timer{this, 1000};
    std::vector<std::int64_t> ticks;
    bool unloadOnTick = false;

    ScreenA() {
        connect(&timer, &tk::Timer::Tick, this, [this] {
            ticks.push_back(tk::clock::Now());
            if (unloadOnTick) {
                Unload();
            }
        });
    }
    void Form_Load() override {
        ++loads;
        label.SetCaption(QStringLiteral("loaded"));
    }
};

class ScreenB : public tk::Screen<ScreenB> {
public:
    static inline int loads = 0;
    tk::Option options[2]{tk::Option{this}, tk::Option{this}};
    int clicks = 0;
    ScreenB() {
        connect(&options[0], &tk::Option::Click, this, [this] { ++clicks; });
    }
    void Form_Load() override { ++loads; }
};

// A screen laid out from rows of the test's own, maximised or in a window of its own size.
constexpr layout::Row kLaidRows[] = {
    {"label",
     -1,
     layout::Kind::Label,
     "laid",
     {},
     0,
     layout::kNoColor,
     layout::kNoColor,
     0,
     0,
     1500,
     300},
};
constexpr layout::Screen kMaximised{
    {"Maximised", 0xFFFFFF, 3000, 2000, layout::WindowStyle::Sizable, true, true,
     layout::Placement::Centred},
    kLaidRows,
};
constexpr layout::Screen kWindowed{
    {"Windowed", 0xFFFFFF, 3000, 2000, layout::WindowStyle::Sizable, false, true,
     layout::Placement::Centred},
    kLaidRows,
};

class LaidScreen : public tk::Screen<LaidScreen> {
public:
    static inline const layout::Screen* look = &kMaximised;
    tk::Label label{this};
    LaidScreen() {
        LayWindow(*look);
        Lay(&label, "label");
    }
};

// A recorder of tick instants for free-standing timers.
struct Ticks {
    std::vector<std::pair<char, std::int64_t>> seen;
    void Watch(tk::Timer& timer, char name) {
        QObject::connect(&timer, &tk::Timer::Tick,
                         [this, name] { seen.emplace_back(name, tk::clock::Now()); });
    }
};

using Seen = std::vector<std::pair<char, std::int64_t>>;

}  // namespace

class TestToolkit : public QObject {
    Q_OBJECT

private slots:
    void init() {
        FreshProgram();
        ScreenA::loads = ScreenB::loads = 0;
    }

    void startingARunningTimerKeepsItsSchedule() {
        tk::Timer a(nullptr, 1000);
        Ticks t;
        t.Watch(a, 'a');
        a.Start();
        tk::clock::Advance(500);
        a.Start();
        tk::clock::Advance(1600);
        QCOMPARE(t.seen, (Seen{{'a', 1000}, {'a', 2000}}));
    }

    void stopThenStartBeginsAFullPeriod() {
        tk::Timer a(nullptr, 1000);
        Ticks t;
        t.Watch(a, 'a');
        a.Start();
        tk::clock::Advance(600);
        a.Stop();
        a.Start();
        tk::clock::Advance(999);
        QVERIFY(t.seen.empty());
        tk::clock::Advance(1);
        QCOMPARE(t.seen, (Seen{{'a', 1600}}));
    }

    void newIntervalCountsFromThatMoment() {
        tk::Timer a(nullptr, 1000);
        Ticks t;
        t.Watch(a, 'a');
        a.Start();
        tk::clock::Advance(700);
        a.SetInterval(500);
        tk::clock::Advance(1100);
        QCOMPARE(t.seen, (Seen{{'a', 1200}, {'a', 1700}}));
    }

    void stoppedTimerDeliversNothing() {
        tk::Timer a(nullptr, 100);
        Ticks t;
        t.Watch(a, 'a');
        a.Start();
        tk::clock::Advance(250);
        a.Stop();
        tk::clock::Advance(10000);
        QCOMPARE(t.seen, (Seen{{'a', 100}, {'a', 200}}));
    }

    // One Advance() that spans several ticks delivers them at their own instants, and a timer
    // started inside a tick counts from that tick, not from the end of the Advance().
    void timerStartedInsideATickCountsFromThatTick() {
        tk::Timer a(nullptr, 1000);
        tk::Timer b(nullptr, 300);
        Ticks t;
        t.Watch(a, 'a');
        t.Watch(b, 'b');
        QObject::connect(&a, &tk::Timer::Tick, [&] { b.Start(); });
        a.Start();
        tk::clock::Advance(2500);
        QCOMPARE(t.seen, (Seen{{'a', 1000},
                               {'b', 1300},
                               {'b', 1600},
                               {'b', 1900},
                               {'a', 2000},
                               {'b', 2200},
                               {'b', 2500}}));
        QCOMPARE(tk::clock::Now(), std::int64_t{2500});
    }

    // A timer that changes its own interval in its tick, as the beeps do: the next tick comes
    // one new interval after this one.
    void timerChangingItsOwnIntervalInItsTick() {
        tk::Timer a(nullptr, 500);
        Ticks t;
        t.Watch(a, 'a');
        QObject::connect(&a, &tk::Timer::Tick, [&] {
            a.SetInterval(500);
            a.SetInterval(a.Interval() == 500 && tk::clock::Now() >= 1500 ? 100 : 1000);
        });
        a.Start();
        tk::clock::Advance(1700);
        QCOMPARE(t.seen, (Seen{{'a', 500}, {'a', 1500}, {'a', 1600}, {'a', 1700}}));
    }

    void ticksDueTogetherRunInStartOrder() {
        tk::Timer first(nullptr, 1000), second(nullptr, 500), third(nullptr, 250);
        Ticks t;
        t.Watch(first, '1');
        t.Watch(second, '2');
        t.Watch(third, '3');
        second.Start();
        first.Start();
        third.Start();
        tk::clock::Advance(1000);
        QCOMPARE(t.seen, (Seen{{'3', 250},
                               {'2', 500},
                               {'3', 500},
                               {'3', 750},
                               {'2', 1000},
                               {'1', 1000},
                               {'3', 1000}}));
        // A timer stopped and started again ranks after those that kept running.
        t.seen.clear();
        second.Stop();
        second.Start();
        first.SetInterval(500);
        tk::clock::Advance(500);
        QCOMPARE(t.seen, (Seen{{'3', 1250}, {'1', 1500}, {'3', 1500}, {'2', 1500}}));
    }

    void referenceCreatesOnceAndRunsLoadBeforeGoingOn() {
        QVERIFY(!ScreenA::Loaded());
        QCOMPARE(ScreenA::Get().label.Caption(), QStringLiteral("loaded"));
        ScreenA::Get();
        QCOMPARE(ScreenA::loads, 1);
        QVERIFY(!ScreenA::Get().isVisible());
        ScreenA::Show();
        QVERIFY(ScreenA::Get().isVisible());
        ScreenA::Hide();
        QVERIFY(ScreenA::Loaded());
        QVERIFY(!ScreenA::Get().isVisible());
    }

    void unloadThenReferenceCreatesAFreshScreen() {
        ScreenA::Get().label.SetCaption(QStringLiteral("changed"));
        ScreenA::Unload();
        QVERIFY(!ScreenA::Loaded());
        QCOMPARE(ScreenA::Get().label.Caption(), QStringLiteral("loaded"));
        QCOMPARE(ScreenA::loads, 2);
    }

    void closingAScreenThatIsNotLoadedCreatesNothing() {
        ScreenA::Hide();
        ScreenA::Unload();
        ScreenA::Unload();
        QVERIFY(!ScreenA::Loaded());
        QCOMPARE(ScreenA::loads, 0);
        QCOMPARE(tk::LoadedScreenCount(), 0);
    }

    void programEndsWhenTheLastLoadedScreenGoes() {
        ScreenA::Show();
        ScreenB::Get();  // loaded and hidden: still keeps the program alive
        ScreenA::Unload();
        QVERIFY(!tk::ProgramEnded());
        {
            tk::HandlerScope scope;  // no end while a handler runs, even with nothing loaded
            ScreenB::Unload();
            QVERIFY(!tk::ProgramEnded());
            ScreenA::Show();  // a handler may still open another screen
        }
        QVERIFY(!tk::ProgramEnded());
        {
            tk::HandlerScope scope;
            ScreenA::Unload();
            QVERIFY(!tk::ProgramEnded());
        }
        QVERIFY(tk::ProgramEnded());
    }

    void endClosesEveryScreenAtOnce() {
        ScreenA::Show();
        ScreenA::Get().timer.Start();
        ScreenB::Get();
        {
            tk::HandlerScope scope;
            tk::End();
        }
        QVERIFY(tk::ProgramEnded());
        QVERIFY(!ScreenA::Loaded() && !ScreenB::Loaded());
        QCOMPARE(tk::clock::RunningTimers(), 0);
    }

    // A screen that unloads itself from its own tick: no further tick, no use of freed memory
    // (the sanitizer build watches this), and the next reference builds a new screen.
    void screenUnloadingItselfFromItsOwnTick() {
        ScreenB::Get();  // keeps the program alive
        ScreenA& a = ScreenA::Get();
        a.unloadOnTick = true;
        a.timer.Start();
        tk::clock::Advance(5000);
        QCOMPARE(a.ticks, (std::vector<std::int64_t>{1000}));
        QVERIFY(!ScreenA::Loaded());
        a.timer.Start();  // a timer of an unloaded screen never starts again
        tk::clock::Advance(5000);
        QCOMPARE(a.ticks.size(), std::size_t{1});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(ScreenA::Get().ticks.empty());
    }

    void frameCloseUnloadsTheScreen() {
        ScreenA::Show();
        ScreenA::Get().close();
        QVERIFY(!ScreenA::Loaded());
        QVERIFY(tk::ProgramEnded());
    }

    void selectingAnOptionInCodeRunsItsClickEveryTime() {
        ScreenB& b = ScreenB::Get();
        b.options[0].Select();
        b.options[0].Select();
        QCOMPARE(b.clicks, 2);
        QVERIFY(b.options[0].isChecked());
        b.options[1].Select();
        QVERIFY(!b.options[0].isChecked());
    }

    // Labels draw their caption as typed: markup is not read, runs of blanks are kept, and the
    // trailing blanks of a right-aligned caption keep it off the edge. Measured on the drawn
    // pixels: the ink must span what the literal text spans.
    void textIsShownAsTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("right");
        QTest::newRow("markup") << QStringLiteral("<b>x</b>") << false;
        QTest::newRow("less than") << QStringLiteral("a < b & c") << false;
        QTest::newRow("spaces") << QStringLiteral("two     spaces") << false;
        QTest::newRow("trailing blanks") << QStringLiteral("Zapster!  ") << true;
    }
    void textIsShownAsTyped() {
        QFETCH(QString, text);
        QFETCH(bool, right);
        tk::Label label(nullptr);
        label.setGeometry(0, 0, 400, 40);
        label.SetBaseFont(QFont(QStringLiteral("DejaVu Sans"), 14));
        label.SetAlignment(right ? tk::Align::Right : tk::Align::Left);
        label.SetCaption(text);
        QCOMPARE(label.Caption(), text);
        const QImage image = label.grab().toImage();
        int first = image.width(), last = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        const QFontMetrics metrics(label.font());
        const int inked = metrics.tightBoundingRect(text.trimmed()).width();
        QVERIFY2(std::abs((last - first + 1) - inked) <= 3,
                 qPrintable(QStringLiteral("%1 vs %2").arg(last - first + 1).arg(inked)));
        if (right) {
            const int blanks = metrics.horizontalAdvance(QStringLiteral("  "));
            QVERIFY(std::abs((image.width() - 1 - last) - blanks) <= 3);
        }
        tk::Button button(nullptr);
        button.SetCaption(text);
        QCOMPARE(button.Caption(), text);
        QVERIFY(!button.text().contains(QRegularExpression(QStringLiteral("(^|[^&])&[^&]"))));
    }

    void disabledLabelTakesNoClick() {
        ScreenA::Show();
        ScreenA& a = ScreenA::Get();
        int clicks = 0;
        QObject::connect(&a.label, &tk::Label::Click, [&] { ++clicks; });
        a.label.setEnabled(false);
        QTest::mouseClick(&a.label, Qt::LeftButton);
        a.label.setEnabled(true);
        QTest::mouseClick(&a.label, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    // A beep is queued to the sound thread: even with no sound server (as here, headless) the
    // caller never waits for the output to open or a tone to play.
    void beepsNeverHoldUpTheCaller() {
        tk::clock::UseReal();
        QElapsedTimer elapsed;
        elapsed.start();
        tk::Timer beepTimer(nullptr, 100);
        beepTimer.Start();
        tk::ReadyBeep(beepTimer);
        for (int i = 0; i < 100; ++i) {
            tk::Beep();
        }
        QVERIFY2(elapsed.elapsed() < kHangGuardMs, qPrintable(QString::number(elapsed.elapsed())));
    }

    // A hidden screen gives its window buffer back once control is back in the event loop, and is
    // shown again with all its state, a screen in a window where it was.
    void hiddenScreenWindow_data() {
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("shownAgainAtOnce");
        QTest::addColumn<bool>("released");
        QTest::newRow("maximised") << true << false << true;
        QTest::newRow("maximised, shown again in the same handler") << true << true << false;
        QTest::newRow("in a window") << false << false << true;
        QTest::newRow("in a window, shown again in the same handler") << false << true << false;
    }
    void hiddenScreenWindow() {
        QFETCH(bool, maximised);
        QFETCH(bool, shownAgainAtOnce);
        QFETCH(bool, released);
        LaidScreen::look = maximised ? &kMaximised : &kWindowed;
        LaidScreen::Show();
        LaidScreen& screen = LaidScreen::Get();
        QVERIFY(screen.windowHandle() != nullptr);
        const QRect placed = screen.geometry();
        screen.label.SetCaption(QStringLiteral("changed"));
        {
            tk::HandlerScope handler;
            LaidScreen::Hide();
            if (shownAgainAtOnce) {
                LaidScreen::Show();
            }
        }
        QCoreApplication::processEvents();
        QCOMPARE(screen.windowHandle() == nullptr, released);
        QCOMPARE(screen.isVisible(), shownAgainAtOnce);

        LaidScreen::Show();
        QVERIFY(screen.isVisible());
        QVERIFY(screen.windowHandle() != nullptr);
        QCOMPARE(screen.windowHandle()->isVisible(), true);
        QCOMPARE(screen.windowState().testFlag(Qt::WindowMaximized), maximised);
        QCOMPARE(screen.label.Caption(), QStringLiteral("changed"));
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        if (!maximised) {
            QCOMPARE(screen.geometry(), placed);
        }
    }

    // A file list shows the working folder's files whose names match its pattern, letters in
    // either case; never a folder or a hidden file.
    void fileListShowsTheFilesItsPatternMatches_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("*.zap") << "*.zap" << QStringList{"a.zap", "B.ZAP", "c.d.zap", "x.Zap"};
        QTest::newRow("?.zap") << "?.zap" << QStringList{"a.zap", "B.ZAP", "x.Zap"};
        QTest::newRow("a*") << "A*" << QStringList{"a.za", "a.zap", "a.zap.txt", "a.zapx"};
        QTest::newRow("*zap*") << "*zap*" << QStringList{"a.zap",   "a.zap.txt", "a.zapx", "B.ZAP",
                                                         "c.d.zap", "x.Zap",     "zap"};
        QTest::newRow("*.z*p") << "*.z*p" << QStringList{"a.zap", "B.ZAP", "c.d.zap", "x.Zap"};
        QTest::newRow("*") << "*" << QStringList{"a.za",  "a.zap",   "a.zap.txt", "a.zapx",
                                                 "B.ZAP", "c.d.zap", "x.Zap",     "zap"};
        QTest::newRow("exact name") << "zap" << QStringList{"zap"};
        QTest::newRow("nothing matches") << "*.txt?" << QStringList{};
    }
    void fileListShowsTheFilesItsPatternMatches() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, listed);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const char* name :
             {"a.zap", "B.ZAP", "c.d.zap", "x.Zap", "zap", "a.zapx", "a.za", "a.zap.txt", ".zap"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.zap")));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        tk::FileList list(nullptr);
        list.SetPattern(pattern);
        QDir::setCurrent(before);
        QStringList shown;
        for (int row = 0; row < list.count(); ++row) {
            shown << list.item(row)->text();
        }
        QCOMPARE(shown, listed);
    }

    // The program may end before or after Qt is up (a failed start, a quick close): the helper
    // thread that readies the fonts must be let go either way, and only once.
    void fontWarmUpAlwaysFinishes_data() {
        QTest::addColumn<bool>("ready");
        QTest::addColumn<bool>("finish");
        QTest::newRow("ready, finished") << true << true;
        QTest::newRow("ready, left to its end") << true << false;
        QTest::newRow("never ready, finished") << false << true;
        QTest::newRow("never ready, left to its end") << false << false;
    }

    void fontWarmUpAlwaysFinishes() {
        QFETCH(bool, ready);
        QFETCH(bool, finish);
        QElapsedTimer elapsed;
        elapsed.start();
        {
            tk::FontWarmUp warmUp(layout::kAbout);
            if (ready) {
                warmUp.ApplicationReady();
            }
            if (finish) {
                warmUp.Finish();
                warmUp.Finish();
            }
        }
        // Reading the fonts takes milliseconds; a helper left waiting for Qt would hang here.
        QVERIFY2(elapsed.elapsed() < 3000, qPrintable(QString::number(elapsed.elapsed())));
    }

    void randomNumbersAreInRangeAndRepeatable() {
        tk::SeedRandom(42);
        std::vector<double> first;
        for (int i = 0; i < 10000; ++i) {
            const double u = tk::Rnd();
            QVERIFY(u >= 0.0 && u < 1.0);
            first.push_back(u);
        }
        tk::SeedRandom(42);
        for (double u : first) {
            QCOMPARE(tk::Rnd(), u);
        }
    }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
