#include "toolkit/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tk {
namespace {

constexpr char kTranslationsBuildDir[] = ZAPSTER_TRANSLATIONS_BUILD_DIR;
// From the installed program's folder to the installed translations.
constexpr char kTranslationsFromProgram[] = ZAPSTER_TRANSLATIONS_FROM_BIN;

QString Variable(const char* name) {
    return qEnvironmentVariable(name).trimmed();
}

// "de_DE.UTF-8@euro" is "de_DE"; "C" and "POSIX" ask for no language at all.
QString LanguageOf(QString locale) {
    locale = locale.section(u'@', 0, 0).section(u'.', 0, 0);
    return locale == QLatin1String("C") || locale == QLatin1String("POSIX") ? QString() : locale;
}

struct Translators {
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

Translators& Installed() {
    static Translators installed;
    return installed;
}

void Uninstall(std::unique_ptr<QTranslator>& translator) {
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

}  // namespace

QString LanguageAsked(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            break;
        }
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size()) {
            return arguments[i + 1].trimmed();
        }
        if (argument.startsWith(QLatin1String("--lang="))) {
            return argument.mid(7).trimmed();
        }
    }
    return QString();
}

QStringList DesktopLanguages() {
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = Variable(name);
        if (!messages.isEmpty()) {
            break;
        }
    }
    QStringList languages;
    const QString own = LanguageOf(messages);
    if (!own.isEmpty()) {
        for (const QString& listed : Variable("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
            const QString language = LanguageOf(listed);
            if (!language.isEmpty() && !languages.contains(language)) {
                languages << language;
            }
        }
        if (!languages.contains(own)) {
            languages << own;
        }
    }
    return languages;
}

QString TranslationsFolder() {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                                              QLatin1String(kTranslationsFromProgram));
    if (QFileInfo(installed).isDir()) {
        return installed;
    }
    return QString::fromUtf8(kTranslationsBuildDir);
}

QString UseLanguage(const QStringList& languages) {
    Translators& installed = Installed();
    Uninstall(installed.game);
    Uninstall(installed.qt);
    const QString folder = TranslationsFolder();
    for (const QString& language : languages) {
        auto game = std::make_unique<QTranslator>();
        // "de_AT" finds zapster_de_AT.qm or, failing that, zapster_de.qm.
        if (language.isEmpty() ||
            !game->load(QStringLiteral("zapster_") + language, folder, QStringLiteral("_"))) {
            continue;
        }
        QCoreApplication::installTranslator(game.get());
        installed.game = std::move(game);
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral("_"))) {
            QCoreApplication::installTranslator(qt.get());
            installed.qt = std::move(qt);
        }
        // Dates and numbers as the room writes them.
        QLocale::setDefault(QLocale(installed.game->language()));
        return installed.game->language();
    }
    QLocale::setDefault(QLocale(QLocale::English));
    return QStringLiteral("en");
}

QString UseAskedOrDesktopLanguage(const QString& asked) {
    return UseLanguage(asked.isEmpty() ? DesktopLanguages() : QStringList{asked});
}

}  // namespace tk
