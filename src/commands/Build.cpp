// Build: fills the rung grid at random for the spinner's count, draws the
// ladder and moves the window on to finding the hits. With the fair draw
// on, the hits are first put into a uniformly random order.

#include "Commands.h"
#include "DrawRecordFile.h"
#include "SeededGeneration.h"

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
    if (model_.FairDraw)
        fairShuffleHits();
    const int32_t members = window_.countSpinner->position();
    window_.random.SeedRandom();
    const BuildEvent build{window_.random.RandomSeed, members, window_.crossLinesBox->isChecked(), model_.FairDraw,
                           DrawRecordTime(window_.platform().LocalNow())};
    buildLadder(build);
    model_.History.push_back(build);
    model_.LastBuild = BuiltDraw{build, AsRecorded(columnTexts(Column::Members, members)),
                                 AsRecorded(columnTexts(Column::Hits, members))};
    reportListChecks(true);
    window_.setDefaultCursor();
}

void Commands::buildLadder(const BuildEvent& build)
{
    window_.showLadderLines(build.Rows);
    window_.clearLadder();
    window_.random.RandomSeed = GenerateLadderFromSeed({build.Rows, build.CrossLines}, build.Seed, window_.grid,
                                                       window_.bitmap());

    window_.messageLine->setCaption(window_.localized(
        QStringLiteral("■→→→でました！■Ｈｉｔの所でマウスをクリックするとMemberへ溯ります。"),
        QStringLiteral("*- completion -*  Mouse click in \"Hit\"")));
    model_.LadderBuilt = true;
    window_.clearTracedHit(); // a path told of lay on the ladder that is gone
    window_.apply(Step::Build);
}

} // namespace quorvan
