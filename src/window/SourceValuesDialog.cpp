#include "window/SourceValuesDialog.h"

#include "window/MainWindow.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvan {

SourceValuesDialog::SourceValuesDialog(MainWindow& window, const Announcement& announcement)
    : QDialog(&window), announcement_(announcement)
{
    setObjectName(QStringLiteral("SourceValuesDialog"));
    setWindowTitle(QCoreApplication::translate("SourceValuesDialog", "Draw from the announcement"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QCoreApplication::translate("SourceValuesDialog", "Type each randomness source's "
            "value of “%1” exactly as it was made known.")
                                   .arg(announcement.Title));
    heading->setWordWrap(true);
    layout->addWidget(heading);
    const QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const RandomSource& source : announcement.Sources) {
        auto* group = new QGroupBox(source.Name);
        auto* form = new QFormLayout(group);
        if (source.Kind == SourceKind::Participants) {
            for (const QString& participant : source.Participants) {
                auto* commitment = new QLineEdit;
                commitment->setFont(digits);
                commitment->setMinimumWidth(commitment->fontMetrics().horizontalAdvance(QString(66, QLatin1Char('0'))));
                auto* reveal = new QLineEdit;
                reveal->setPlaceholderText(QCoreApplication::translate("SourceValuesDialog", "empty when never "
                        "revealed"));
                form->addRow(QCoreApplication::translate("SourceValuesDialog", "%1's commitment:").arg(participant), commitment);
                form->addRow(QCoreApplication::translate("SourceValuesDialog", "%1's secret:").arg(participant), reveal);
                commitmentBoxes.push_back(commitment);
                revealBoxes.push_back(reveal);
            }
        } else {
            auto* value = new QLineEdit;
            const QString rule = source.Kind == SourceKind::Dice
                                     ? QCoreApplication::translate("SourceValuesDialog", "the %1 rolls (1 to 6), in "
                                             "order").arg(source.DiceCount)
                                     : source.Rule;
            form->addRow(new QLabel(rule));
            form->addRow(QCoreApplication::translate("SourceValuesDialog", "Value:"), value);
            valueBoxes.push_back(value);
        }
        layout->addWidget(group);
    }
    drawButton = new QPushButton(QCoreApplication::translate("SourceValuesDialog", "Draw"));
    drawButton->setDefault(true);
    cancelButton = new QPushButton(QCoreApplication::translate("SourceValuesDialog", "Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(drawButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(drawButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<SourceValue> SourceValuesDialog::values() const
{
    std::vector<SourceValue> values;
    size_t value = 0;
    size_t participant = 0;
    for (const RandomSource& source : announcement_.Sources) {
        SourceValue typed{source.Name, {}, {}};
        if (source.Kind != SourceKind::Participants)
            typed.Value = valueBoxes[value++]->text();
        for (const QString& name : source.Participants) {
            Commitment commitment{name, commitmentBoxes[participant]->text().trimmed().toLower(), std::nullopt};
            if (!revealBoxes[participant]->text().isEmpty())
                commitment.Reveal = revealBoxes[participant]->text();
            ++participant;
            typed.Commitments.push_back(commitment);
        }
        values.push_back(typed);
    }
    return values;
}

} // namespace quorvan

#include "moc_SourceValuesDialog.cpp"
