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

// The block for the results at the moment `date` `time`, as the file holds
// it, in `encoding` (a name QStringEncoder knows). A line break inside a
// name is written as a space, so that every row stays one line.
QByteArray TextResultBlock(const QString& date, const QString& time, const QList<ResultPair>& results,
                           const QString& encoding = QStringLiteral("UTF-8"));

// The encoding a block is added to the text file at `path` in: that of its
// text so far, read as list files are (`textLocale` deciding a tie); UTF-8
// for a new, empty or unreadable file.
QString TextResultEncoding(const QString& path, const QString& textLocale);

// The pairs of every block of a text result file, read back from its lines;
// lines of no block are passed over.
QList<ResultPair> ReadTextResult(const QStringList& lines);

} // namespace quorvan
