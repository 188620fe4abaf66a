#include "app/Application.h"

#include "window/ProgramIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QProxyStyle>
#include <QStyleFactory>

#include <functional>
#include <optional>

namespace quorvan {

namespace {

// An icon read from its pictures when it is first drawn or measured: the menu
// bar's overflow button takes one at start-up, and it shows only when the
// menus do not fit, so that reading its pictures (which loads every image
// format plug-in to find the reader) need not delay the first frame.
class IconReadWhenShown final : public QIconEngine {
public:
    explicit IconReadWhenShown(std::function<QIcon()> read) : read_(std::move(read)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new IconReadWhenShown(read_); }

private:
    const QIcon& icon()
    {
        if (!icon_)
            icon_ = read_();
        return *icon_;
    }

    std::function<QIcon()> read_;
    std::optional<QIcon> icon_;
};

// Fusion, with the compact check boxes and dark greyed text of a classic
// desktop, so the designed sizes hold their texts and disabled captions stay
// readable on the silver window.
class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight: return 13;
        case PM_CheckBoxLabelSpacing: return 4;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        return QIcon(new IconReadWhenShown([this, icon] {
            return QProxyStyle::standardIcon(icon, nullptr, nullptr);
        }));
    }

    void polish(QPalette& palette) override
    {
        QProxyStyle::polish(palette);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    }
};

} // namespace

void ConfigureApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Quorvan"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorvan.Quorvan"));
    QApplication::setWindowIcon(ProgramIcon());
    application.setStyle(new ClassicStyle);
}

} // namespace quorvan
