// The game in the room's language: which language the desktop and the command line ask for, and
// what the title and setup screens then say; English wherever no translation is found.

#include <QtTest>

#include "screens/setup.h"
#include "screens/title.h"
#include "support/columns.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/language.h"

namespace {

// Sets the locale variables of a row; an empty value unsets one.
void SetLocale(const QString& language, const QString& all, const QString& messages,
               const QString& lang) {
    const auto set = [](const char* name, const QString& value) {
        if (value.isEmpty()) {
            qunsetenv(name);
        } else {
            qputenv(name, value.toUtf8());
        }
    };
    set("LANGUAGE", language);
    set("LC_ALL", all);
    set("LC_MESSAGES", messages);
    set("LANG", lang);
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
        auto row = Columns<QString, QString, QString, QString, QStringList>(
            "language", "all", "messages", "lang", "languages");
        row("LANG alone", "", "", "", "de_DE.UTF-8", {"de_DE"});
        row("modifier dropped", "", "", "", "fr_BE.UTF-8@euro", {"fr_BE"});
        row("LC_MESSAGES over LANG", "", "", "nl_NL.UTF-8", "de_DE.UTF-8", {"nl_NL"});
        row("LC_ALL over both", "", "es_ES.UTF-8", "nl_NL.UTF-8", "de_DE.UTF-8", {"es_ES"});
        row("LANGUAGE list first", "fr:de", "", "", "nl_NL.UTF-8", {"fr", "de", "nl_NL"});
        row("LANGUAGE under C", "de", "", "", "C.UTF-8", {});
        row("nothing set", "", "", "", "", {});
        row("POSIX", "", "", "", "POSIX", {});
    }
    void desktopLanguages() {
        QFETCH(QString, language);
        QFETCH(QString, all);
        QFETCH(QString, messages);
        QFETCH(QString, lang);
        QFETCH(QStringList, languages);
        SetLocale(language, all, messages, lang);
        QCOMPARE(tk::DesktopLanguages(), languages);
    }

    void languageAsked_data() {
        auto row = Columns<QStringList, QString>("arguments", "asked");
        row("none", {"zapster"}, "");
        row("two words", {"zapster", "--lang", "nl"}, "nl");
        row("one word", {"zapster", "--lang=es"}, "es");
        row("without its language", {"zapster", "--lang"}, "");
        row("the program's own name", {"--lang=de"}, "");
    }
    void languageAsked() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, asked);
        QCOMPARE(tk::LanguageAsked(arguments), asked);
    }

    // The first language with a translation wins; a country's language finds the language's
    // translation; none found leaves the game in English. The title and the setup say so.
    void screensSpeakIt_data() {
        auto row =
            Columns<QStringList, QString, QString, QString>("languages", "chosen", "title", "done");
        row("German", {"de_DE"}, "de", "Zapster! spielen", "Fertig");
        row("Austrian German", {"de_AT"}, "de", "Zapster! spielen", "Fertig");
        row("French", {"fr"}, "fr", "Jouer à Zapster!", "Terminé");
        row("Spanish", {"es_MX"}, "es", "¡Juega a Zapster!", "Listo");
        row("Dutch", {"nl_BE"}, "nl", "Speel Zapster!", "Klaar");
        row("first with a translation", {"ja_JP", "nl"}, "nl", "Speel Zapster!", "Klaar");
        row("none translated", {"ja_JP"}, "en", "Play Zapster!", "Done");
        row("no language", {}, "en", "Play Zapster!", "Done");
    }
    void screensSpeakIt() {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QFETCH(QString, title);
        QFETCH(QString, done);
        QCOMPARE(tk::UseLanguage(languages), chosen);
        FreshProgram();
        QCOMPARE(TitleScreen::Get().windowTitle(), title);
        play::ToSetup();
        QCOMPARE(SetupScreen::Get().doneButton.Caption(), done);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
