#pragma once
// Drawing from an announcement: the value of each of its randomness sources
// typed in as it became known (no network is asked): a published value by
// its rule, the dice as rolled, each participant's commitment and the
// secret revealed (left empty for one who never revealed).

#include "drawrecord/AnnouncedRecord.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace quorvan {

class MainWindow;

class SourceValuesDialog : public QDialog {
    Q_OBJECT
public:
    SourceValuesDialog(MainWindow& window, const Announcement& announcement);

    // One box per public value or dice source, in the announcement's order;
    // two per participant (commitment, reveal).
    std::vector<QLineEdit*> valueBoxes;
    std::vector<QLineEdit*> commitmentBoxes;
    std::vector<QLineEdit*> revealBoxes;
    QPushButton* drawButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The values as typed, one per source.
    std::vector<SourceValue> values() const;

private:
    const Announcement& announcement_;
};

} // namespace quorvan
