#pragma once

#include <QString>

class QTextStream;

// Turns a spreadsheet export (title, question, answer per row; six rows per category) into a
// category file with "Q:"/"A:" tags, LF line ends and UTF-8. Nothing is written unless the whole
// sheet converts; an existing `zapPath` is replaced only with `force`. Messages go to `out` as
// "file:row: problem: ...". Returns the exit status: 0 written, 1 refused.
int ConvertCsv(const QString& csvPath, const QString& zapPath, bool force, QTextStream& out);
