#pragma once
// The platform as this desktop offers it, through Qt and the C library.

#include "Platform.h"

#include <QLocale>

namespace quorvan {

// The Windows locale identifier of a Qt locale; 1033 where no better one is known.
int32_t LocaleIdentifier(const QLocale& locale);

class QtPlatform : public Platform {
public:
    std::optional<uint64_t> QueryPerformanceCounter() override;
    uint32_t GetTickCount() override;
    int32_t UserDefaultLCID() override;
    void SetMouseCursor(MouseCursor cursor) override;
    void ShowErrorMessage(const QString& message) override;
    std::optional<ControlFont> ChooseFont(const ControlFont& initial,
                                          const std::function<void(const ControlFont&)>& apply) override;
    void CaptureWindowToClipboard(QWidget* window) override;
    void OpenAddress(const QString& address) override;
    QString GuideAddress() override;
};

} // namespace quorvan
