#pragma once
// The platform as this desktop offers it, through Qt and the C library.

#include "platform/Platform.h"

#include <QLocale>

namespace quorvan {

// A dialog filter of description|pattern pairs as Qt's file dialog takes it.
QString QtFileFilter(const QString& filter);

// The locale's short date format, with the year in full.
QString ShortDateFormat(const QLocale& locale);
// The locale's time format with seconds.
QString LongTimeFormat(const QLocale& locale);

class QtPlatform : public Platform {
public:
    // Chooses the user's language and installs its translations into the running
    // application, and has lists decoded with the documents' encoding detector.
    QtPlatform();
    std::optional<uint64_t> PerformanceCounter() override;
    uint32_t MillisecondsSinceStart() override;
    QString Language() override;
    QString TextEncodingLocale() override;
    void SetMouseCursor(MouseCursor cursor) override;
    void ShowErrorMessage(const QString& message) override;
    void ShowInformation(const QString& message) override;
    void FillSecureRandom(void* bytes, size_t count) override;
    bool AskYesNo(const QString& question) override;
    SaveAnswer AskToSave(const QString& question) override;
    bool AskWithDefault(const QString& question, const QString& yes, const QString& no) override;
    std::optional<QString> Setting(const QString& key) override;
    void SetSetting(const QString& key, const QString& value) override;
    QString StateFolder() override;
    std::optional<ControlFont> ChooseFont(const ControlFont& initial,
                                          const std::function<void(const ControlFont&)>& apply) override;
    void CaptureWindowToClipboard(QWidget* window) override;
    void ShowAbout(const QString& title, const QString& text) override;
    bool PrintDocument(const QString& title, const QString& html) override;
    const DocumentFunctions& Documents() override;
    std::optional<ImportChoice> AskImportChoice(const ImportQuestion& question) override; // ImportPreview.cpp
    QString GuideAddress() override;
    QString HelperProgram(const QString& name) override;
    std::optional<QString> ChooseFileToOpen(const QString& filter, const QString& initialFile) override;
    std::optional<SaveChoice> ChooseFileToSave(const QString& filter, const QString& folder,
                                              const QString& initialName) override;
    QDateTime LocalNow() override;
    QString ShortDate(const QDate& date) override;
    QString LongTime(const QTime& time) override;
    void RunWhileWaiting(const QString& doing, const std::function<void(std::stop_token)>& work) override;

private:
    const QString language_;
};

} // namespace quorvan
