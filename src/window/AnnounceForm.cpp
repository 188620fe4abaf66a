#include "window/AnnounceForm.h"

#include "window/MainWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvan {

namespace {

constexpr int MostDiceAsked = 100;
constexpr int DefaultDice = 10;

QDateTimeEdit* TimeBox(const QDateTime& time)
{
    auto* box = new QDateTimeEdit(time);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    box->setCalendarPopup(true);
    return box;
}

} // namespace

AnnounceForm::AnnounceForm(MainWindow& window, const QDateTime& now) : QDialog(&window), window_(window)
{
    setObjectName(QStringLiteral("AnnounceForm"));
    setWindowTitle(window_.localized(QStringLiteral("抽選を告知"), QStringLiteral("Announce draw")));
    const auto say = [this](const char* japanese, const char* english) {
        return window_.localized(QString::fromUtf8(japanese), QString::fromUtf8(english));
    };

    titleBox = new QLineEdit;
    organiserBox = new QLineEdit;
    drawAfterBox = TimeBox(now.addDays(1));
    auto* draw = new QFormLayout;
    draw->addRow(say("題名:", "Title:"), titleBox);
    draw->addRow(say("主催者:", "Organiser:"), organiserBox);
    draw->addRow(say("この時刻より後に決まる値で抽選:", "Draw with values fixed after:"), drawAfterBox);

    publicGroup = new QGroupBox(say("公表される値（宝くじの当選番号、ビーコン、終値）",
                                    "A published value (a lottery result, a beacon pulse, a closing index)"));
    publicGroup->setCheckable(true);
    publicNameBox = new QLineEdit;
    publicRuleBox = new QLineEdit;
    publicRuleBox->setPlaceholderText(say("例：1 等の番号、数字だけ、左から", "e.g. the first prize's number, digits only, left to right"));
    auto* publicForm = new QFormLayout(publicGroup);
    publicForm->addRow(say("名前:", "Name:"), publicNameBox);
    publicForm->addRow(say("値の書き方:", "How its value is written:"), publicRuleBox);

    diceGroup = new QGroupBox(say("人前で振るサイコロ", "Dice rolled in public"));
    diceGroup->setCheckable(true);
    diceGroup->setChecked(false);
    diceCountBox = new QSpinBox;
    diceCountBox->setRange(1, MostDiceAsked);
    diceCountBox->setValue(DefaultDice);
    auto* diceForm = new QFormLayout(diceGroup);
    diceForm->addRow(say("回数:", "Rolls:"), diceCountBox);

    participantsGroup = new QGroupBox(say("参加者の秘密（先にコミット、後で公開）",
                                          "Participants' secrets (committed first, revealed later)"));
    participantsGroup->setCheckable(true);
    participantsGroup->setChecked(false);
    participantsBox = new QPlainTextEdit;
    participantsBox->setPlaceholderText(say("1 行に 1 人", "one name a line"));
    commitByBox = TimeBox(now.addSecs(12 * 60 * 60));
    auto* participantsForm = new QFormLayout(participantsGroup);
    participantsForm->addRow(say("参加者:", "Participants:"), participantsBox);
    participantsForm->addRow(say("コミットの締切:", "Commitments in by:"), commitByBox);

    auto* note = new QLabel(say("主催者が左右できない値を少なくとも 1 つ選んでください。"
                                "告知後、リストは抽選まで変えられません。",
                                "Choose at least one value the organiser cannot steer. Once announced, the lists "
                                "stay fixed until the draw."));
    note->setWordWrap(true);

    announceButton = new QPushButton(say("告知…", "Announce…"));
    announceButton->setDefault(true);
    cancelButton = new QPushButton(say("キャンセル", "Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(announceButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(draw);
    layout->addWidget(publicGroup);
    layout->addWidget(diceGroup);
    layout->addWidget(participantsGroup);
    layout->addWidget(note);
    layout->addLayout(buttons);

    connect(announceButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

AnnounceInput AnnounceForm::input() const
{
    AnnounceInput input{titleBox->text().trimmed(), organiserBox->text().trimmed(), drawAfterBox->dateTime(),
                        commitByBox->dateTime(), {}};
    if (publicGroup->isChecked())
        input.Sources.push_back(RandomSource{publicNameBox->text().trimmed(), SourceKind::Public,
                                             publicRuleBox->text().trimmed(), 0, {}, {}});
    if (diceGroup->isChecked())
        input.Sources.push_back(RandomSource{window_.localized(QStringLiteral("サイコロ"), QStringLiteral("Dice")),
                                             SourceKind::Dice, {}, diceCountBox->value(), {}, {}});
    if (participantsGroup->isChecked()) {
        QStringList names;
        for (const QString& line : participantsBox->toPlainText().split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                names.append(line.trimmed());
        input.Sources.push_back(RandomSource{window_.localized(QStringLiteral("参加者"), QStringLiteral("Participants")),
                                             SourceKind::Participants, {}, 0, {}, names});
    }
    return input;
}

} // namespace quorvan
