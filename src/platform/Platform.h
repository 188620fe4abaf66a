#pragma once
// Everything the program asks of the machine it runs on. The Qt implementation
// talks to the desktop; tests inject a double. Nothing else reads the environment.

#include "texts/LocaleId.h"
#include "ladder/RandomGenerator.h"
#include "ladder/UniformShuffle.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

#include <cstdint>

namespace quorvan {

enum class MouseCursor { Default, Hourglass };

// A control's font in the window's sense: face, size and style, and colour.
struct ControlFont {
    QFont Font;
    QColor Colour;
};

// What the user chose in a save dialog: the full path, as chosen, and the
// entry of the filter list (counted from 0) selected when it was.
struct SaveChoice {
    QString Path;
    int Filter = 0;
};

class Platform : public SeedClock {
public:
    // The user's default locale identifier (1041 is Japanese, 1033 US English).
    virtual int32_t UserLocaleId() = 0;

    // The application-wide mouse cursor.
    virtual void SetMouseCursor(MouseCursor cursor) = 0;

    // Shows an error message in a modal message box.
    virtual void ShowErrorMessage(const QString& message) = 0;

    // Shows a message that is no error (a verdict, a notice) in a modal message box.
    virtual void ShowInformation(const QString& message) = 0;

    // Fills `count` bytes at `bytes` from the system's cryptographic random
    // source. Raises an error when the source cannot be read.
    virtual void FillSecureRandom(void* bytes, size_t count) = 0;

    // Asks a question in a modal message box; true for Yes.
    virtual bool AskYesNo(const QString& question) = 0;

    // Runs the font dialog modally, starting from `initial`. Each press of its
    // Apply button calls `apply` with the font shown, while the dialog stays
    // open. Returns the font confirmed with OK, or nothing when cancelled.
    virtual std::optional<ControlFont> ChooseFont(const ControlFont& initial,
                                                  const std::function<void(const ControlFont&)>& apply) = 0;

    // Puts an image of `window`, as it is shown, on the clipboard.
    virtual void CaptureWindowToClipboard(QWidget* window) = 0;

    // Opens a document or address in the user's default program for it;
    // false when the desktop could not.
    virtual bool OpenAddress(const QString& address) = 0;

    // Shows the program's About box, modal, with `title` and rich `text`.
    virtual void ShowAbout(const QString& title, const QString& text) = 0;

    // Prints `html` under `title` through the desktop's print dialog; false when cancelled.
    virtual bool PrintDocument(const QString& title, const QString& html) = 0;

    // The address of the user guide in the user's language.
    virtual QString GuideAddress() = 0;

    // The full path of one of the program's helper programs (the workbook
    // reader), installed with it.
    virtual QString HelperProgram(const QString& name) = 0;

    // The open and save dialogs. `filter` lists description|pattern pairs
    // ("*.txt|*.txt|*.*|*.*"); patterns are separated by ';'. Each returns
    // what was chosen, or nothing when cancelled. The save dialog starts in
    // `folder` (where the desktop chooses when it is empty) offering
    // `initialName`; it never asks about a file that exists.
    virtual std::optional<QString> ChooseFileToOpen(const QString& filter, const QString& initialFile) = 0;
    virtual std::optional<SaveChoice> ChooseFileToSave(const QString& filter, const QString& folder,
                                                      const QString& initialName) = 0;

    // The local date and time, and the user's formats for them: the short
    // date, and the time with seconds (and AM/PM where the clock has 12 hours).
    virtual QDateTime LocalNow() = 0;
    virtual QString ShortDate(const QDate& date) = 0;
    virtual QString LongTime(const QTime& time) = 0;
};

// Random words from the platform's secure source.
class SecureWords final : public RandomWords {
public:
    explicit SecureWords(Platform& platform) : platform_(platform) {}
    uint32_t NextWord() override
    {
        uint32_t word = 0;
        platform_.FillSecureRandom(&word, sizeof word);
        return word;
    }

private:
    Platform& platform_;
};

} // namespace quorvan
