#pragma once
// A platform for tests: a chosen language, locale and clock, and a record of
// what the program asked of the desktop.

#include "documents/DocumentTable.h"
#include "platform/LanguageFaces.h"
#include "platform/Platform.h"
#include "platform/Translations.h"
#include "texts/UserText.h"

#include <QMap>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <random>

namespace quorvan::testing {

class FakePlatform final : public Platform {
public:
    FakePlatform() { DetectEncodingsWith(DocumentTable().DetectEncoding); }

    QString TextLocale = QStringLiteral("en_US.UTF-8");
    std::optional<uint64_t> Counter = 0;
    MouseCursor Cursor = MouseCursor::Default;
    int HourglassCount = 0;
    QStringList Errors;
    QStringList Notices;
    QStringList Printed; // title, a line break, the document

    // The secure random source: a seeded generator, and how often it was asked.
    std::mt19937 SecureSource{20240501};
    int SecureRandomRequests = 0;

    // The font dialog: applies each of these in turn, then ends with OK
    // (confirming FontToConfirm) or, when that is empty, with Cancel.
    QList<ControlFont> FontsToApply;
    std::optional<ControlFont> FontToConfirm;
    QList<ControlFont> FontDialogStarts;

    QWidget* CapturedWindow = nullptr;
    QStringList AboutBoxes; // title, then text, of each About box shown
    // The build's own guide, wherever the test program runs from.
    QString Guide = QUrl::fromLocalFile(QStringLiteral(QUORVAN_GUIDE_DIRECTORY "/index.html")).toString();

    // Dialog answers, taken in turn; an empty answer is a cancelled dialog.
    QList<std::optional<QString>> OpenAnswers;
    QList<std::optional<QString>> SaveAnswers;
    QList<int> SaveFilterChoices; // the filter entry of each save answer, in turn (the first when none is left)
    QStringList OpenStarts; // the file each open dialog started with
    QStringList SaveStarts;
    QStringList SaveFolders; // the folder each save dialog started in
    QStringList Filters;

    // Answers to questions, taken in turn (No when none is left).
    QList<bool> Answers;
    QStringList Questions;

    // Save-first questions and two-way questions, with their answers taken in
    // turn (Discard, as before the program asked, and the default answer, when none is left).
    QStringList SaveQuestions;
    QList<SaveAnswer> SaveFirstAnswers;
    QStringList TwoWayQuestions;
    QList<bool> TwoWayAnswers;

    // The user's settings, and the state folder (none when empty).
    QMap<QString, QString> Settings;
    QString State;

    QDateTime Now{QDate(2014, 5, 1), QTime(9, 5, 7)};

    std::optional<uint64_t> PerformanceCounter() override { return Counter; }
    uint32_t MillisecondsSinceStart() override { return 0; }
    QString Language() override { return language_; }
    // Speaks `language` from here on, its translations installed as the program installs them.
    void Speak(const QString& language)
    {
        translations_ = std::make_unique<QObject>();
        language_ = InstallTranslations({language}, translations_.get());
        UseFacesOfLanguage(language_);
    }
    QString TextEncodingLocale() override { return TextLocale; }
    void SetMouseCursor(MouseCursor cursor) override
    {
        Cursor = cursor;
        if (cursor == MouseCursor::Hourglass)
            ++HourglassCount;
    }
    void ShowErrorMessage(const QString& message) override { Errors.append(message); }
    void ShowInformation(const QString& message) override { Notices.append(message); }
    // The import previews shown, and the choices made in them in turn (when
    // none is left, the file read as it is; an empty one cancels).
    QList<ImportQuestion> ImportQuestions;
    QList<std::optional<ImportChoice>> ImportAnswers;
    std::function<void()> WhilePreviewOpen; // what happens while the user looks
    std::optional<ImportChoice> AskImportChoice(const ImportQuestion& question) override
    {
        ImportQuestions.append(question);
        if (WhilePreviewOpen)
            WhilePreviewOpen();
        return ImportAnswers.isEmpty() ? std::optional(ImportChoice{}) : ImportAnswers.takeFirst();
    }

    bool PrintDocument(const QString& title, const QString& html) override
    {
        Printed.append(title + '\n' + html);
        return true;
    }
    // No QR code can be made, as when the documents' module cannot be loaded.
    bool QrCodeFails = false;
    const DocumentFunctions& Documents() override
    {
        static const DocumentFunctions failing = [] {
            DocumentFunctions functions = DocumentTable();
            functions.QrCode = [](const QString&, int) -> QImage { throw UserError(QStringLiteral("cannot load")); };
            return functions;
        }();
        return QrCodeFails ? failing : DocumentTable();
    }
    void FillSecureRandom(void* bytes, size_t count) override
    {
        ++SecureRandomRequests;
        auto* next = static_cast<unsigned char*>(bytes);
        for (size_t index = 0; index < count; ++index)
            next[index] = static_cast<unsigned char>(SecureSource());
    }
    // The work runs to its end: no Cancel is pressed.
    void RunWhileWaiting(const QString&, const std::function<void(std::stop_token)>& work) override { work({}); }
    bool AskYesNo(const QString& question) override
    {
        Questions.append(question);
        return !Answers.isEmpty() && Answers.takeFirst();
    }

    SaveAnswer AskToSave(const QString& question) override
    {
        SaveQuestions.append(question);
        return SaveFirstAnswers.isEmpty() ? SaveAnswer::Discard : SaveFirstAnswers.takeFirst();
    }
    bool AskWithDefault(const QString& question, const QString& yes, const QString& no) override
    {
        TwoWayQuestions << question << yes << no;
        return TwoWayAnswers.isEmpty() || TwoWayAnswers.takeFirst();
    }
    std::optional<QString> Setting(const QString& key) override
    {
        return Settings.contains(key) ? std::optional(Settings.value(key)) : std::nullopt;
    }
    void SetSetting(const QString& key, const QString& value) override { Settings.insert(key, value); }
    QString StateFolder() override { return State; }

    std::optional<ControlFont> ChooseFont(const ControlFont& initial,
                                          const std::function<void(const ControlFont&)>& apply) override
    {
        FontDialogStarts.append(initial);
        for (const ControlFont& font : FontsToApply)
            apply(font);
        return FontToConfirm;
    }

    void CaptureWindowToClipboard(QWidget* window) override { CapturedWindow = window; }
    void ShowAbout(const QString& title, const QString& text) override { AboutBoxes << title << text; }
    QString GuideAddress() override { return Guide; }
    // The build's own helpers, wherever the test program runs from.
    QString HelperProgram(const QString& name) override
    {
        return QStringLiteral(QUORVAN_HELPER_DIRECTORY "/") + name;
    }

    std::optional<QString> ChooseFileToOpen(const QString& filter, const QString& initialFile) override
    {
        Filters.append(filter);
        OpenStarts.append(initialFile);
        return OpenAnswers.isEmpty() ? std::nullopt : OpenAnswers.takeFirst();
    }
    std::optional<SaveChoice> ChooseFileToSave(const QString& filter, const QString& folder,
                                              const QString& initialName) override
    {
        Filters.append(filter);
        SaveFolders.append(folder);
        SaveStarts.append(initialName);
        const std::optional<QString> answer = SaveAnswers.isEmpty() ? std::nullopt : SaveAnswers.takeFirst();
        if (!answer)
            return std::nullopt;
        return SaveChoice{*answer, SaveFilterChoices.isEmpty() ? 0 : SaveFilterChoices.takeFirst()};
    }
    QDateTime LocalNow() override { return Now; }
    QString ShortDate(const QDate& date) override { return date.toString(QStringLiteral("yyyy/MM/dd")); }
    QString LongTime(const QTime& time) override { return time.toString(QStringLiteral("H:mm:ss")); }

private:
    QString language_ = QStringLiteral("en");
    std::unique_ptr<QObject> translations_;
};

} // namespace quorvan::testing
