#pragma once
// The text result file: one block per lottery, added at the file's end.
// A block is a time-stamp line, a column line and one hit/member line per
// row, every line ended by CR LF.

#include <QByteArray>
#include <QList>
#include <QString>

namespace quorvan {

// One row of a lottery's outcome: the hit and the member it reached.
struct ResultPair {
    QString Hit;
    QString Member;
};

// The block for the results at the moment `date` `time`, as the file holds it.
QByteArray TextResultBlock(const QString& date, const QString& time, const QList<ResultPair>& results);

// Adds `block` at the end of the file, creating it if there is none, in one
// write. A write that fails takes the file back to the size it had, so no
// half block stays behind. Throws FileError naming the file and the reason.
void AppendTextResult(const QString& path, const QByteArray& block);

} // namespace quorvan
