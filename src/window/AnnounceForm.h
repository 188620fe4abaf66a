#pragma once
// Announce draw's form: the title, the organiser, the time after which the
// randomness is fixed and the randomness sources the draw will use (a
// public value with the rule for writing it, dice rolled in public,
// participants who commit to a secret and reveal it).

#include "drawrecord/Announcement.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <vector>

namespace quorvan {

class MainWindow;

struct AnnounceInput {
    QString Title;
    QString Organiser;
    QDateTime DrawAfter;
    QDateTime CommitBy;                // for participants
    std::vector<RandomSource> Sources; // the chosen ones, in the form's order; times left to the caller
};

class AnnounceForm : public QDialog {
    Q_OBJECT
public:
    // Starts with the draw after `now` + one day, commitments by `now` + 12 hours.
    AnnounceForm(MainWindow& window, const QDateTime& now);

    QLineEdit* titleBox = nullptr;
    QLineEdit* organiserBox = nullptr;
    QDateTimeEdit* drawAfterBox = nullptr;
    QGroupBox* publicGroup = nullptr;
    QLineEdit* publicNameBox = nullptr;
    QLineEdit* publicRuleBox = nullptr;
    QGroupBox* diceGroup = nullptr;
    QSpinBox* diceCountBox = nullptr;
    QGroupBox* participantsGroup = nullptr;
    QPlainTextEdit* participantsBox = nullptr; // one name a line
    QDateTimeEdit* commitByBox = nullptr;
    QPushButton* announceButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // What the form holds now.
    AnnounceInput input() const;

private:
    MainWindow& window_;
};

} // namespace quorvan
