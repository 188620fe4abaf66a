// Build: fills the rung grid at random for the spinner's count, draws the
// ladder and moves the window on to finding the hits. With the fair draw
// on, the hits are first put into a uniformly random order.

#include "commands/Commands.h"
#include "drawrecord/DrawRecordFile.h"
#include "ladder/SeededGeneration.h"
#include "window/Controls.h"
#include "window/LadderBitmap.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace quorvan {

namespace {
// The texts as a draw record keeps them: each character in one spelling
// (Unicode's composed form, NFC), and half a surrogate pair, which is no
// character and has no UTF-8, as the replacement character U+FFFD.
QStringList AsRecorded(const QStringList& texts)
{
    QStringList recorded;
    for (QString text : texts) {
        for (qsizetype at = 0; at < text.size(); ++at) {
            if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
                ++at;
            else if (text[at].isSurrogate())
                text[at] = QChar::ReplacementCharacter;
        }
        recorded.append(text.normalized(QString::NormalizationForm_C));
    }
    return recorded;
}
} // namespace

void Commands::onBuild()
{
    window_.setBusyCursor();
    if (lottery_.Model.FairDraw)
        fairShuffleHits();
    const int32_t members = window_.countSpinner()->position();
    lottery_.Random.SeedRandom();
    const BuildEvent build{lottery_.Random.RandomSeed, members, window_.crossLinesBox()->isChecked(),
                           lottery_.Model.FairDraw, DrawRecordTime(window_.platform().LocalNow())};
    buildLadder(build);
    lottery_.Model.History.push_back(build);
    lottery_.Model.LastBuild = BuiltDraw{build, AsRecorded(columnTexts(Column::Members, members)),
                                 AsRecorded(columnTexts(Column::Hits, members))};
    reportListChecks(true);
    startEvennessEstimate(build, lottery_.Model.LastBuild->Hits);
    window_.setDefaultCursor();
}

void Commands::buildLadder(const BuildEvent& build)
{
    window_.showLadderLines(build.Rows);
    window_.clearLadder();
    lottery_.Random.RandomSeed = GenerateLadderFromSeed({build.Rows, build.CrossLines}, build.Seed, lottery_.Grid,
                                                       window_.bitmap());

    window_.showPrompt(QCoreApplication::translate("Build", "*- completion -*  Mouse click in \"Hit\""));
    lottery_.Model.LadderBuilt = true;
    lottery_.Model.ResultsSaved = false;
    fixListsAsTheyHold();
    window_.clearTracedHit(); // a path told of lay on the ladder that is gone
    lottery_.Model.RedPrizes.clear();
    window_.apply(Step::Build);
}

} // namespace quorvan
