#pragma once
// The lottery's state, as the window's commands share it: plain values that
// the commands change and the window shows.

#include "drawrecord/DrawRecord.h"
#include "files/TextResultFile.h"
#include "platform/Platform.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvan {

// A hit that holds a prize: its place in the hit list as loaded (1 for the
// first prize) and its text.
struct Prize {
    int32_t Place = 0;
    QString Name;
};

struct WindowModel {
    // The rows whose boxes the next Set-up frees.
    int32_t RowCount = 0;
    // The members the last member list import placed, shown beside the
    // member heading; the hit list import places no more hits than this.
    std::optional<int32_t> MembersLoaded;
    // The hits the last hit list import read, shown beside the hit heading.
    std::optional<int32_t> HitsLoaded;
    // Build has made a ladder since the last Reset: hit clicks draw paths.
    bool LadderBuilt = false;
    // The hit line whose path is red, 0 for none.
    int32_t LitHit = 0;
    // Kept red besides it while the setting asks for it: the prizes revealed
    // since the last Build, in the order revealed.
    bool KeepRedPaths = false;
    std::vector<int32_t> RedPrizes;
    // HIT-ALL has made the result column since the last Reset.
    bool ResultColumnShown = false;
    // What HIT-ALL traced, row by row: the result files write these, never
    // what a box shows.
    QList<ResultPair> TracedResults;
    // The results of the last Build are in a file (a result file or a draw record).
    bool ResultsSaved = false;
    // Shuffles of each column since the last Set-up or Reset.
    int32_t MemberShuffleCount = 0;
    int32_t HitShuffleCount = 0;
    // The fair draw switch: when on, Build first puts the hits into an order
    // drawn from the system's secure random source. On unless the user
    // turned it off (a setting kept between runs).
    bool FairDraw = false;
    // What a draw record keeps: every list load, shuffle and Build since the
    // last Set-up, and the last Build with the lists it was made with.
    std::vector<DrawEvent> History;
    std::optional<BuiltDraw> LastBuild;

    // What the dialogs remember between uses: the font dialog's font, the
    // list file and the draw record opened last, and the folders the last
    // text result, workbook result and draw record went to.
    ControlFont BoxFont;
    QString LastListFile;
    QString LastDrawFile;
    QString TextResultFolder;
    QString WorkbookResultFolder;
    QString DrawRecordFolder;
};

} // namespace quorvan
