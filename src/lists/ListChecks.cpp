// The list checks: repeated names, empty entries inside a list, fewer hits
// than members.

#include "lists/ListChecks.h"

#include "ladder/Geometry.h"
#include "texts/UserText.h"

#include <QCoreApplication>
#include <QHash>

namespace quorvan {

namespace {

// The form two names are compared in: compatibility-normalised (full-width
// letters and digits become their plain forms), case-folded, with runs of
// spaces made one and none at either end.
QString ComparisonKey(const QString& name)
{
    return name.normalized(QString::NormalizationForm_KC).toCaseFolded().simplified();
}

void CheckList(const QStringList& names, bool hits, bool emptiesAllowed, ListFindings& findings)
{
    QHash<QString, qsizetype> repeatedIndex; // key → index into RepeatedNames, or -1 when seen once
    QHash<QString, int32_t> firstRow;
    int32_t lastFilled = 0;
    for (int32_t row = 1; row <= names.size(); ++row) {
        const QString key = ComparisonKey(names[row - 1]);
        if (key.isEmpty())
            continue;
        lastFilled = row;
        const auto first = firstRow.constFind(key);
        if (first == firstRow.cend()) {
            firstRow.insert(key, row);
            continue;
        }
        auto index = repeatedIndex.find(key);
        if (index == repeatedIndex.end()) {
            index = repeatedIndex.insert(key, findings.RepeatedNames.size());
            findings.RepeatedNames.append({hits, names[*first - 1].trimmed(), {*first}});
        }
        findings.RepeatedNames[*index].Rows.append(row);
    }
    const int32_t checked = emptiesAllowed ? 1 : (hits ? lastFilled : static_cast<int32_t>(names.size()) + 1);
    for (int32_t row = 1; row < checked; ++row) {
        if (!ComparisonKey(names[row - 1]).isEmpty())
            continue;
        if (!findings.EmptyEntries.isEmpty() && findings.EmptyEntries.last().Hits == hits
            && findings.EmptyEntries.last().LastRow == row - 1)
            findings.EmptyEntries.last().LastRow = row;
        else
            findings.EmptyEntries.append({hits, row, row});
    }
}

int32_t Filled(const QStringList& names)
{
    int32_t filled = 0;
    for (const QString& name : names)
        filled += name.trimmed().isEmpty() ? 0 : 1;
    return filled;
}

QString RowList(const QList<int32_t>& rows)
{
    QStringList numbers;
    for (int32_t row : rows)
        numbers.append(QString::number(row));
    return numbers.join(QStringLiteral(", "));
}

// A column's letters, as a spreadsheet names it: 1 is "A", 27 "AA".
QString ColumnLetters(int32_t column)
{
    QString letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar(u'A' + (column - 1) % 26));
    return letters;
}

// What reading a list file had to do, one line each.
void DescribeNotes(const ListNotes& notes, bool hits, QStringList& lines)
{
    const QString list = hits ? QCoreApplication::translate("ListChecks", "hit") : QCoreApplication::translate("ListChecks", "member");
    if (!notes.ReplacedLines.isEmpty())
        lines.append(QCoreApplication::translate("ListChecks", "The %1 file has bytes that are no text in lines %2; "
                "they show as “\uFFFD”")
                         .arg(list, RowList(notes.ReplacedLines)));
    if (!notes.DroppedCrLines.isEmpty())
        lines.append(QCoreApplication::translate("ListChecks", "The %1 file has a CR without LF in lines %2; it was "
                "left out")
                         .arg(list, RowList(notes.DroppedCrLines)));
    if (!notes.CutNames.isEmpty())
        lines.append(Say(MessageId::NamesCut).arg(list, RowList(notes.CutNames), QString::number(LongestName)));
    if (notes.TabColumns)
        lines.append(QCoreApplication::translate("ListChecks", "The %1 file's lines hold tabs: only the first column "
                "was read").arg(list));
    if (notes.StopRow > 0)
        lines.append(QCoreApplication::translate("ListChecks", "The %1 list stops at the empty cell in row %2; %n "
                "names follow below it", nullptr, notes.NamesBelow)
                         .arg(list, QString::number(notes.StopRow)));
}

// Where a workbook's list is not, or not only, where it was read: told first,
// since it explains the rest.
void DescribePlacement(const ListNotes& notes, bool hits, QStringList& lines)
{
    const QString list = hits ? QCoreApplication::translate("ListChecks", "Hit") : QCoreApplication::translate("ListChecks", "Member");
    if (!notes.HiddenFirstSheet.isEmpty())
        lines.append(Say(MessageId::FirstSheetHidden).arg(list, notes.HiddenFirstSheet));
    if (notes.NamesElsewhere > 0 && notes.NamesSheet.isEmpty())
        lines.append(Say(MessageId::NamesInColumn)
                         .arg(list, ColumnLetters(notes.ReadColumn), ColumnLetters(notes.NamesColumn),
                              QString::number(notes.NamesElsewhere)));
    else if (notes.NamesElsewhere > 0)
        lines.append(Say(MessageId::NamesOnOtherSheet).arg(list, notes.NamesSheet, QString::number(notes.NamesElsewhere)));
}

} // namespace

void ForgiveCountedRepeats(ListFindings& findings)
{
    QList<QString> counted;
    for (const CountedLine& line : findings.Counted)
        counted.append(ComparisonKey(line.Prize));
    findings.RepeatedNames.removeIf([&](const auto& repeated) {
        return repeated.Hits && counted.contains(ComparisonKey(repeated.Name));
    });
}

ListFindings CheckLists(const QStringList& members, const QStringList& hits, bool beforeBuild, bool hitsSpread,
                        const ListNotes& memberNotes, const ListNotes& hitNotes)
{
    ListFindings findings;
    findings.MemberNotes = memberNotes;
    findings.HitNotes = hitNotes;
    CheckList(members, false, false, findings);
    CheckList(hits, true, hitsSpread, findings);
    findings.MembersFilled = Filled(members);
    findings.HitsFilled = Filled(hits);
    findings.FewerHits = findings.HitsFilled < findings.MembersFilled && (beforeBuild || findings.HitsFilled > 0);
    return findings;
}

QStringList DescribeFindings(const ListFindings& findings)
{
    QStringList lines;
    DescribePlacement(findings.MemberNotes, false, lines);
    DescribePlacement(findings.HitNotes, true, lines);
    for (const CountedLine& counted : findings.Counted)
        lines.append(Say(MessageId::CountedHitsFinding).arg(counted.Line, QString::number(counted.Count), counted.Prize));
    for (const auto& repeated : findings.RepeatedNames)
        lines.append(QCoreApplication::translate("ListChecks", "“%1” appears %2 times in the %3 (rows %4)")
                         .arg(repeated.Name, QString::number(repeated.Rows.size()),
                              repeated.Hits ? QCoreApplication::translate("ListChecks", "hits") : QCoreApplication::translate("ListChecks", "members"), RowList(repeated.Rows)));
    for (const auto& empty : findings.EmptyEntries) {
        const QString list = empty.Hits ? QCoreApplication::translate("ListChecks", "hits") : QCoreApplication::translate("ListChecks", "members");
        if (empty.Row == empty.LastRow)
            lines.append(QCoreApplication::translate("ListChecks", "Row %1 of the %2 is empty").arg(QString::number(empty.Row), list));
        else
            lines.append(QCoreApplication::translate("ListChecks", "Rows %1–%2 of the %3 are empty")
                             .arg(QString::number(empty.Row), QString::number(empty.LastRow), list));
    }
    if (findings.FewerHits)
        lines.append(QCoreApplication::translate("ListChecks", "%1 for %2").arg(QCoreApplication::translate("ListChecks", "%n hits", nullptr, findings.HitsFilled), QCoreApplication::translate("ListChecks", "%n members", nullptr, findings.MembersFilled)));
    DescribeNotes(findings.MemberNotes, false, lines);
    DescribeNotes(findings.HitNotes, true, lines);
    return lines;
}

QString SummarizeFindings(const ListFindings& findings)
{
    constexpr qsizetype Shown = 2;
    const QStringList lines = DescribeFindings(findings);
    if (lines.isEmpty())
        return {};
    QString summary = QCoreApplication::translate("ListChecks", "List check: ") + lines.mid(0, Shown).join(QCoreApplication::translate("ListChecks", "; "));
    if (lines.size() > Shown)
        summary += QCoreApplication::translate("ListChecks", "; %1 more").arg(lines.size() - Shown);
    return summary;
}

} // namespace quorvan
