#pragma once
// Everything the program asks of the machine it runs on. The Qt implementation
// talks to the desktop; tests inject a double. Nothing else reads the environment.

#include "documents/DocumentFunctions.h"
#include "ladder/RandomGenerator.h"
#include "ladder/UniformShuffle.h"
#include "lists/ImportShape.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>
#include <stop_token>

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

// The answer to "save before going on?".
enum class SaveAnswer { Save, Discard, Cancel };

// The import preview: why it opened, the file's first rows, and the choices
// offered, each with its words in the user's language (an empty label: the
// choice is not offered), the likely answer chosen at first.
struct ImportQuestion {
    QString Title;
    QString Why;
    QList<QStringList> FirstRows;
    QStringList ColumnNames; // one per column: "A", "B" ...
    QString ColumnLabel;
    QString HeadingLabel;
    QString PastEmptyLabel;
    ImportChoice Likely;
};

class Platform : public SeedClock {
public:
    // The language the program speaks, chosen once at start: "en", or the
    // code of a translation compiled into the program ("ja", "zh_TW" ...).
    virtual QString Language() = 0;

    // The locale that says how the user's text files are encoded (LC_CTYPE,
    // as "ja_JP.UTF-8"), which may differ from the language of the messages.
    virtual QString TextEncodingLocale() = 0;

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

    // Asks whether to save the work `question` names before it is gone:
    // Save (the default button), Discard or Cancel, in the desktop's words.
    virtual SaveAnswer AskToSave(const QString& question) = 0;

    // Asks `question` with two buttons, `yes` (the default) and `no`; true for `yes`.
    virtual bool AskWithDefault(const QString& question, const QString& yes, const QString& no) = 0;

    // The user's settings, kept between runs: the value stored under `key`,
    // nothing where none is; and storing one, which tells the user the
    // settings file and the reason when it cannot be kept.
    virtual std::optional<QString> Setting(const QString& key) = 0;
    virtual void SetSetting(const QString& key, const QString& value) = 0;

    // The folder where the program keeps its state between runs (the user's
    // application data folder); empty where the desktop names none.
    virtual QString StateFolder() = 0;

    // Runs the font dialog modally, starting from `initial`. Each press of its
    // Apply button calls `apply` with the font shown, while the dialog stays
    // open. Returns the font confirmed with OK, or nothing when cancelled.
    virtual std::optional<ControlFont> ChooseFont(const ControlFont& initial,
                                                  const std::function<void(const ControlFont&)>& apply) = 0;

    // Puts an image of `window`, as it is shown, on the clipboard.
    virtual void CaptureWindowToClipboard(QWidget* window) = 0;

    // Shows the program's About box, modal, with `title` and rich `text`.
    virtual void ShowAbout(const QString& title, const QString& text) = 0;

    // Shows the import preview, modal; the choice made, or nothing when cancelled.
    virtual std::optional<ImportChoice> AskImportChoice(const ImportQuestion& question) = 0;

    // Prints `html` under `title` through the desktop's print dialog; false when cancelled.
    virtual bool PrintDocument(const QString& title, const QString& html) = 0;

    // The workbook writers, QR codes and the rest of the documents' functions
    // (documents/DocumentFunctions.h).
    virtual const DocumentFunctions& Documents() = 0;

    // The address of the user guide's local page in the user's language.
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

    // Runs `work` on a thread of its own while the windows stay drawn but
    // take no input; after half a second shows `doing` with a busy bar and
    // Cancel, which (like closing a window, or the program quitting) asks
    // `work` to stop through its token. Returns when `work` has ended,
    // raising what it raised.
    virtual void RunWhileWaiting(const QString& doing, const std::function<void(std::stop_token)>& work) = 0;
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
