#include "support/files.h"

#include <QtTest>

QByteArray Blocks(int blocks, const char* lineEnd) {
    QByteArray out;
    for (int k = 0; k < blocks; ++k) {
        out += "Title " + QByteArray::number(k) + lineEnd;
        for (int row = 1; row <= 6; ++row) {
            out += "Q: q" + QByteArray::number(k) + "." + QByteArray::number(row) + lineEnd;
            out += "A: a" + QByteArray::number(k) + "." + QByteArray::number(row) + lineEnd;
        }
    }
    return out;
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(name));
    QCOMPARE(file.write(bytes), bytes.size());
}
