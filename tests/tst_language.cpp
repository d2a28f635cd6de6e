// The game in the room's language: which language the desktop and the command line ask for, and
// what the title and setup screens then say; English wherever no translation is found.

#include <QtTest>

#include "screens/answer.h"
#include "screens/board.h"
#include "screens/flow.h"
#include "screens/game_over.h"
#include "screens/host.h"
#include "screens/question.h"
#include "screens/setup.h"
#include "screens/title.h"
#include "support/columns.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/language.h"
#include "toolkit/textfit.h"
#include "toolkit/widgets.h"

namespace {

// Sets LANGUAGE, LC_ALL, LC_MESSAGES and LANG to `values`; an empty value unsets one.
void SetLocale(const QStringList& values) {
    const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (qsizetype i = 0; i < values.size(); ++i) {
        values[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], values[i].toUtf8());
    }
}

// Whether a caption fits the box its widget draws it in, as the widget draws it: wrapped at
// word boundaries, no word wider than the box.
bool Fits(const QFont& font, const QString& text, QSize box) {
    const QFontMetricsF metrics(font);
    const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")));
    return tk::TextFits(font, text, box) && std::ranges::all_of(words, [&](const QString& word) {
               return metrics.horizontalAdvance(word) <= box.width();
           });
}

struct Caption {
    QString text;
    bool fits = true;
    int lines = 0;  // for a label or button
};

// The part of a widget's box that its screen shows: a box may reach past the screen's edge.
QSize Shown(const QWidget* screen, const QWidget* widget, const QRect& box) {
    return QRect(widget->mapTo(screen, box.topLeft()), box.size())
        .intersected(screen->rect())
        .size();
}

// Every caption of a screen, each with whether it fits, by the widget's row in the layout.
void Note(QMap<QString, Caption>& captions, const char* screen, const tk::Window& window) {
    // A label's or a button's caption, wrapped in the part of its box that the screen shows.
    const auto wrapped = [&](const QWidget* widget, const QString& text, const QRect& box) {
        const QSize shown = Shown(&window, widget, box);
        return Caption{text, Fits(widget->font(), text, shown),
                       Wrap(widget->font(), text, shown.width()).lines};
    };
    for (const auto& [widget, row] : window.Laid()) {
        Caption caption;
        if (auto* label = qobject_cast<tk::Label*>(widget)) {
            caption = wrapped(label, label->Caption(), label->contentsRect());
        } else if (auto* button = qobject_cast<tk::Button*>(widget)) {
            caption = wrapped(button, button->Caption(), button->rect().adjusted(3, 3, -3, -3));
        } else if (auto* option = qobject_cast<tk::Option*>(widget)) {
            caption = {option->text(), option->sizeHint().width() <= option->width()};
        } else if (auto* frame = qobject_cast<tk::Frame*>(widget)) {
            caption = {
                frame->title(),
                QFontMetricsF(frame->font()).horizontalAdvance(frame->title()) <= frame->width()};
        }
        if (!caption.text.isEmpty() && widget->isVisibleTo(widget->window())) {
            captions.insert(
                QStringLiteral("%1 %2.%3").arg(screen).arg(int(row->widget)).arg(row->index),
                caption);
        }
    }
}

// The captions of a game's screens at `display`: the title, the setup, the board, a question
// that waits to be read, the answer, the game over, and a question without a time limit; and the
// host's window beside them (the test runs with two displays), its record too.
QMap<QString, Caption> GameCaptions(QSize display) {
    QMap<QString, Caption> captions;
    FreshProgram();
    {
        tk::HandlerScope scope;
        flow::StartProgram();
    }
    Note(captions, "title", TitleScreen::Get());
    UserClick(TitleScreen::Get().okButton);
    Note(captions, "setup", SetupScreen::Get());
    play::ChooseBar(32, true);
    UserClick(SetupScreen::Get().doneButton);
    // The host's window is drawn for a laptop's display of at least its own size, and is cut,
    // in English as in any language, on a smaller one.
    const layout::Window& hostLook = layout::kHost.window;
    const QSize hostDisplay = display.expandedTo(
        QSize(tk::Pixels(hostLook.clientWidth), tk::Pixels(hostLook.clientHeight)));
    const auto fitted = [&](tk::Window& window) -> tk::Window& {
        const QSize size = qobject_cast<HostScreen*>(&window) ? hostDisplay : display;
        window.resize(size);
        window.FitTo(size);
        return window;
    };
    Note(captions, "board", fitted(BoardScreen::Get()));
    Note(captions, "host, board", fitted(HostScreen::Get()));
    play::ClickSquare(1, 0);
    Note(captions, "question", fitted(QuestionScreen::Get()));
    Note(captions, "host, question", fitted(HostScreen::Get()));
    play::Reveal();  // the time starts
    play::Reveal();
    Note(captions, "answer", fitted(AnswerScreen::Get()));
    Note(captions, "host, answer", fitted(HostScreen::Get()));
    play::Judge(true);
    fitted(BoardScreen::Get());
    QTest::keyClick(&HostScreen::Get(), Qt::Key_R);
    Note(captions, "host, record", fitted(HostScreen::Get()));
    QTest::keyClick(&HostScreen::Get(), Qt::Key_R);
    UserClick(BoardScreen::Get().banner);
    Note(captions, "game over", GameOverScreen::Get());
    Note(captions, "host, game over", fitted(HostScreen::Get()));
    // A question without a time limit says so on its bar.
    FreshProgram();
    play::ToSetup();
    play::ChooseBar(game::kNoTimeLimit);
    UserClick(SetupScreen::Get().doneButton);
    play::ClickSquare(1, 0);
    Note(captions, "question without a limit", fitted(QuestionScreen::Get()));
    return captions;
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        tk::UseLanguage({});
        FreshProgram();
    }

    // As a desktop program reads them: LC_ALL before LC_MESSAGES before LANG; LANGUAGE's list
    // first, except under the plain "C" locale, which asks for no language at all.
    void desktopLanguages_data() {
        // `locale`: LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
        auto row = Columns<QStringList, QStringList>("locale", "languages");
        row("LANG alone", {"", "", "", "de_DE.UTF-8"}, {"de_DE"});
        row("modifier dropped", {"", "", "", "fr_BE.UTF-8@euro"}, {"fr_BE"});
        row("LC_MESSAGES over LANG", {"", "", "nl_NL.UTF-8", "de_DE.UTF-8"}, {"nl_NL"});
        row("LC_ALL over both", {"", "es_ES.UTF-8", "nl_NL.UTF-8", "de_DE.UTF-8"}, {"es_ES"});
        row("LANGUAGE list first", {"fr:de", "", "", "nl_NL.UTF-8"}, {"fr", "de", "nl_NL"});
        row("LANGUAGE under C", {"de", "", "", "C.UTF-8"}, {});
        row("nothing set", {"", "", "", ""}, {});
    }
    void desktopLanguages() {
        QFETCH(QStringList, locale);
        QFETCH(QStringList, languages);
        SetLocale(locale);
        QCOMPARE(tk::DesktopLanguages(), languages);
    }

    void languageAsked_data() {
        auto row = Columns<QStringList, QString>("arguments", "asked");
        row("two words", {"zapster", "--lang", "nl"}, "nl");
        row("one word", {"zapster", "--lang=es"}, "es");
        row("without its language", {"zapster", "--lang"}, "");
        row("a file name after --", {"zapcheck", "--", "--lang=de"}, "");
    }
    void languageAsked() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, asked);
        QCOMPARE(tk::LanguageAsked(arguments), asked);
    }

    // The first language with a translation wins; a country's language finds the language's
    // translation; none found leaves the game in English. The title and the setup say so, and
    // the teams' names start in it.
    void screensSpeakIt_data() {
        auto row = Columns<QStringList, QString, QString, QString, QString>(
            "languages", "chosen", "title", "done", "team");
        row("German", {"de_DE"}, "de", "Zapster! spielen", "Fertig", "Team 1");
        row("French", {"fr"}, "fr", "Jouer à Zapster!", "Jouer", "Équipe 1");
        row("Spanish", {"es_MX"}, "es", "¡Juega a Zapster!", "Listo", "Equipo 1");
        row("Dutch", {"nl_BE"}, "nl", "Speel Zapster!", "Klaar", "Team 1");
        row("first with a translation", {"ja_JP", "nl"}, "nl", "Speel Zapster!", "Klaar", "Team 1");
        row("none translated", {"ja_JP"}, "en", "Play Zapster!", "Done", "Team 1");
    }
    void screensSpeakIt() {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QFETCH(QString, title);
        QFETCH(QString, done);
        QFETCH(QString, team);
        QCOMPARE(tk::UseLanguage(languages), chosen);
        FreshProgram();
        QCOMPARE(TitleScreen::Get().windowTitle(), title);
        play::ToSetup();
        QCOMPARE(SetupScreen::Get().doneButton.Caption(), done);
        QCOMPARE(SetupScreen::Get().teamNameBox[0].Text(), team);
    }

    // Every translated text fits its box on every screen at the smallest display and a 4K one,
    // wherever the English fits it, and takes no more lines than the English where it does not.
    void translationsFit_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("display");
        for (const char* language : {"de", "fr", "es", "nl"}) {
            for (const QSize display : {QSize(1024, 768), QSize(3840, 2160)}) {
                QTest::addRow("%s, %dx%d", language, display.width(), display.height())
                    << QString::fromLatin1(language) << display;
            }
        }
    }
    void translationsFit() {
        QFETCH(QString, language);
        QFETCH(QSize, display);
        const QMap<QString, Caption> english = GameCaptions(display);
        QCOMPARE(tk::UseLanguage({language}), language);
        const QMap<QString, Caption> translated = GameCaptions(display);
        QCOMPARE(translated.keys(), english.keys());
        QStringList overflowing;
        int differ = 0;
        for (auto at = translated.begin(); at != translated.end(); ++at) {
            const Caption& own = english[at.key()];
            differ += at->text != own.text;
            // A line of English that its box cuts a little short is read all the same; a
            // translation may be cut as little, never by a line more.
            if (own.fits ? !at->fits : at->lines > own.lines) {
                overflowing
                    << QStringLiteral("%1: %2 (English: %3)").arg(at.key(), at->text, own.text);
            }
        }
        QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(QStringLiteral("; "))));
        // The screens speak it: 35 of these captions are the game's own words, the rest are
        // numbers, names and questions; a translation that failed to load would change none.
        QVERIFY2(differ >= 30, qPrintable(QString::number(differ)));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
