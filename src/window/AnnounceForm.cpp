#include "window/AnnounceForm.h"

#include "window/MainWindow.h"

#include <QCoreApplication>
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
    setWindowTitle(QCoreApplication::translate("AnnounceForm", "Announce draw"));

    titleBox = new QLineEdit;
    organiserBox = new QLineEdit;
    drawAfterBox = TimeBox(now.addDays(1));
    auto* draw = new QFormLayout;
    draw->addRow(QCoreApplication::translate("AnnounceForm", "Title:"), titleBox);
    draw->addRow(QCoreApplication::translate("AnnounceForm", "Organiser:"), organiserBox);
    draw->addRow(QCoreApplication::translate("AnnounceForm", "Draw with values fixed after:"), drawAfterBox);

    publicGroup = new QGroupBox(QCoreApplication::translate("AnnounceForm", "A published value (a lottery result, a "
            "beacon pulse, a closing index)"));
    publicGroup->setCheckable(true);
    publicNameBox = new QLineEdit;
    publicRuleBox = new QLineEdit;
    publicRuleBox->setPlaceholderText(QCoreApplication::translate("AnnounceForm", "e.g. the first prize's number, "
            "digits only, left to right"));
    auto* publicForm = new QFormLayout(publicGroup);
    publicForm->addRow(QCoreApplication::translate("AnnounceForm", "Name:"), publicNameBox);
    publicForm->addRow(QCoreApplication::translate("AnnounceForm", "How its value is written:"), publicRuleBox);

    diceGroup = new QGroupBox(QCoreApplication::translate("AnnounceForm", "Dice rolled in public"));
    diceGroup->setCheckable(true);
    diceGroup->setChecked(false);
    diceCountBox = new QSpinBox;
    diceCountBox->setRange(1, MostDiceAsked);
    diceCountBox->setValue(DefaultDice);
    auto* diceForm = new QFormLayout(diceGroup);
    diceForm->addRow(QCoreApplication::translate("AnnounceForm", "Rolls:"), diceCountBox);

    participantsGroup = new QGroupBox(QCoreApplication::translate("AnnounceForm", "Participants' secrets (committed "
            "first, revealed later)"));
    participantsGroup->setCheckable(true);
    participantsGroup->setChecked(false);
    participantsBox = new QPlainTextEdit;
    participantsBox->setPlaceholderText(QCoreApplication::translate("AnnounceForm", "one name a line"));
    commitByBox = TimeBox(now.addSecs(12 * 60 * 60));
    auto* participantsForm = new QFormLayout(participantsGroup);
    participantsForm->addRow(QCoreApplication::translate("AnnounceForm", "Participants:"), participantsBox);
    participantsForm->addRow(QCoreApplication::translate("AnnounceForm", "Commitments in by:"), commitByBox);

    auto* note = new QLabel(QCoreApplication::translate("AnnounceForm", "Choose at least one value the organiser "
            "cannot steer. Once announced, the lists stay fixed until the draw."));
    note->setWordWrap(true);

    announceButton = new QPushButton(QCoreApplication::translate("AnnounceForm", "Announce…"));
    announceButton->setDefault(true);
    cancelButton = new QPushButton(QCoreApplication::translate("AnnounceForm", "Cancel"));
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
        input.Sources.push_back(RandomSource{QCoreApplication::translate("AnnounceForm", "Dice"),
                                             SourceKind::Dice, {}, diceCountBox->value(), {}, {}});
    if (participantsGroup->isChecked()) {
        QStringList names;
        for (const QString& line : participantsBox->toPlainText().split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                names.append(line.trimmed());
        input.Sources.push_back(RandomSource{QCoreApplication::translate("AnnounceForm", "Participants"),
                                             SourceKind::Participants, {}, 0, {}, names});
    }
    return input;
}

} // namespace quorvan

#include "moc_AnnounceForm.cpp"
