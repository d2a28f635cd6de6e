#include <QtTest>

#include "support/harness.h"
#include "toolkit/fontwarmup.h"
#include "toolkit/letters.h"
#include "toolkit/stage.h"
#include "toolkit/timer.h"
#include "toolkit/widgets.h"
#include "toolkit/window.h"

// Runs a script on timers a, b, c of 1000 ms: "a+" start, "a-" stop, "a=500" interval, "a:STEP"
// STEP in a's next free tick, a number advances the clock; returns e.g. "a1000 b1300 @1500".
static QString RunTimers(const QString& script) {
    tk::Timer timers[3]{{nullptr, 1000}, {nullptr, 1000}, {nullptr, 1000}};
    QStringList inTick[3], seen;
    const auto run = [&](const QString& step) {
        const int t = step[0].unicode() - u'a';
        if (step[0].isDigit()) {
            tk::clock::Advance(step.toLongLong());
        } else if (step[1] == u':') {
            inTick[t] << step.mid(2);
        } else if (step[1] == u'=') {
            timers[t].SetInterval(step.mid(2).toInt());
        } else {
            step[1] == u'+' ? timers[t].Start() : timers[t].Stop();
        }
    };
    for (int t = 0; t < 3; ++t) {
        QObject::connect(&timers[t], &tk::Timer::Tick, [&, t] {
            seen << QChar(u'a' + t) + QString::number(tk::clock::Now());
            if (!inTick[t].isEmpty()) {
                run(inTick[t].takeFirst());
            }
        });
    }
    std::ranges::for_each(script.split(u' '), run);
    return (seen << QStringLiteral("@%1").arg(tk::clock::Now())).join(u' ');
}

// Screens of the test's own, apart from the game's; a tick of the timer unloads the screen.
template <int N>
class TestScreen : public tk::Screen<TestScreen<N>> {
public:
    static inline const layout::Screen* look = &layout::kBoard;  // maximised
    tk::Label label{this};
    tk::Timer timer{this, 1000};
    std::vector<std::int64_t> ticks;
    TestScreen() {
        this->LayWindow(*look);
        QObject::connect(&timer, &tk::Timer::Tick, this, [this] {
            ticks.push_back(tk::clock::Now());
            TestScreen::Unload();
        });
    }
    void OnLoad() override { label.SetCaption(QStringLiteral("loaded")); }
};
using A = TestScreen<0>;
using B = TestScreen<1>;

class TestToolkit : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    void init() { FreshProgram(); }

    void timers_data() {
        QTest::addColumn<QString>("run");
        QTest::newRow("start while running") << "a+ 500 a+ 1600 => a1000 a2000 @2100";
        QTest::newRow("stop and start: a full period") << "a+ 600 a- a+ 999 1 => a1600 @1600";
        QTest::newRow("new interval counts from then") << "a+ 700 a=500 1100 => a1200 a1700 @1800";
        QTest::newRow("started in a tick")
            << "b=300 a:b+ a:b+ a+ 2500 => a1000 b1300 b1600 b1900 a2000 b2200 b2500 @2500";
        QTest::newRow("own interval set in its tick")
            << "a=500 a:a=1000 a:a=100 a+ 1700 => a500 a1500 a1600 a1700 @1700";
        // Restarted b ranks after the timers that kept running; a new interval keeps a's rank.
        QTest::newRow("due together: in start order")
            << "b=500 c=250 b+ a+ c+ 1000 b- b+ a=500 500 => "
               "c250 b500 c500 c750 b1000 a1000 c1000 c1250 a1500 c1500 b1500 @1500";
    }
    void timers() {
        QFETCH(QString, run);
        QCOMPARE(RunTimers(run.section(" => ", 0, 0)), run.section(" => ", 1));
    }

    // Closing an unloaded screen creates nothing; unloading in its own tick is safe (sanitizer).
    void screenLifecycleAndProgramEnd() {
        A::Hide();
        A::Unload();
        QCOMPARE(tk::LoadedScreenCount(), 0);
        B::Get();
        A& a = A::Get();
        a.label.SetCaption(QStringLiteral("changed"));
        a.timer.Start();
        tk::clock::Advance(5000);
        QVERIFY(!A::Loaded() && !tk::ProgramEnded());  // B, hidden, keeps the program alive
        a.timer.Start();  // a timer of an unloaded screen never starts again
        QCOMPARE(tk::clock::RunningTimers(), 0);
        QCOMPARE(a.ticks, (std::vector<std::int64_t>{1000}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(A::Get().label.Caption(), QStringLiteral("loaded"));
        {
            tk::HandlerScope scope;
            A::Unload();
            B::Unload();
            QVERIFY(!tk::ProgramEnded());  // the end waits for the handler
        }
        QVERIFY(tk::ProgramEnded());
    }

    // Drawn as typed, trailing blanks keeping right-aligned text off the edge; disabled: no click.
    void labelShowsTextAsTypedAndTakesClicks_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"<b>x</b>", "a < b & c", "two     spaces", "Zapster!  "}) {
            QTest::newRow(text) << QString(text);
        }
    }
    void labelShowsTextAsTypedAndTakesClicks() {
        QFETCH(QString, text);
        tk::Label label(nullptr);
        label.setGeometry(0, 0, 400, 40);
        label.SetBaseFont(QFont(QStringLiteral("DejaVu Sans"), 14));
        label.SetAlignment(text.endsWith(u' ') ? tk::Align::Right : tk::Align::Left);
        label.SetCaption(text);
        const QRect ink =
            QRegion(QBitmap::fromImage(label.grab().toImage(), Qt::ThresholdDither)).boundingRect();
        const QFontMetrics metrics(label.font());
        QVERIFY(std::abs(ink.width() - metrics.tightBoundingRect(text.trimmed()).width()) <= 3);
        QVERIFY(!text.endsWith(u' ') ||
                std::abs(label.width() - 1 - ink.right() - metrics.horizontalAdvance("  ")) <= 3);
        int clicks = 0;
        QObject::connect(&label, &tk::Label::Click, [&] { ++clicks; });
        QTest::mouseClick(&label, Qt::LeftButton);
        label.setEnabled(false);
        label.Press();
        tk::Picture logo(nullptr);  // the logos and the banner take a left click, too
        logo.resize(40, 40);
        QObject::connect(&logo, &tk::Picture::Click, [&] { ++clicks; });
        QTest::mouseClick(&logo, Qt::RightButton);
        QCOMPARE(clicks, 1);
        QTest::mouseClick(&logo, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        tk::Button button(nullptr);
        button.SetCaption(text);
        QVERIFY(!button.text().contains(QRegularExpression(QStringLiteral("(^|[^&])&[^&]"))));
    }

    // A screen in a window of its own gives it back in the event loop once hidden, unless shown
    // again at once. The maximised screens are pages of one window, which stays up as long as one
    // of them is shown: turning to another page keeps it, its frame and its maximised state.
    void hiddenScreenWindow_data() {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("maximised") << true;
        QTest::newRow("in a window") << false;
    }
    void hiddenScreenWindow() {
        QFETCH(bool, maximised);
        A::look = B::look = maximised ? &layout::kBoard : &layout::kSetup;
        A::Show();
        A& screen = A::Get();
        QWidget& window = *screen.window();
        QCOMPARE(&window == &screen, !maximised);
        const QRect placed = window.geometry();
        for (const bool shownAgainAtOnce : {true, false}) {
            {
                tk::HandlerScope handler;
                A::Hide();
                if (shownAgainAtOnce) {
                    A::Show();
                }
            }
            QCoreApplication::processEvents();
            QCOMPARE(window.windowHandle() == nullptr, !shownAgainAtOnce);
            A::Show();
            QCOMPARE(window.windowState().testFlag(Qt::WindowMaximized), maximised);
            QVERIFY(maximised || window.geometry() == placed);
        }
        if (!maximised) {
            return;
        }
        const QWindow* frame = window.windowHandle();
        {
            tk::HandlerScope handler;
            A::Hide();
            B::Show();
        }
        QCoreApplication::processEvents();
        QCOMPARE(B::Get().window(), &window);
        QCOMPARE(window.windowHandle(), frame);
        QVERIFY(B::Get().isVisible() && !screen.isVisible());
        QCOMPARE(B::Get().geometry(), window.rect());
        QCOMPARE(window.focusWidget(), &B::Get());
        // A page shown over another one is on top: the room sees it, and the frame is its frame.
        A::Show();
        QVERIFY(B::Get().isVisible());
        QCOMPARE(tk::Stage::Get().Top(), &screen);
        A::Hide();
        // The frame's close box is the page's on top, here one that unloads; with no page left to
        // show, the window goes.
        window.windowHandle()->close();
        QVERIFY(!B::Loaded() && A::Loaded());
        QCoreApplication::processEvents();
        QVERIFY(window.isHidden() && window.windowHandle() == nullptr);
        A::Show();
        QVERIFY(screen.isVisible() && window.windowState().testFlag(Qt::WindowMaximized));
    }

    // A screen made ahead is neither loaded nor seen until its first reference takes it as it was
    // made; made for another look it is made again, and a program reset lets it go.
    void screenMadeAhead() {
        A::look = &layout::kSetup;  // a window of its own
        const auto made = [] {
            std::vector<A*> screens;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* screen = dynamic_cast<A*>(widget)) {
                    screens.push_back(screen);
                }
            }
            return screens;
        };
        int prepared = 0;
        const auto prepare = [&](A& screen) { screen.setObjectName(QString::number(++prepared)); };
        A::MakeAhead(1.0, prepare);
        A::MakeAhead(1.0, prepare);
        A::MakeAhead(2.0, prepare);
        QCOMPARE(prepared, 2);
        QCOMPARE(made().size(), 1u);
        QVERIFY(!A::Loaded() && !tk::AnyScreenVisible() && made()[0]->isHidden());
        QVERIFY(made()[0]->windowHandle() != nullptr);  // given its window ahead
        A& screen = A::Get();
        QCOMPARE(&screen, made()[0]);
        QCOMPARE(screen.objectName(), QStringLiteral("2"));
        QCOMPARE(screen.label.Caption(), QStringLiteral("loaded"));
        A::MakeAhead(3.0, prepare);
        QCOMPARE(prepared, 2);
        FreshProgram();
        A::MakeAhead(1.0, prepare);
        FreshProgram();
        QCOMPARE(made().size(), 0u);
        A::look = &layout::kBoard;
    }

    // The pattern is the row's name; letters match in either case, never a folder or hidden file.
    void fileListShowsTheFilesItsPatternMatches_data() {
        QTest::addColumn<QString>("listed");
        QTest::newRow("*.zap") << "A.ZAP a.zap B.ZAP c.d.zap x.Zap";
        QTest::newRow("?.zap") << "A.ZAP a.zap B.ZAP x.Zap";
        QTest::newRow("A*") << "a.za A.ZAP a.zap a.zap.txt a.zapx";
        QTest::newRow("*") << "a.za A.ZAP a.zap a.zap.txt a.zapx B.ZAP c.d.zap x.Zap zap";
        QTest::newRow("zap") << "zap";
        QTest::newRow("*.txt?") << "";
    }
    void fileListShowsTheFilesItsPatternMatches() {
        QFETCH(QString, listed);
        QVERIFY(folder_.isValid() && QDir::setCurrent(folder_.path()));
        std::ranges::for_each(
            QString("a.zap A.ZAP B.ZAP c.d.zap x.Zap zap a.zapx a.za a.zap.txt .zap").split(u' '),
            [](const QString& name) { QVERIFY(QFile(name).open(QIODevice::WriteOnly)); });
        QVERIFY(QDir().mkpath(QStringLiteral("folder.zap")));
        tk::FileList list(nullptr);
        list.SetPattern(QString::fromLatin1(QTest::currentDataTag()));
        QStringList shown;
        for (int row = 0; row < list.count(); ++row) {
            shown << list.item(row)->text();
        }
        QCOMPARE(shown.join(u' '), listed);
    }

    // The helper readying the fonts is let go, once, whether Qt came up or not: a hang is a fault.
    // Large letters drawn from kept outlines land on the pixels Qt's drawText gives them, pixel for
    // pixel: the same line breaks, alignment and clipping, kerned pairs and letters built of parts.
    void largeLettersAsQtDrawsThem_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("align");
        QTest::addColumn<int>("wrap");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QString>("text");
        const QString question =
            QStringLiteral("Which river flows through Budapest, Vienna and Bratislava?");
        QTest::newRow("question, centred")
            << "DejaVu Sans" << 196 << int(Qt::AlignHCenter | Qt::AlignTop)
            << int(QTextOption::WordWrap) << QSize(3100, 1800) << question;
        QTest::newRow("just over Qt's own cache")
            << "DejaVu Sans" << 65 << int(Qt::AlignLeft | Qt::AlignTop)
            << int(QTextOption::WordWrap) << QSize(1500, 900) << question;
        QTest::newRow("at the edge of Qt's own cache")
            << "DejaVu Sans" << 64 << int(Qt::AlignLeft | Qt::AlignTop)
            << int(QTextOption::WordWrap) << QSize(1500, 900) << question;
        QTest::newRow("serif, right, accents")
            << "Liberation Serif" << 120 << int(Qt::AlignRight | Qt::AlignTop)
            << int(QTextOption::WordWrap) << QSize(2000, 1200)
            << QStringLiteral("Ça fait déjà l'été à Zürich: Œuvre, naïve, Ærø  ");
        QTest::newRow("points, centred both ways")
            << "URW Gothic" << 159 << int(Qt::AlignCenter) << int(QTextOption::WordWrap)
            << QSize(576, 170) << QStringLiteral("1200");
        QTest::newRow("a word longer than a line")
            << "DejaVu Sans" << 150 << int(Qt::AlignLeft | Qt::AlignTop)
            << int(QTextOption::WrapAtWordBoundaryOrAnywhere) << QSize(900, 1200)
            << QStringLiteral("Llanfairpwllgwyngyll");
        QTest::newRow("cut off by its box")
            << "DejaVu Sans" << 200 << int(Qt::AlignLeft | Qt::AlignTop)
            << int(QTextOption::WordWrap) << QSize(1000, 300) << question;
        QTest::newRow("lines of its own")
            << "Liberation Serif" << 100 << int(Qt::AlignHCenter | Qt::AlignTop)
            << int(QTextOption::WordWrap) << QSize(2000, 900)
            << QStringLiteral("Game\nOver\n\nAV Wa To");
    }
    void largeLettersAsQtDrawsThem() {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(int, align);
        QFETCH(int, wrap);
        QFETCH(QSize, box);
        QFETCH(QString, text);
        QFont font(family);
        font.setPixelSize(pixels);
        font.setBold(family == u"DejaVu Sans");
        QTextOption option{Qt::Alignment(align)};
        option.setWrapMode(QTextOption::WrapMode(wrap));
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        const QRectF where(QPointF(37, 23), box);
        const auto paint = [&](bool ours) {
            QImage image(box + QSize(80, 60), QImage::Format_ARGB32_Premultiplied);
            image.fill(QColor(0x00, 0x00, 0x80));
            QPainter painter(&image);
            if (ours) {
                tk::DrawLetters(painter, where, text, font, Qt::white, option);
            } else {
                painter.setFont(font);
                painter.setPen(Qt::white);
                painter.drawText(where, text, option);
            }
            return image;
        };
        const int keptBefore = tk::KeptOutlines();
        const QImage theirs = paint(false), ours = paint(true);
        const int kept = tk::KeptOutlines();
        // Over 64 pixels drawn from outlines, not handed back to drawText; up to it Qt's own.
        QCOMPARE(kept > keptBefore, pixels > 64);
        QVERIFY(theirs != paint(false).copy(0, 0, 1, 1).scaled(theirs.size()));  // letters inked
        QCOMPARE(ours, theirs);
        QCOMPARE(paint(true), theirs);
        QCOMPARE(tk::KeptOutlines(), kept);  // each letter's outline fetched once
    }

    void fontWarmUpAlwaysFinishes() {
        tk::FontWarmUp(layout::kTitle).Finish();  // and once more as it goes
        tk::FontWarmUp ready(layout::kTitle);
        ready.ApplicationReady();
    }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
