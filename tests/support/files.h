#pragma once

#include <QByteArray>
#include <QString>

// A category file of `blocks` blocks whose every text names its block and row: block 7 is titled
// "Title 7", and its third question and answer read "q7.3" and "a7.3".
QByteArray Blocks(int blocks, const char* lineEnd = "\n");

// Writes a file in the working directory; a failure fails the calling test.
void WriteFile(const QString& name, const QByteArray& bytes);
