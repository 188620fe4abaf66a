#pragma once
// The mistakes in the lists that start disputes at a draw: a name entered
// twice, an empty member (who takes part in the draw like any other), an
// empty hit with hits after it, fewer hits than members, and what reading a
// list file had to do (ListNotes.h). Found and put into words; nothing is refused.

#include "lists/CountedHits.h"
#include "lists/ListNotes.h"

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
        int32_t LastRow = 0; // the last of a run of empty rows
    };
    QList<Repeated> RepeatedNames;
    QList<Empty> EmptyEntries;
    // Filled entries of each list, when there are fewer hits than members.
    int32_t HitsFilled = 0;
    int32_t MembersFilled = 0;
    bool FewerHits = false;
    ListNotes MemberNotes;
    ListNotes HitNotes;
    // Hit lines the import counted as several hits, told so that nobody is surprised.
    QList<CountedLine> Counted;

    bool empty() const
    {
        return RepeatedNames.isEmpty() && EmptyEntries.isEmpty() && !FewerHits && MemberNotes.empty()
               && HitNotes.empty() && Counted.isEmpty();
    }
};

// Names count as the same when they differ only in letter case, width
// (full-width and half-width forms) or spacing. An empty member counts
// wherever it is; an empty hit when a filled one follows it (the hits missing
// at the end are the finding of fewer hits). After a fair draw (`hitsSpread`)
// the hits stand among empty rows, the rows that win nothing, so an empty hit
// row is no finding. Fewer hits than members counts when the hit list has
// entries, or always when `beforeBuild`. The notes of the list files loaded
// are passed on.
ListFindings CheckLists(const QStringList& members, const QStringList& hits, bool beforeBuild, bool hitsSpread,
                        const ListNotes& memberNotes = {}, const ListNotes& hitNotes = {});

// Repeats of a prize the hit import counted (“3 × Gift card”) are meant:
// no finding.
void ForgiveCountedRepeats(ListFindings& findings);

// One line per finding, in the user's language.
QStringList DescribeFindings(const ListFindings& findings);
// A status line with the first findings and how many more there are.
QString SummarizeFindings(const ListFindings& findings);

} // namespace quorvan
