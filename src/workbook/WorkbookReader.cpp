#include "workbook/WorkbookReader.h"

#include "files/FileError.h"
#include "files/RegularFile.h"
#include "workbook/ReaderProcess.h"

#include <QDataStream>
#include <QLocale>
#include <QtEndian>

#include <cstring>

namespace quorvan {

namespace {


// A workbook the reader has not finished with in this time is not a list.
constexpr std::chrono::seconds ReadingTime{30};

// A number as a person would write it: whole numbers without decimals,
// others in their shortest exact form.
QString NumberText(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

// The size a packed cell of that kind must have; 0 where any will do.
qsizetype SizeOf(PackedKind kind)
{
    return kind == PackedKind::Integer ? 4 : kind == PackedKind::Number ? 8 : 0;
}

} // namespace

WorkbookReader::WorkbookReader(const QString& path, WorkbookReading reading, WorkbookKind kind, quint16 column)
    : reading_(std::move(reading)), column_(column)
{
    // Opened here, refused with the reason when it is no ordinary file; the
    // reader gets the open file, never the name.
    const std::unique_ptr<QFile> workbook = OpenRegularFile(path, Say(MessageId::CannotReadWorkbook));
    try {
        const QString kindArgument = QString::fromLatin1(WorkbookKindArgument[int(kind)]);
        packed_ = RunReader(reading_.ReaderProgram, {kindArgument, QString::number(column_)}, workbook->handle(), ReadingTime,
                            LongestPackedSheet, reading_.Stop);
        cells_.resize(PackedCellPlaces);
        QDataStream cells(packed_);
        cells.setByteOrder(QDataStream::LittleEndian);
        while (!cells.atEnd()) {
            quint32 row = 0;
            quint16 column = 0;
            quint8 kind = 0;
            quint32 size = 0;
            cells >> row >> column >> kind >> size;
            const qsizetype at = cells.device()->pos();
            const bool note = row == 0 && (kind == quint8(PackedKind::HiddenSheet) || kind == quint8(PackedKind::NamesElsewhere));
            const auto index = note || kind > quint8(PackedKind::Moment) ? std::nullopt : PackedCellPlace(row, column, column_);
            const bool preview = index && *index >= ListSheetRows;
            if (cells.status() != QDataStream::Ok || (!note && !index) || size > packed_.size() - at
                || (SizeOf(PackedKind(kind)) && size != SizeOf(PackedKind(kind)))
                || (preview && size > LongestPreviewBytes))
                throw ReaderError(Say(MessageId::ReaderSentDamagedCells));
            if (note)
                TakeNote(PackedKind(kind), column, packed_.mid(at, size));
            else
                cells_[*index] = {PackedKind(kind), at, qsizetype(size)};
            cells.skipRawData(int(size));
        }
    } catch (const ReaderError& error) {
        throw FileError(Say(MessageId::CannotReadWorkbook), path, error.Message());
    }
}

void WorkbookReader::TakeNote(PackedKind kind, quint16 column, const QByteArray& bytes)
{
    if (kind == PackedKind::HiddenSheet) {
        notes_.HiddenFirstSheet = QString::fromUtf8(bytes);
        return;
    }
    if (bytes.size() < 4)
        throw ReaderError(Say(MessageId::ReaderSentDamagedCells));
    notes_.NamesCount = qFromLittleEndian<quint32>(bytes.constData());
    notes_.NamesColumn = column;
    notes_.NamesSheet = QString::fromUtf8(bytes.mid(4));
}

QString WorkbookReader::CellText(int row, int column) const
{
    const auto index = PackedCellPlace(row, column, column_);
    if (!index || cells_[*index].size == 0)
        return {};
    const Cell& cell = cells_[*index];
    const char* data = packed_.constData() + cell.at;
    const QString text = QString::fromUtf8(data, cell.size);
    switch (cell.kind) {
    case PackedKind::Text: return text;
    case PackedKind::Integer: {
        std::int32_t value = 0;
        std::memcpy(&value, data, sizeof value);
        return QString::number(value);
    }
    case PackedKind::Number: {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        return NumberText(value);
    }
    case PackedKind::Date: return reading_.ShortDate(QDate::fromString(text, Qt::ISODate));
    case PackedKind::Time: return reading_.LongTime(QTime::fromString(text, Qt::ISODate));
    case PackedKind::Moment: {
        const QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return reading_.ShortDate(moment.date()) + QLatin1Char(' ') + reading_.LongTime(moment.time());
    }
    case PackedKind::HiddenSheet:
    case PackedKind::NamesElsewhere: break; // notes on the workbook, kept apart from the cells
    }
    return {};
}

} // namespace quorvan
