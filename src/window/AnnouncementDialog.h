#pragma once
// What an organiser publishes after Announce draw: the announcement's digest
// A in hexadecimal, as a short code to read aloud and as a QR code, with the
// title and the time after which the randomness is fixed; Copy puts the text
// on the clipboard and Print prints the panel. The window's lists stay fixed
// while the announcement is open, whether this dialog is or not.

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace quorvan {

class CommandBoundary;
class MainWindow;

// The size of each module of the QR code the dialog shows, in pixels.
inline constexpr int QrModulePixels = 5;

// The texts the dialog shows, already worked out, and A as a QR code.
struct AnnouncementShown {
    QString Title;
    QString Organiser;
    QString DrawAfter;
    QString Path;      // where the .qannounce was written
    QString Digest;    // A, 64 hexadecimal digits
    QString ShortCode; // A's short code
    QImage QrCode;     // of Digest, modules QrModulePixels wide
};

class AnnouncementDialog : public QDialog {
    Q_OBJECT
public:
    AnnouncementDialog(MainWindow& window, const CommandBoundary& boundary, const AnnouncementShown& shown);

    QWidget* panel = nullptr; // what Print prints
    QLabel* digestLabel = nullptr;
    QLabel* shortCodeLabel = nullptr;
    QLabel* qrLabel = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* closeButton = nullptr;

    // The text Copy puts on the clipboard.
    QString publishedText() const;

private:
    void print();

    MainWindow& window_;
    AnnouncementShown shown_;
};

} // namespace quorvan
