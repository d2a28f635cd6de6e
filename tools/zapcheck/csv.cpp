#include "csv.h"

#include "check.h"
#include "game/zapfile.h"
#include "toolkit/linereader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// A sheet of fifteen categories is a few kilobytes; anything near this is not one.
constexpr qint64 kMaxCsvBytes = 16 * 1024 * 1024;
constexpr std::size_t kRowsPerCategory = std::tuple_size_v<decltype(CategoryBlock::questions)>;
// Separators that spreadsheets export with, in the order preferred when several fit equally.
constexpr std::array<char16_t, 3> kSeparators = {u',', u';', u'\t'};
constexpr qsizetype kColumns = 3;  // title, question, answer

struct Record {
    int row;  // the spreadsheet's row number: counts every record, header and empty ones too
    QStringList cells;
};

struct Parsed {
    std::vector<Record> records;
    int unclosedRow = 0;  // row of a quoted cell that runs to the end of the file
};

// RFC 4180: a cell that starts with a quote runs to the next lone quote and may hold separators,
// line breaks and doubled quotes. Records end at CRLF, LF or CR (older Mac exports). A quote
// anywhere else is an ordinary character, as spreadsheets read it.
Parsed Parse(QStringView text, QChar separator) {
    Parsed parsed;
    QStringList cells;
    QString cell;
    bool quoted = false;
    bool fresh = true;  // nothing of the current cell read yet
    int row = 1;
    const auto endCell = [&] {
        cells << cell;
        cell.clear();
        fresh = true;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                cell += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                cell += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"' && fresh) {
            quoted = true;
            fresh = false;
        } else if (c == separator) {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            endCell();
            parsed.records.push_back({row++, cells});
            cells.clear();
        } else {
            cell += c;
            fresh = false;
        }
    }
    if (quoted) {
        parsed.unclosedRow = row;
    } else if (!fresh || !cells.isEmpty()) {
        endCell();
        parsed.records.push_back({row, cells});
    }
    return parsed;
}

// Spaces and tabs around a cell are the spreadsheet's padding, never part of the text.
QString Trimmed(const QString& text) {
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && blank(text[first])) {
        ++first;
    }
    while (last > first && blank(text[last - 1])) {
        --last;
    }
    return text.sliced(first, last - first);
}

// Cells after the last one that holds something: spreadsheets export empty formatted columns.
qsizetype UsedCells(const QStringList& cells) {
    qsizetype n = cells.size();
    while (n > 0 && Trimmed(cells[n - 1]).isEmpty()) {
        --n;
    }
    return n;
}

// The separator is the one that gives the most rows exactly three columns.
Parsed ParseWithBestSeparator(QStringView text) {
    Parsed best;
    qsizetype bestScore = -1;
    for (const char16_t separator : kSeparators) {
        Parsed parsed = Parse(text, QChar(separator));
        const qsizetype score =
            std::count_if(parsed.records.begin(), parsed.records.end(),
                          [](const Record& r) { return UsedCells(r.cells) == kColumns; });
        if (score > bestScore) {
            bestScore = score;
            best = std::move(parsed);
        }
    }
    return best;
}

// A header row names the question and answer columns "Question(s)" and "Answer(s)", in any case,
// with or without a colon; the title column's header may read anything ("Category", "Topic").
// Single letters ("Q", "A") are not taken: they could well be a real question and answer.
bool IsHeader(const QStringList& cells) {
    const auto word = [&](qsizetype i) {
        QString w = Trimmed(cells.value(i)).toLower();
        if (w.endsWith(u':')) {
            w.chop(1);
        }
        return w;
    };
    static const QStringList kQuestion = {"question", "questions"};
    static const QStringList kAnswer = {"answer", "answers"};
    return kQuestion.contains(word(1)) && kAnswer.contains(word(2));
}

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

class Conversion {
public:
    Conversion(const QString& csvPath, QTextStream& out) : path_(csvPath), out_(out) {}

    // Reads and checks the whole sheet; false when it cannot become a category file.
    bool read();
    QByteArray zapText() const;
    qsizetype categories() const { return static_cast<qsizetype>(blocks_.size()); }

private:
    void problem(int row, const QString& text);
    // `empty`, `broken` and `long` are the messages for this cell's kind of text.
    void checkText(int row, const QString& text, const char* const (&messages)[3]);
    bool decode(QString& text);

    QString path_;
    QTextStream& out_;
    int problems_ = 0;
    std::vector<CategoryBlock> blocks_;
};

void Conversion::problem(int row, const QString& text) {
    out_ << path_;
    if (row > 0) {
        out_ << ':' << row;
    }
    out_ << ": problem: " << text << '\n';
    ++problems_;
}

// Whole sentences for each kind of cell, since a translation's words around them differ.
constexpr const char* kTitleMessages[3] = {
    QT_TRANSLATE_NOOP("zapcheck", "the title is empty"),
    QT_TRANSLATE_NOOP("zapcheck", "the title holds a line break; a line of a category file cannot"),
    QT_TRANSLATE_NOOP("zapcheck", "the title is longer than the game reads (%1 bytes)")};
constexpr const char* kQuestionMessages[3] = {
    QT_TRANSLATE_NOOP("zapcheck", "the question is empty"),
    QT_TRANSLATE_NOOP("zapcheck",
                      "the question holds a line break; a line of a category file cannot"),
    QT_TRANSLATE_NOOP("zapcheck", "the question is longer than the game reads (%1 bytes)")};
constexpr const char* kAnswerMessages[3] = {
    QT_TRANSLATE_NOOP("zapcheck", "the answer is empty"),
    QT_TRANSLATE_NOOP("zapcheck",
                      "the answer holds a line break; a line of a category file cannot"),
    QT_TRANSLATE_NOOP("zapcheck", "the answer is longer than the game reads (%1 bytes)")};

void Conversion::checkText(int row, const QString& text, const char* const (&messages)[3]) {
    if (text.isEmpty()) {
        problem(row, Texts::tr(messages[0]));
    } else if (text.contains(u'\n') || text.contains(u'\r')) {
        problem(row, Texts::tr(messages[1]));
    } else if (text.toUtf8().size() + 3 > tk::LineReader::kMaxLineBytes) {  // 3: "Q: "
        problem(row, Texts::tr(messages[2]).arg(tk::LineReader::kMaxLineBytes));
    }
}

bool Conversion::decode(QString& text) {
    const QString reason = UnreadableReason(path_);
    if (!reason.isEmpty()) {
        problem(0, Texts::tr("cannot be read: %1").arg(reason));
        return false;
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        problem(0, Texts::tr("cannot be read: %1").arg(file.errorString()));
        return false;
    }
    QByteArray bytes = file.read(kMaxCsvBytes + 1);
    if (bytes.size() > kMaxCsvBytes) {
        problem(0,
                Texts::tr("larger than %1 MiB; not a sheet of questions").arg(kMaxCsvBytes >> 20));
        return false;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        problem(0, Texts::tr("UTF-16 text; save the sheet as CSV in UTF-8"));
        return false;
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    if (!QByteArrayView(bytes).isValidUtf8()) {
        int line = 1;
        for (const QByteArray& part : bytes.split('\n')) {
            if (!QByteArrayView(part).isValidUtf8()) {
                break;
            }
            ++line;
        }
        problem(line, Texts::tr("not valid UTF-8; save the sheet as CSV in UTF-8"));
        return false;
    }
    text = QString::fromUtf8(bytes);
    return true;
}

bool Conversion::read() {
    QString text;
    if (!decode(text)) {
        return false;
    }
    const Parsed parsed = ParseWithBestSeparator(text);
    if (parsed.unclosedRow > 0) {
        problem(parsed.unclosedRow, Texts::tr("a quoted cell that starts here never ends"));
        return false;
    }
    // Rows with nothing in them (trailing rows of an export, spacing) are skipped.
    std::vector<Record> rows;
    for (const Record& record : parsed.records) {
        if (UsedCells(record.cells) > 0) {
            rows.push_back(record);
        }
    }
    if (!rows.empty() && IsHeader(rows.front().cells)) {
        rows.erase(rows.begin());
    }
    if (rows.empty()) {
        problem(0, Texts::tr("holds no question rows"));
        return false;
    }
    for (std::size_t start = 0; start < rows.size(); start += kRowsPerCategory) {
        const std::size_t count = std::min(kRowsPerCategory, rows.size() - start);
        if (count < kRowsPerCategory) {
            problem(rows[start].row,
                    Texts::tr("the category that starts here has %1 of its %2 rows; a header row "
                              "is skipped only when it names the columns Question and Answer")
                        .arg(count)
                        .arg(kRowsPerCategory));
        }
        // The title is taken from the category's first row; the other rows may repeat it or
        // leave it empty, but a different title means the rows are not grouped in sixes.
        CategoryBlock block;
        for (std::size_t r = 0; r < count; ++r) {
            const Record& record = rows[start + r];
            if (UsedCells(record.cells) > kColumns) {
                problem(record.row, Texts::tr("more than three columns (title, question, "
                                              "answer); is a separator in an unquoted cell?"));
            }
            const QString title = Trimmed(record.cells.value(0));
            if (r == 0) {
                block.title = title;
                if (title.isEmpty()) {
                    problem(record.row, Texts::tr("the first row of a category needs its title"));
                } else {
                    checkText(record.row, title, kTitleMessages);
                }
            } else if (!title.isEmpty() && title != block.title) {
                problem(record.row,
                        Texts::tr("title %1 differs from %2 on row %3; each category is six rows "
                                  "under one title")
                            .arg(Quoted(title), Quoted(block.title))
                            .arg(rows[start].row));
            }
            block.questions[r] = Trimmed(record.cells.value(1));
            block.answers[r] = Trimmed(record.cells.value(2));
            checkText(record.row, block.questions[r], kQuestionMessages);
            checkText(record.row, block.answers[r], kAnswerMessages);
        }
        blocks_.push_back(block);
    }
    if (problems_ == 0 && blocks_.size() > kCategorySlots) {
        out_ << path_ << ':' << rows[kCategorySlots * kRowsPerCategory].row << ": warning: "
             << Texts::tr(
                    "categories from here on go past the fifteenth; the game never reads them")
             << '\n';
    }
    return problems_ == 0;
}

QByteArray Conversion::zapText() const {
    QString text;
    for (const CategoryBlock& block : blocks_) {
        text += block.title + u'\n';
        for (std::size_t r = 0; r < kRowsPerCategory; ++r) {
            text += QStringLiteral("Q: ") + block.questions[r] + u'\n';
            text += QStringLiteral("A: ") + block.answers[r] + u'\n';
        }
    }
    return text.toUtf8();
}

}  // namespace

int ConvertCsv(const QString& csvPath, const QString& zapPath, bool force, QTextStream& out) {
    Conversion conversion(csvPath, out);
    bool ok = conversion.read();
    const QFileInfo target(zapPath);
    if (!force && (target.exists() || target.isSymLink())) {
        out << zapPath << ": problem: " << Texts::tr("already exists; add --force to replace it")
            << '\n';
        ok = false;
    }
    if (!ok) {
        out << zapPath << ": " << Texts::tr("nothing written") << '\n';
        return 1;
    }
    // QSaveFile writes a temporary file next to the target and renames it only once complete, so
    // a full disk or an interruption never leaves a half-written category file.
    const QByteArray bytes = conversion.zapText();
    QSaveFile file(zapPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        out << zapPath << ": problem: "
            << Texts::tr("cannot be written: %1; nothing written").arg(file.errorString()) << '\n';
        return 1;
    }
    out << zapPath << ": "
        << Texts::tr("written from %1: %2; %3")
               .arg(csvPath,
                    Count(conversion.categories(), QT_TRANSLATE_N_NOOP("zapcheck", "%1 category"),
                          QT_TRANSLATE_N_NOOP("zapcheck", "%1 categories")),
                    DescribeSlots(conversion.categories()))
        << '\n';
    return 0;
}
