#include "XlsReader.h"

#include "FileError.h"
#include "FreexlSheet.h"
#include "ReaderProcess.h"
#include "RegularFile.h"

#include <QDataStream>
#include <QLocale>

#include <cstring>

namespace quorvan {

namespace {

const QString CannotRead = QStringLiteral("Cannot read the workbook");

// A workbook the reader has not finished with in this time is not a list.
constexpr std::chrono::seconds ReadingTime{30};

// A number as a person would write it: whole numbers without decimals,
// others in their shortest exact form.
QString NumberText(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

std::uint64_t KeyOf(std::uint32_t row, std::uint16_t column)
{
    return (std::uint64_t(row) << 16) | column;
}

} // namespace

XlsReader::XlsReader(const QString& path, WorkbookReading reading) : reading_(std::move(reading))
{
    // Refused here with the reason, before the reader program opens it.
    OpenRegularFile(path, CannotRead);
    try {
        const QByteArray bytes = RunReader(reading_.ReaderProgram, {path}, ReadingTime);
        QDataStream cells(bytes);
        cells.setByteOrder(QDataStream::LittleEndian);
        while (!cells.atEnd()) {
            quint32 row = 0;
            quint16 column = 0;
            quint8 kind = 0;
            quint32 size = 0;
            cells >> row >> column >> kind >> size;
            QByteArray data(qsizetype(std::min<quint32>(size, quint32(bytes.size()))), Qt::Uninitialized);
            if (cells.status() != QDataStream::Ok || cells.readRawData(data.data(), data.size()) != qsizetype(size))
                throw ReaderError("The reader sent damaged cells.");
            cells_[KeyOf(row, column)] = {PackedKind(kind), data};
        }
    } catch (const ReaderError& error) {
        throw FileError(CannotRead, path, QString::fromUtf8(error.what()));
    }
}

QString XlsReader::CellText(int row, int column) const
{
    if (row < 1 || column < 1 || column > 0xFFFF)
        return {};
    const auto found = cells_.find(KeyOf(std::uint32_t(row), std::uint16_t(column)));
    if (found == cells_.end())
        return {};
    const QByteArray& data = found->second.data;
    const QString text = QString::fromUtf8(data);
    switch (found->second.kind) {
    case PackedKind::Text: return text;
    case PackedKind::Integer: {
        std::int32_t value = 0;
        std::memcpy(&value, data.constData(), std::min(sizeof value, std::size_t(data.size())));
        return QString::number(value);
    }
    case PackedKind::Number: {
        double value = 0;
        std::memcpy(&value, data.constData(), std::min(sizeof value, std::size_t(data.size())));
        return NumberText(value);
    }
    case PackedKind::Date: return reading_.ShortDate(QDate::fromString(text, Qt::ISODate));
    case PackedKind::Time: return reading_.LongTime(QTime::fromString(text, Qt::ISODate));
    case PackedKind::Moment: {
        const QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return reading_.ShortDate(moment.date()) + QLatin1Char(' ') + reading_.LongTime(moment.time());
    }
    }
    return {};
}

} // namespace quorvan
