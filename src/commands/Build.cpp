// Build: fills the rung grid at random for the spinner's count, draws the
// ladder and moves the window on to finding the hits.

#include "Commands.h"
#include "Generation.h"

namespace quorvan {

void Commands::onBuild()
{
    window_.setBusyCursor();
    const int32_t members = window_.countSpinner->position();
    window_.showLadderLines(members);
    window_.clearLadder();
    GenerateLadder({members, window_.crossLinesBox->isChecked()}, window_.grid, window_.random, window_.bitmap());

    window_.messageLine->setCaption(window_.localized(
        QStringLiteral("■→→→でました！■Ｈｉｔの所でマウスをクリックするとMemberへ溯ります。"),
        QStringLiteral("*- completion -*  Mouse click in \"Hit\"")));
    model_.LadderBuilt = true;
    window_.clearTracedHit(); // a path told of lay on the ladder that is gone
    window_.apply(Step::Build);
    window_.setDefaultCursor();
}

} // namespace quorvan
