#pragma once
// What reading a list file had to do that the user should hear of: the
// list check (ListChecks.h) puts it into words.

#include <QList>
#include <QString>

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
    int32_t NamesBelow = 0;   // the names in the column read below it
    QString HiddenFirstSheet; // the first sheet's name, when it is hidden
    // The column read (A unless another was chosen) empty below its heading:
    // the other column of the first sheet, or column 1 of the sheet so named,
    // where names are, and how many.
    int32_t ReadColumn = 1;
    int32_t NamesColumn = 0;
    QString NamesSheet;
    int64_t NamesElsewhere = 0;

    bool empty() const
    {
        return ReplacedLines.isEmpty() && DroppedCrLines.isEmpty() && !TabColumns && StopRow == 0
               && CutNames.isEmpty() && HiddenFirstSheet.isEmpty() && NamesElsewhere == 0;
    }
};

} // namespace quorvan
