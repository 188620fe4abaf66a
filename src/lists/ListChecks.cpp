// The list checks: repeated names, empty entries inside a list, fewer hits
// than members.

#include "lists/ListChecks.h"

#include "ladder/Geometry.h"
#include "texts/Words.h"

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
void DescribeNotes(const ListNotes& notes, bool hits, bool japanese, QStringList& lines)
{
    const QString list = japanese ? (hits ? QStringLiteral("当たり") : QStringLiteral("メンバー"))
                                  : (hits ? QStringLiteral("hit") : QStringLiteral("member"));
    if (!notes.ReplacedLines.isEmpty())
        lines.append(japanese ? QStringLiteral("%1のファイルの%2行目に読めないバイトがあり、「\uFFFD」に置き換えました")
                                    .arg(list, RowList(notes.ReplacedLines))
                              : QStringLiteral("The %1 file has bytes that are no text in lines %2; they show as “\uFFFD”")
                                    .arg(list, RowList(notes.ReplacedLines)));
    if (!notes.DroppedCrLines.isEmpty())
        lines.append(japanese ? QStringLiteral("%1のファイルの%2行目で、行末でない CR を取り除きました")
                                    .arg(list, RowList(notes.DroppedCrLines))
                              : QStringLiteral("The %1 file has a CR without LF in lines %2; it was left out")
                                    .arg(list, RowList(notes.DroppedCrLines)));
    if (!notes.CutNames.isEmpty())
        lines.append(Say(MessageId::NamesCut)
                         .arg(Verbatim(list), Verbatim(RowList(notes.CutNames)), Verbatim(LongestName))
                         .In(japanese));
    if (notes.TabColumns)
        lines.append(japanese ? QStringLiteral("%1のファイルはタブで列に分かれています。最初の列を読みました").arg(list)
                              : QStringLiteral("The %1 file's lines hold tabs: only the first column was read").arg(list));
    if (notes.StopRow > 0)
        lines.append(japanese ? QStringLiteral("%1のリストは空のセル（%2行目）で終わりました。その下に名前が%3件あります")
                                    .arg(list)
                                    .arg(notes.StopRow)
                                    .arg(notes.NamesBelow)
                              : (notes.NamesBelow == 1
                                     ? QStringLiteral("The %1 list stops at the empty cell in row %2; %3 name follows below it")
                                     : QStringLiteral("The %1 list stops at the empty cell in row %2; %3 names follow below it"))
                                    .arg(list)
                                    .arg(notes.StopRow)
                                    .arg(notes.NamesBelow));
}

// Where a workbook's list is not, or not only, where it was read: told first,
// since it explains the rest.
void DescribePlacement(const ListNotes& notes, bool hits, bool japanese, QStringList& lines)
{
    const Words listWords{hits ? QStringLiteral("Hit") : QStringLiteral("Member"),
                          hits ? QStringLiteral("当たり") : QStringLiteral("メンバー")};
    if (!notes.HiddenFirstSheet.isEmpty())
        lines.append(Say(MessageId::FirstSheetHidden).arg(listWords, Verbatim(notes.HiddenFirstSheet)).In(japanese));
    if (notes.NamesElsewhere > 0 && notes.NamesSheet.isEmpty())
        lines.append(Say(MessageId::NamesInColumn)
                         .arg(listWords, Verbatim(ColumnLetters(notes.NamesColumn)), Verbatim(notes.NamesElsewhere))
                         .In(japanese));
    else if (notes.NamesElsewhere > 0)
        lines.append(Say(MessageId::NamesOnOtherSheet)
                         .arg(listWords, Verbatim(notes.NamesSheet), Verbatim(notes.NamesElsewhere))
                         .In(japanese));
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

QStringList DescribeFindings(const ListFindings& findings, bool japanese)
{
    QStringList lines;
    DescribePlacement(findings.MemberNotes, false, japanese, lines);
    DescribePlacement(findings.HitNotes, true, japanese, lines);
    for (const CountedLine& counted : findings.Counted)
        lines.append(Say(MessageId::CountedHitsFinding)
                         .arg(Verbatim(counted.Line), Verbatim(counted.Count), Verbatim(counted.Prize))
                         .In(japanese));
    for (const auto& repeated : findings.RepeatedNames) {
        const QString rows = RowList(repeated.Rows);
        if (japanese)
            lines.append(QStringLiteral("%1に「%2」が%3回あります（%4行目）")
                             .arg(repeated.Hits ? QStringLiteral("当たり") : QStringLiteral("メンバー"), repeated.Name)
                             .arg(repeated.Rows.size())
                             .arg(rows));
        else
            lines.append(QStringLiteral("“%1” appears %2 times in the %3 (rows %4)")
                             .arg(repeated.Name)
                             .arg(repeated.Rows.size())
                             .arg(repeated.Hits ? QStringLiteral("hits") : QStringLiteral("members"), rows));
    }
    for (const auto& empty : findings.EmptyEntries) {
        const QString list = japanese ? (empty.Hits ? QStringLiteral("当たり") : QStringLiteral("メンバー"))
                                      : (empty.Hits ? QStringLiteral("hits") : QStringLiteral("members"));
        if (empty.Row == empty.LastRow)
            lines.append(japanese ? QStringLiteral("%1の%2行目が空です").arg(list).arg(empty.Row)
                                  : QStringLiteral("Row %1 of the %2 is empty").arg(empty.Row).arg(list));
        else
            lines.append(japanese ? QStringLiteral("%1の%2～%3行目が空です").arg(list).arg(empty.Row).arg(empty.LastRow)
                                  : QStringLiteral("Rows %1–%2 of the %3 are empty")
                                        .arg(empty.Row)
                                        .arg(empty.LastRow)
                                        .arg(list));
    }
    if (findings.FewerHits)
        lines.append(japanese ? QStringLiteral("当たりが%1件、メンバーが%2人です")
                                    .arg(findings.HitsFilled)
                                    .arg(findings.MembersFilled)
                              : QStringLiteral("%1 %2 for %3 %4")
                                    .arg(findings.HitsFilled)
                                    .arg(findings.HitsFilled == 1 ? QStringLiteral("hit") : QStringLiteral("hits"))
                                    .arg(findings.MembersFilled)
                                    .arg(findings.MembersFilled == 1 ? QStringLiteral("member")
                                                                     : QStringLiteral("members")));
    DescribeNotes(findings.MemberNotes, false, japanese, lines);
    DescribeNotes(findings.HitNotes, true, japanese, lines);
    return lines;
}

QString SummarizeFindings(const ListFindings& findings, bool japanese)
{
    constexpr qsizetype Shown = 2;
    const QStringList lines = DescribeFindings(findings, japanese);
    if (lines.isEmpty())
        return {};
    QString summary = (japanese ? QStringLiteral("リストの確認: ") : QStringLiteral("List check: "))
                      + lines.mid(0, Shown).join(japanese ? QStringLiteral("、") : QStringLiteral("; "));
    if (lines.size() > Shown)
        summary += japanese ? QStringLiteral("、ほか%1件").arg(lines.size() - Shown)
                            : QStringLiteral("; %1 more").arg(lines.size() - Shown);
    return summary;
}

} // namespace quorvan
