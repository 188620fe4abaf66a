#include "commands/Commands.h"

#include "files/HeldName.h" // freed with the commands
#include "ladder/Fairness.h"
#include "texts/UserText.h"

#include "window/Controls.h"
#include "window/LadderBitmap.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"
#include "window/StageWindow.h" // the stage is made and freed with the commands
#include "window/Texts.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>

namespace quorvan {

Commands::Commands(MainWindow& window)
    : window_(window), lottery_(window.platform()),
      boundary_(window.platform(), [this, &window] {
          window.afterCommand();
          autosave();
          emit commandEnded();
      })
{
    lottery_.Model.BoxFont = window.fontDialogStart();
    // The spinner's three events all keep the count display in step.
    bind(window.countSpinner(), &Spinner::mouseDown, &Commands::onSpinner);
    bind(window.countSpinner(), &Spinner::changing, &Commands::onSpinner);
    bind(window.countSpinner(), &Spinner::stepped, &Commands::onSpinner);
    bind(window.setUpButton(), &QPushButton::clicked, &Commands::onSetUp);
    bind(window.buildButton(), &QPushButton::clicked, &Commands::onBuild);
    bind(window.resetButton(), &QPushButton::clicked, &Commands::onReset);
    bind(window.exitButton(), &QPushButton::clicked, &Commands::onExit);
    bind(window.hitAllButton(), &QPushButton::clicked, &Commands::onHitAll);
    bind(window.saveTextButton(), &QPushButton::clicked, &Commands::onSaveText);
    bind(window.loadMembersButton(), &QPushButton::clicked, &Commands::onLoadMembers);
    bind(window.shuffleMembersButton(), &QPushButton::clicked, &Commands::onShuffleMembers);
    bind(window.shuffleHitsButton(), &QPushButton::clicked, &Commands::onShuffleHits);
    bind(window.loadHitsButton(), &QPushButton::clicked, &Commands::onLoadHits);
    bind(window.saveWorkbookButton(), &QPushButton::clicked, &Commands::onSaveWorkbook);
    bind(window.clipboardButton(), &QPushButton::clicked, &Commands::onCapture);
    bind(window.fontButton(), &QPushButton::clicked, &Commands::onChooseFont);
    bind(window.guideLink(), &Picture::clicked, &Commands::onOpenGuide);
    bind(window.listFindingsButton(), &QPushButton::clicked, &Commands::onShowListFindings);
    bind(window.fairDrawOffer(), &QPushButton::clicked, &Commands::onAcceptFairDraw);
    boundary_.Connect(&window, &MainWindow::hitBoxClicked, this, [this](int row) { onHitClicked(row); });
    boundary_.Connect(window.fairDrawBox(), &QCheckBox::toggled, this, [this](bool on) { onFairDrawToggled(on); });
    connect(this, &Commands::fairDrawChanged, window.fairDrawBox(), &QCheckBox::setChecked);

    connect(this, &Commands::commandEnded, this, &Commands::showOnStage);
    revealAllTimer_.setSingleShot(true);
    boundary_.Connect(&revealAllTimer_, &QTimer::timeout, this, [this] { revealAllStep(); });

    boundary_.Run([this] { startUp(); });
    // After start-up, which puts the controls' captions into the user's language.
    buildMenus();
    window.setCloseCheck([this] { return mayClose(); });
    boundary_.Run([this] { offerRestore(); });
}

Commands::~Commands()
{
    if (stage_ && stage_->isVisible())
        stage_->close(); // which keeps the screen it is on
    window_.setCloseCheck({}); // a window that outlives its commands closes unasked
}

// Start-up, while the window is made and before it is first shown.
void Commands::startUp()
{
    window_.clearLadder(); // creates the bitmap at the image's designed size
    window_.showLadderLines(window_.countSpinner()->position());

    // The spinner holds its lowest count; the display shows what it holds.
    window_.countSpinner()->requestPosition(1);
    window_.showCount(window_.countSpinner()->position());

    window_.showPrompt(texts::StartPrompt());
    window_.titleLabel()->setCaption(QStringLiteral("Quorvan"));
    window_.bitmap().SetPenWidth(2);
    restoreFairDrawSetting();
    restoreRedPathsSetting();
    stageSettings_ = LoadStageSettings(window_.platform());
}

void Commands::onSpinner()
{
    window_.showCount(window_.countSpinner()->position());
}

void Commands::onExit()
{
    window_.close();
}

void Commands::tellSaved(const QString& path)
{
    window_.showStatus(Say(MessageId::SavedWhere).arg(QDir::toNativeSeparators(path)));
}

} // namespace quorvan

#include "moc_Commands.cpp"
