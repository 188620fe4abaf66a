#include "Application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
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

} // namespace

void ConfigureApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Quorvan"));
    QApplication::setDesktopFileName(QStringLiteral("quorvan"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorvan/icon.png")));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(fusion);
    SubstituteDesignedFaces();
}

} // namespace quorvan
