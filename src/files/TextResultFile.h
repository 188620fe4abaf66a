#pragma once
// The text result file: one block per lottery, added at the file's end
// (FileSaving.h). A block is a time-stamp line, a column line and one
// hit/member line per row, every line ended by CR LF.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quorvan {

// One row of a lottery's outcome: the hit and the member it reached.
struct ResultPair {
    QString Hit;
    QString Member;
};

// The block for the results at the moment `date` `time`, as the file holds it.
QByteArray TextResultBlock(const QString& date, const QString& time, const QList<ResultPair>& results);

// The pairs of every block of a text result file, read back from its lines;
// lines of no block are passed over.
QList<ResultPair> ReadTextResult(const QStringList& lines);

} // namespace quorvan
