// Build: fills the rung grid at random for the spinner's count, draws the
// ladder and moves the window on to finding the hits. With the fair draw
// on, the hits are first put into a uniformly random order.

#include "commands/Commands.h"
#include "ladder/SeededGeneration.h"

namespace quorvan {

namespace {
// The texts as a draw record keeps them: what survives writing as UTF-8.
QStringList AsRecorded(const QStringList& texts)
{
    QStringList recorded;
    for (const QString& text : texts)
        recorded.append(QString::fromUtf8(text.toUtf8()));
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
    const BuildEvent build{window_.random.RandomSeed, members, window_.crossLinesBox->isChecked(), model_.FairDraw};
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
