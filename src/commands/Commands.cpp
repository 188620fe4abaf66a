#include "commands/Commands.h"

#include "window/Texts.h"

#include <cmath>

namespace quorvan {

namespace {

// Points at 96 dots per inch, to the nearest pixel.
int PointsToPixels(int points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

void SetPointSize(QWidget* control, int points)
{
    QFont font = control->font();
    font.setPixelSize(PointsToPixels(points));
    control->setFont(font);
}

} // namespace

Commands::Commands(MainWindow& window) : window_(window), model_(window.model)
{
    // The spinner's three events all keep the count display in step.
    bind(window.countSpinner, &Spinner::mouseDown, &Commands::onSpinner);
    bind(window.countSpinner, &Spinner::changing, &Commands::onSpinner);
    bind(window.countSpinner, &Spinner::stepped, &Commands::onSpinner);
    bind(window.setUpButton, &QPushButton::clicked, &Commands::onSetUp);
    bind(window.buildButton, &QPushButton::clicked, &Commands::onBuild);
    bind(window.resetButton, &QPushButton::clicked, &Commands::onReset);
    bind(window.exitButton, &QPushButton::clicked, &Commands::onExit);
    bind(window.hitAllButton, &QPushButton::clicked, &Commands::onHitAll);
    bind(window.saveTextButton, &QPushButton::clicked, &Commands::onSaveText);
    bind(window.loadMembersButton, &QPushButton::clicked, &Commands::onLoadMembers);
    bind(window.shuffleMembersButton, &QPushButton::clicked, &Commands::onShuffleMembers);
    bind(window.shuffleHitsButton, &QPushButton::clicked, &Commands::onShuffleHits);
    bind(window.loadHitsButton, &QPushButton::clicked, &Commands::onLoadHits);
    bind(window.saveWorkbookButton, &QPushButton::clicked, &Commands::onSaveWorkbook);
    bind(window.clipboardButton, &QPushButton::clicked, &Commands::onCapture);
    bind(window.fontButton, &QPushButton::clicked, &Commands::onChooseFont);
    bind(window.guideLink, &Picture::clicked, &Commands::onOpenGuide);
    connect(&window, &MainWindow::hitBoxClicked, this,
            [this](int row) { window_.runCommand([this, row] { onHitClicked(row); }); });

    window.runCommand([this] { startUp(); });
    window.fairDrawBox = makeFairDrawBox(nullptr);
    window.addStatusControl(window.fairDrawBox);
    listFindingsButton_ = new QPushButton(window.localized(QStringLiteral("確認結果…"), QStringLiteral("Findings…")));
    listFindingsButton_->setObjectName(QStringLiteral("ListFindingsButton"));
    bind(listFindingsButton_, &QPushButton::clicked, &Commands::onShowListFindings);
    window.addStatusControl(listFindingsButton_);
    listFindingsButton_->hide();
    // After start-up, which puts the controls' captions into the user's language.
    buildMenus();
}

// Start-up, while the window is made and before it is first shown.
void Commands::startUp()
{
    window_.clearLadder(); // creates the bitmap at the image's designed size
    window_.showLadderLines(window_.countSpinner->position());

    // The spinner holds its lowest count; the display shows what it holds.
    window_.countSpinner->requestPosition(1);
    window_.showCount(window_.countSpinner->position());

    if (window_.japanese()) {
        window_.messageLine->setCaption(texts::StartPromptJapanese);
        window_.titleLabel->setCaption(QStringLiteral("Quorvan"));
    } else {
        window_.messageLine->setCaption(texts::StartPromptEnglish);
        window_.titleLabel->setCaption(QStringLiteral("Quorvan"));
        SetPointSize(window_.titleLabel, 14);
        const std::tuple<QWidget*, QString, int> captions[] = {
            {window_.settingLabel, QStringLiteral("Setting"), 9},
            {window_.setUpButton, QStringLiteral("Execution"), 9},
            {window_.buildButton, QStringLiteral("*- Vessapo -*"), 12},
            {window_.loadMembersButton, QStringLiteral("File"), 9},
            {window_.loadHitsButton, QStringLiteral("File"), 9},
            {window_.shuffleMembersButton, texts::ShuffleEnglish, 9},
            {window_.shuffleHitsButton, texts::ShuffleEnglish, 9},
            {window_.outputHeading, QStringLiteral("Result output"), 9},
        };
        for (const auto& [control, caption, points] : captions) {
            SetControlText(control, caption);
            SetPointSize(control, points);
        }
    }
    window_.bitmap().SetPenWidth(2);
}

void Commands::onSpinner()
{
    window_.showCount(window_.countSpinner->position());
}

void Commands::onExit()
{
    window_.close();
}

} // namespace quorvan
