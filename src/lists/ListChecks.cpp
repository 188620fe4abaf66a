// The list checks: repeated names, empty entries inside a list, fewer hits
// than members.

#include "lists/ListChecks.h"

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
    for (int32_t row = 1; row < lastFilled && !emptiesAllowed; ++row)
        if (ComparisonKey(names[row - 1]).isEmpty())
            findings.EmptyEntries.append({hits, row});
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

} // namespace

ListFindings CheckLists(const QStringList& members, const QStringList& hits, bool beforeBuild, bool hitsSpread)
{
    ListFindings findings;
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
    for (const auto& empty : findings.EmptyEntries)
        lines.append(japanese ? QStringLiteral("%1の%2行目が空です")
                                    .arg(empty.Hits ? QStringLiteral("当たり") : QStringLiteral("メンバー"))
                                    .arg(empty.Row)
                              : QStringLiteral("Row %1 of the %2 is empty")
                                    .arg(empty.Row)
                                    .arg(empty.Hits ? QStringLiteral("hits") : QStringLiteral("members")));
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
