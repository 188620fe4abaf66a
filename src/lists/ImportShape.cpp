#include "lists/ImportShape.h"

#include <QRegularExpression>

#include <algorithm>

namespace quorvan {

namespace {

// The words lists put above their entries, compared case-folded and at one width.
const QStringList HeadingWords = {
    QStringLiteral("name"),       QStringLiteral("names"),     QStringLiteral("full name"),
    QStringLiteral("member"),     QStringLiteral("members"),   QStringLiteral("participant"),
    QStringLiteral("participants"), QStringLiteral("employee"), QStringLiteral("staff"),
    QStringLiteral("prize"),      QStringLiteral("prizes"),    QStringLiteral("hit"),
    QStringLiteral("hits"),       QStringLiteral("gift"),      QStringLiteral("gifts"),
    QStringLiteral("item"),       QStringLiteral("items"),     QStringLiteral("winner"),
    QStringLiteral("id"),         QStringLiteral("no"),        QStringLiteral("no."),
    QStringLiteral("number"),     QStringLiteral("code"),      QStringLiteral("employee no"),
    QStringLiteral("employee no."), QStringLiteral("employee number"), QStringLiteral("employee id"),
    QStringLiteral("名前"),       QStringLiteral("氏名"),      QStringLiteral("なまえ"),
    QStringLiteral("メンバー"),   QStringLiteral("参加者"),    QStringLiteral("社員"),
    QStringLiteral("社員名"),     QStringLiteral("賞品"),      QStringLiteral("景品"),
    QStringLiteral("当たり"),     QStringLiteral("当り"),      QStringLiteral("商品"),
    QStringLiteral("番号"),       QStringLiteral("社員番号"),  QStringLiteral("従業員番号"),
};

QString Folded(const QString& entry)
{
    QString folded = entry.normalized(QString::NormalizationForm_KC).toCaseFolded().simplified();
    while (folded.endsWith(QLatin1Char(':')))
        folded.chop(1);
    return folded.trimmed();
}

// Most of the entries (four in five), and at least two.
bool Mostly(qsizetype matching, qsizetype all)
{
    return all >= 2 && matching * 5 >= all * 4;
}

QString Field(const QStringList& row, int32_t column)
{
    return column <= row.size() ? row[column - 1].trimmed() : QString();
}

// The column of names beside numbers or codes in column A of `body`; 0 when none.
int32_t NamesBesideCodes(const QList<QStringList>& body)
{
    qsizetype columns = 0;
    for (const QStringList& row : body)
        columns = std::max(columns, row.size());
    const auto count = [&](int32_t column, auto test) {
        qsizetype filled = 0, matching = 0;
        for (const QStringList& row : body) {
            const QString entry = Field(row, column);
            if (entry.isEmpty())
                continue;
            ++filled;
            matching += test(entry) ? 1 : 0;
        }
        return std::pair{filled, matching};
    };
    const auto [codesFilled, codes] = count(1, LooksLikeCode);
    if (!Mostly(codes, codesFilled))
        return 0;
    static const QRegularExpression Letter(QStringLiteral("\\p{L}"));
    for (int32_t column = 2; column <= columns; ++column) {
        const auto [filled, names] =
            count(column, [](const QString& entry) { return entry.contains(Letter) && !LooksLikeCode(entry); });
        if (Mostly(names, filled) && filled * 2 >= codesFilled)
            return column;
    }
    return 0;
}

// The rows as the preview shows them, and the column of names beside codes
// among those below the first `headingRows`.
ImportShape ShapeBelowHeading(const QList<QStringList>& rows, qsizetype headingRows)
{
    ImportShape shape;
    shape.FirstRows = rows;
    shape.NamesColumn = NamesBesideCodes(rows.mid(headingRows));
    shape.Likely.Column = std::max(shape.NamesColumn, 1);
    return shape;
}

} // namespace

QString ImportChoice::ToSetting() const
{
    return QStringLiteral("%1,%2,%3").arg(Column).arg(Heading ? 1 : 0).arg(PastEmpty ? 1 : 0);
}

std::optional<ImportChoice> ImportChoice::FromSetting(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    bool number = false;
    const int column = parts[0].toInt(&number);
    if (!number || column < 1 || column > 1000)
        return std::nullopt;
    return ImportChoice{column, parts[1] == QLatin1String("1"), parts[2] == QLatin1String("1")};
}

bool LooksLikeHeading(const QString& entry)
{
    return HeadingWords.contains(Folded(entry));
}

bool LooksLikeCode(const QString& entry)
{
    static const QRegularExpression Code(QStringLiteral("^#?[A-Za-z]{0,4}[-_ ]?[0-9]+[A-Za-z]?$"));
    return Code.match(entry.normalized(QString::NormalizationForm_KC).trimmed()).hasMatch();
}

ImportShape ShapeOfRows(const QList<QStringList>& rows)
{
    const QStringList first = rows.value(0);
    const auto heading = std::find_if(first.begin(), first.end(), LooksLikeHeading);
    const bool headed = heading != first.end();
    ImportShape shape = ShapeBelowHeading(rows, headed ? 1 : 0);
    if (headed) {
        shape.HeadingLike = heading->trimmed();
        shape.Likely.Heading = true;
    }
    return shape;
}

ImportShape ShapeOfSheet(const QList<QStringList>& rows, const ListNotes& notes)
{
    ImportShape shape = ShapeBelowHeading(rows, 1);
    shape.HeadingRow = true;
    shape.StopRow = notes.StopRow;
    shape.NamesBelow = notes.NamesBelow;
    shape.Likely.PastEmpty = notes.StopRow != 0;
    return shape;
}

} // namespace quorvan
