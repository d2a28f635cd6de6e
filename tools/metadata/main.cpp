// zapster_metadata: writes the menu entry and the AppStream data with their texts in every
// language the game speaks, from the English files in dist/ and the game's compiled translations.
//
//   zapster_metadata QM_FOLDER LANGUAGES DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT
//
// LANGUAGES is a list like "de,es,fr". A text a translation lacks is left to the English. A
// translatable text of the English files that is not marked below stops the build: it would
// otherwise reach no translator.

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr char kContext[] = "Metadata";

// The texts of the menu entry and of the software centre's page, as dist/ writes them. The game's
// name stays a name and is not among them.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("Metadata", "Team Quiz Game"),
    QT_TRANSLATE_NOOP("Metadata", "Host a quiz for two teams on one screen"),
    //: The menu's search words: separated by semicolons, and one after the last.
    QT_TRANSLATE_NOOP("Metadata", "quiz;trivia;questions;teams;classroom;party;moderator;"),
    QT_TRANSLATE_NOOP("Metadata",
                      "Zapster is a quiz game for two teams, played on one computer "
                      "that a moderator operates while the teams watch: a classroom, "
                      "a club, or a quiz night on a projector."),
    QT_TRANSLATE_NOOP("Metadata",
                      "Each round shows a board of five category columns of six squares. The team "
                      "on turn picks a square, its question runs against a 32-second time bar, and "
                      "the moderator reveals the answer and judges it. Zapster questions turn the "
                      "scoring round: answering one right hands the points to the other team."),
    QT_TRANSLATE_NOOP("Metadata", "One, two or three rounds of thirty questions"),
    QT_TRANSLATE_NOOP("Metadata", "Questions from plain text category files that anyone can write"),
    QT_TRANSLATE_NOOP("Metadata",
                      "A built-in question bank fills every column that no file "
                      "supplies"),
    QT_TRANSLATE_NOOP("Metadata", "Sample category files to start from"),
    QT_TRANSLATE_NOOP("Metadata", "quiz"),
    QT_TRANSLATE_NOOP("Metadata", "trivia"),
    QT_TRANSLATE_NOOP("Metadata", "teams"),
    QT_TRANSLATE_NOOP("Metadata", "classroom"),
};

struct Language {
    QString code;
    std::unique_ptr<QTranslator> translator;
};

class Translations {
public:
    bool load(const QString& folder, const QStringList& codes, QString* why) {
        for (const QString& code : codes) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(QStringLiteral("zapster_") + code, folder)) {
                *why = QStringLiteral("no translation zapster_%1.qm in %2").arg(code, folder);
                return false;
            }
            languages_.push_back({code, std::move(translator)});
        }
        return true;
    }

    // The translations of an English text, language by language; those that say nothing new are
    // left out, so that the English stands for them.
    std::vector<std::pair<QString, QString>> of(const QString& english) const {
        const char* source = Marked(english);
        std::vector<std::pair<QString, QString>> found;
        for (const Language& language : languages_) {
            const QString text = language.translator->translate(kContext, source);
            if (!text.isEmpty() && text != english) {
                found.emplace_back(language.code, text);
            }
        }
        return found;
    }

    // The marked text that reads `english`, or null.
    static const char* Marked(const QString& english) {
        const auto at = std::find_if(std::begin(kTexts), std::end(kTexts), [&](const char* text) {
            return english == QLatin1String(text);
        });
        return at == std::end(kTexts) ? nullptr : *at;
    }

private:
    std::vector<Language> languages_;
};

QString Fail(const QString& why) {
    QTextStream(stderr) << "zapster_metadata: " << why << '\n';
    return QString();
}

// The menu entry, line by line: each translatable key is followed by its translations.
QString MenuEntry(const QString& english, const Translations& translations) {
    static const QRegularExpression translatable(
        QStringLiteral("^(GenericName|Comment|Keywords)=(.*)$"));
    QString out;
    for (const QString& line : english.split(u'\n')) {
        out += line + u'\n';
        const QRegularExpressionMatch match = translatable.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        if (Translations::Marked(match.captured(2)) == nullptr) {
            return Fail(QStringLiteral("the menu entry's %1 is not marked for translation")
                            .arg(match.captured(1)));
        }
        for (const auto& [code, text] : translations.of(match.captured(2))) {
            // A line break in a translation would end the entry's line early.
            out += QStringLiteral("%1[%2]=%3\n").arg(match.captured(1), code, text.simplified());
        }
    }
    return out.chopped(1);
}

// The AppStream data: every summary, paragraph, list item and keyword of the component, not of its
// releases, is followed by its translations with xml:lang, as AppStream reads them.
QString Metainfo(const QString& english, const Translations& translations) {
    static const QStringList translatable = {QStringLiteral("summary"), QStringLiteral("p"),
                                             QStringLiteral("li"), QStringLiteral("keyword")};
    QXmlStreamReader reader(english);
    QByteArray out;  // written as bytes, the declaration names their encoding
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    int inReleases = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartDocument()) {
            writer.writeStartDocument(QStringLiteral("1.0"));
        } else if (reader.isStartElement()) {
            const QString name = reader.name().toString();
            inReleases += name == QLatin1String("releases");
            if (inReleases == 0 && translatable.contains(name)) {
                const QString text = reader.readElementText().simplified();
                if (Translations::Marked(text) == nullptr) {
                    return Fail(QStringLiteral("the AppStream %1 \"%2\" is not marked for "
                                               "translation")
                                    .arg(name, text));
                }
                writer.writeTextElement(name, text);
                for (const auto& [code, translated] : translations.of(text)) {
                    writer.writeStartElement(name);
                    writer.writeAttribute(QStringLiteral("xml:lang"), code);
                    writer.writeCharacters(translated.simplified());
                    writer.writeEndElement();
                }
                continue;
            }
            writer.writeStartElement(name);
            writer.writeAttributes(reader.attributes());
        } else if (reader.isEndElement()) {
            inReleases -= reader.name() == QLatin1String("releases");
            writer.writeEndElement();
        } else if (reader.isCharacters() && !reader.isWhitespace()) {
            writer.writeCharacters(reader.text().toString().simplified());
        } else if (reader.isComment()) {
            writer.writeComment(reader.text().toString());
        }
    }
    if (reader.hasError()) {
        return Fail(
            QStringLiteral("the AppStream data cannot be read: %1").arg(reader.errorString()));
    }
    writer.writeEndDocument();
    return QString::fromUtf8(out);
}

QString Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
    return QString::fromUtf8(file.readAll());
}

bool Write(const QString& path, const QString& text) {
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 7) {
        Fail(
            QStringLiteral("usage: zapster_metadata QM_FOLDER LANGUAGES DESKTOP_IN DESKTOP_OUT "
                           "METAINFO_IN METAINFO_OUT"));
        return 2;
    }
    Translations translations;
    QString why;
    if (!translations.load(arguments[1], arguments[2].split(u',', Qt::SkipEmptyParts), &why)) {
        Fail(why);
        return 1;
    }
    const QString menuEntry = MenuEntry(Read(arguments[3]), translations);
    const QString metainfo = Metainfo(Read(arguments[5]), translations);
    if (menuEntry.isEmpty() || metainfo.isEmpty()) {
        return 1;
    }
    return Write(arguments[4], menuEntry) && Write(arguments[6], metainfo) ? 0 : 1;
}
