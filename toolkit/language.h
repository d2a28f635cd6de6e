#pragma once

#include <QString>
#include <QStringList>

namespace tk {

// The language of the game's own texts. English is the game's own language and stands for any text
// a translation lacks; category files are the host's own and are never translated.

// The language asked for on the command line, `--lang xx` or `--lang=xx`, before any `--` that
// ends the options; empty when none is.
QString LanguageAsked(const QStringList& arguments);

// The languages the desktop asks for, best first, as a desktop program reads them: LANGUAGE (a
// list, heeded only when the messages' locale is not the plain "C" one), then the first set of
// LC_ALL, LC_MESSAGES and LANG. Encodings and modifiers are dropped: "de_DE.UTF-8" is "de_DE".
QStringList DesktopLanguages();

// Shows the game's texts, and Qt's own in its dialogs, in the first of `languages` that has a
// translation: "de_AT" finds German. Returns the language chosen, or "en" when none has one.
// A later call replaces what an earlier one chose.
QString UseLanguage(const QStringList& languages);

// What a program of the game speaks from its start: the language `asked` for, or the desktop's
// when none is.
QString UseAskedOrDesktopLanguage(const QString& asked);

// Where the translations are: beside the program in the build tree, with the game's data once
// installed.
QString TranslationsFolder();

}  // namespace tk
