#include "game/results.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <array>

namespace game {
namespace {

// The results' own words, in the room's language; the game's content stays as it was written.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Results)
};

// The columns of the spreadsheet and the page, from the second on, before the teams' scores.
QStringList Columns(bool page) {
    QStringList columns{Texts::tr("Round"),    Texts::tr("Category"), Texts::tr("Points"),
                        Texts::tr("Question"), Texts::tr("Answer"),   Texts::tr("Team")};
    if (!page) {
        columns << Texts::tr("Zapster");
    }
    columns << Texts::tr("Verdict");
    if (!page) {
        columns << Texts::tr("Judged in play");
    }
    return columns;
}

QString TeamName(const Match& game, int team) {
    return game.setup().teamNames[std::size_t(team)];
}

// A cell of text. Category files and team names travel between teachers: a text that begins like
// a formula is kept as text with a leading apostrophe, as spreadsheets write it themselves. A cell
// holding the separator, a quote or a line break is quoted, its quotes doubled.
QString TextCell(QString text, QChar separator) {
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && kFormulaStarts.contains(text[0])) {
        text.prepend(QLatin1Char('\''));
    }
    if (text.contains(separator) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    }
    return text;
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

// One outcome as the results show it, in plain text: the spreadsheet and the page differ only in
// how they write it.
struct ResultRow {
    QString number, round, category, points, question, answer, team, verdict, inPlay;
    std::array<QString, kTeams> score;
};

ResultRow RowOf(const Match& game, std::size_t index) {
    const Outcome& o = game.state().record[index];
    return {QString::number(index + 1),
            QString::number(o.question.round),
            CategoryOf(game, o),
            QString::number(o.verdict == Verdict::ByHand ? o.change : o.question.points),
            QuestionOf(game, o),
            AnswerOf(game, o),
            TeamOf(game, o),
            VerdictWords(o),
            o.judgedInPlay ? VerdictWords(o, *o.judgedInPlay) : QString(),
            {QString::number(o.scoreAfter[0]), QString::number(o.scoreAfter[1])}};
}

}  // namespace

QString VerdictWords(const Outcome& outcome, Verdict verdict) {
    const bool zapster = outcome.question.zapster;
    switch (verdict) {
        case Verdict::GotIt:
            return zapster ? Texts::tr("Zapster: right") : Texts::tr("Got it");
        case Verdict::MissedIt:
            return zapster ? Texts::tr("Zapster: wrong") : Texts::tr("Missed it");
        case Verdict::TimeUp:
            return Texts::tr("Time up");
        case Verdict::ClockRanOut:
            return Texts::tr("Zapster: clock ran out");
        case Verdict::ByHand:
            break;
    }
    return Texts::tr("By hand");
}

QString VerdictWords(const Outcome& outcome) {
    return VerdictWords(outcome, outcome.verdict);
}

QString CategoryOf(const Match& game, const Outcome& outcome) {
    if (outcome.verdict == Verdict::ByHand) {
        return QString();
    }
    return game.content().At(outcome.question.round, outcome.question.column).title;
}

QString QuestionOf(const Match& game, const Outcome& outcome) {
    if (outcome.verdict == Verdict::ByHand) {
        return Texts::tr("Score corrected by hand: %1").arg(outcome.reason);
    }
    const OpenQuestion& q = outcome.question;
    return game.content().At(q.round, q.column).questions[std::size_t(q.row)];
}

QString AnswerOf(const Match& game, const Outcome& outcome) {
    if (outcome.verdict == Verdict::ByHand) {
        return QString();
    }
    const OpenQuestion& q = outcome.question;
    return game.content().At(q.round, q.column).answers[std::size_t(q.row)];
}

QString TeamOf(const Match& game, const Outcome& outcome) {
    return outcome.team == kNoTeam ? QString() : TeamName(game, outcome.team);
}

QString Standing(const Match& game) {
    const int left = game.Score(0), right = game.Score(1);
    if (!game.Over()) {
        return Texts::tr("Round %1 of %2 is being played")
            .arg(game.Round())
            .arg(game.setup().roundsToPlay);
    }
    if (left == right) {
        return Texts::tr("A tie");
    }
    return Texts::tr("%1 win").arg(TeamName(game, left > right ? 0 : 1));
}

QChar CsvSeparator() {
    return QLocale::system().decimalPoint() == QStringLiteral(",") ? QLatin1Char(';')
                                                                   : QLatin1Char(',');
}

QByteArray ResultsCsv(const Match& game, QChar separator) {
    const auto text = [separator](const QString& cell) { return TextCell(cell, separator); };
    QStringList header{text(Texts::tr("No."))};
    for (const QString& column : Columns(false)) {
        header << text(column);
    }
    for (int team = 0; team < kTeams; ++team) {
        header << text(Texts::tr("%1 score").arg(TeamName(game, team)));
    }
    QStringList lines{header.join(separator)};
    const std::vector<Outcome>& record = game.state().record;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const ResultRow row = RowOf(game, i);
        lines << QStringList{row.number,
                             row.round,
                             text(row.category),
                             row.points,
                             text(row.question),
                             text(row.answer),
                             text(row.team),
                             record[i].question.zapster ? text(Texts::tr("yes")) : QString(),
                             row.verdict,
                             row.inPlay,
                             row.score[0],
                             row.score[1]}
                     .join(separator);
    }
    // Spreadsheets on every system read CRLF line ends; a line break inside a quoted cell stays
    // as the category file had it.
    return QByteArray("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

QString ResultsPage(const Match& game, const QDateTime& when) {
    QString page = QStringLiteral(
                       "<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                       "<body style=\"font-family: sans-serif; font-size: 9pt;\">")
                       .arg(Escaped(Texts::tr("Zapster! results")));
    page += QStringLiteral("<h2>Zapster! &#8211; %1 %2 : %3 %4</h2>")
                .arg(Escaped(TeamName(game, 0)), QString::number(game.Score(0)),
                     QString::number(game.Score(1)), Escaped(TeamName(game, 1)));
    page += QStringLiteral("<p><b>%1.</b> %2</p>")
                .arg(Escaped(Standing(game)),
                     QLocale().toString(when, QStringLiteral("d MMMM yyyy, HH:mm")));
    page += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>");
    for (const QString& column : QStringList{Texts::tr("No.")} + Columns(true) +
                                     QStringList{TeamName(game, 0), TeamName(game, 1)}) {
        page += QStringLiteral("<th>%1</th>").arg(Escaped(column));
    }
    page += QStringLiteral("</tr>");
    const std::vector<Outcome>& record = game.state().record;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const ResultRow row = RowOf(game, i);
        QString verdict = Escaped(row.verdict);
        if (!row.inPlay.isEmpty()) {
            verdict += QStringLiteral("<br><i>%1</i>")
                           .arg(Escaped(Texts::tr("corrected from %1").arg(row.inPlay)));
        }
        page += QStringLiteral(
                    "<tr><td>%1</td><td>%2</td><td>%3</td><td align=\"right\">%4</td><td>%5</td>"
                    "<td>%6</td><td>%7</td><td>%8</td><td align=\"right\">%9</td>"
                    "<td align=\"right\">%10</td></tr>")
                    .arg(row.number, row.round, Escaped(row.category), row.points,
                         Escaped(row.question), Escaped(row.answer), Escaped(row.team), verdict,
                         row.score[0], row.score[1]);
    }
    page += QStringLiteral("</table></body></html>");
    return page;
}

}  // namespace game
