#include "lists/CountedHits.h"

#include <QRegularExpression>

#include <tuple>

namespace quorvan {

namespace {

// The times sign: the multiplication sign, the asterisk and its full-width
// form anywhere; the letter x (any width or case) only with a space on its
// word side, so "3x Gift" counts and "Xbox" or "3D" do not.
const QString Digits = QStringLiteral("(\\d{1,4})");
const QRegularExpression CountFirst(QStringLiteral("^\\s*") + Digits
                                        + QStringLiteral("\\s*(?:[×*＊]|[xXｘＸ](?=\\s))\\s*(\\S.*?)\\s*$"),
                                    QRegularExpression::UseUnicodePropertiesOption);
const QRegularExpression CountLast(QStringLiteral("^\\s*(\\S.*?)\\s*(?:[×*＊]|(?<=\\s)[xXｘＸ])\\s*") + Digits
                                       + QStringLiteral("\\s*$"),
                                   QRegularExpression::UseUnicodePropertiesOption);

} // namespace

std::optional<CountedLine> ReadCount(const QString& line, int32_t most)
{
    for (const auto& [pattern, count, prize] : {std::tuple{&CountFirst, 1, 2}, std::tuple{&CountLast, 2, 1}}) {
        const QRegularExpressionMatch match = pattern->match(line);
        if (!match.hasMatch())
            continue;
        // Full-width digits become plain ones for the number alone.
        bool number = false;
        const int value = match.captured(count).normalized(QString::NormalizationForm_KC).toInt(&number);
        if (number && value >= 1 && value <= most)
            return CountedLine{line, value, match.captured(prize)};
    }
    return std::nullopt;
}

QList<CountedLine> CountedLines(const QStringList& lines, int32_t most)
{
    QList<CountedLine> counted;
    for (const QString& line : lines)
        if (auto found = ReadCount(line, most))
            counted.append(*found);
    return counted;
}

QStringList ExpandCounts(const QStringList& lines, int32_t most)
{
    QStringList expanded;
    for (const QString& line : lines) {
        const auto found = ReadCount(line, most);
        for (int32_t copy = 0; copy < (found ? found->Count : 1) && expanded.size() < most; ++copy)
            expanded.append(found ? found->Prize : line);
        if (expanded.size() >= most)
            break;
    }
    return expanded;
}

} // namespace quorvan
