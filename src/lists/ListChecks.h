#pragma once
// The mistakes in the lists that start disputes at a draw: a name entered
// twice, an empty entry with names after it, fewer hits than members. Found
// and put into words; nothing is refused.

#include "lists/CountedHits.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace quorvan {

struct ListFindings {
    struct Repeated {
        bool Hits = false;        // in the hit list, else the member list
        QString Name;             // as first entered
        QList<int32_t> Rows;      // every row holding it, from 1
    };
    struct Empty {
        bool Hits = false;
        int32_t Row = 0;
    };
    QList<Repeated> RepeatedNames;
    QList<Empty> EmptyEntries;
    // Filled entries of each list, when there are fewer hits than members.
    int32_t HitsFilled = 0;
    int32_t MembersFilled = 0;
    bool FewerHits = false;
    // Hit lines the import counted as several hits, told so that nobody is surprised.
    QList<CountedLine> Counted;

    bool empty() const
    {
        return RepeatedNames.isEmpty() && EmptyEntries.isEmpty() && !FewerHits && Counted.isEmpty();
    }
};

// Names count as the same when they differ only in letter case, width
// (full-width and half-width forms) or spacing. An empty entry counts only
// when a filled one follows it in its list. Fewer hits than members counts
// when the hit list has entries, or always when `beforeBuild`. After a fair
// draw (`hitsSpread`) the hits stand among empty rows, the rows that win
// nothing, so an empty hit row is no finding.
ListFindings CheckLists(const QStringList& members, const QStringList& hits, bool beforeBuild,
                        bool hitsSpread = false);

// One line per finding, in the user's language.
QStringList DescribeFindings(const ListFindings& findings, bool japanese);
// A status line with the first findings and how many more there are.
QString SummarizeFindings(const ListFindings& findings, bool japanese);

} // namespace quorvan
