#include "app/Application.h"

#include "window/ProgramIcon.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>

namespace quorvan {

namespace {

// The window is designed with Windows fonts; these faces have the same metrics.
void SubstituteDesignedFaces()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    // Terminal is a fixed-pitch face; Japanese characters fall back to IPA Gothic.
    QFont::insertSubstitutions(QStringLiteral("Terminal"),
                               {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("IPAGothic")});
}

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
    SubstituteDesignedFaces();
}

} // namespace quorvan
