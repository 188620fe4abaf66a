#pragma once
// What reading a list file had to do that the user should hear of: the
// list check (ListChecks.h) puts it into words.

#include <QList>

#include <cstdint>

namespace quorvan {

struct ListNotes {
    // Text and CSV files.
    QList<int32_t> ReplacedLines; // lines, from 1, where bytes no encoding explains became U+FFFD
    QList<int32_t> DroppedCrLines; // lines that lost a CR not followed by LF (the file's lines end at LF)
    bool TabColumns = false;       // lines held tabs: the first column was taken
    // Every kind.
    QList<int32_t> CutNames;       // entries, from 1, cut to LongestName characters
    // Workbooks.
    int32_t StopRow = 0;      // the empty cell that ended the list, when names follow below it
    int32_t NamesBelow = 0;   // the names in column A below it

    bool empty() const
    {
        return ReplacedLines.isEmpty() && DroppedCrLines.isEmpty() && !TabColumns && StopRow == 0
               && CutNames.isEmpty();
    }
};

} // namespace quorvan
