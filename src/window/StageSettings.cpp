#include "window/StageSettings.h"

#include "platform/Platform.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QScreen>

namespace quorvan {

namespace {

const QString ThemeKey = QStringLiteral("Stage/Theme");
const QString ReducedMotionKey = QStringLiteral("Stage/ReducedMotion");
const QString CurtainKey = QStringLiteral("Stage/Curtain");
const QString CelebrationKey = QStringLiteral("Stage/Celebration");
const QString PathKey = QStringLiteral("Stage/PathMilliseconds");
const QString PauseKey = QStringLiteral("Stage/PauseMilliseconds");

int Stored(Platform& platform, const QString& key, int lowest, int highest, int otherwise)
{
    bool number = false;
    const int value = platform.Setting(key).value_or(QString()).toInt(&number);
    return number && value >= lowest && value <= highest ? value : otherwise;
}

QString Flag(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

// A settings key for one set-up of screens: its text hashed, since screen names may hold any character.
QString ScreenKey(const QString& setUp)
{
    return QStringLiteral("Stage/Screen-") +
           QString::fromLatin1(QCryptographicHash::hash(setUp.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace

StageSettings LoadStageSettings(Platform& platform)
{
    StageSettings settings;
    settings.Theme = StageTheme(Stored(platform, ThemeKey, 0, StageThemeCount - 1, int(settings.Theme)));
    settings.ReducedMotion = platform.Setting(ReducedMotionKey) == Flag(true);
    settings.Curtain = platform.Setting(CurtainKey) != Flag(false);
    settings.Celebration = platform.Setting(CelebrationKey) != Flag(false);
    settings.PathMilliseconds = Stored(platform, PathKey, StageSettings::ShortestPath, StageSettings::LongestPath,
                                       settings.PathMilliseconds);
    settings.PauseMilliseconds = Stored(platform, PauseKey, 0, StageSettings::LongestPause, settings.PauseMilliseconds);
    return settings;
}

void SaveStageSettings(Platform& platform, const StageSettings& settings)
{
    platform.SetSetting(ThemeKey, QString::number(int(settings.Theme)));
    platform.SetSetting(ReducedMotionKey, Flag(settings.ReducedMotion));
    platform.SetSetting(CurtainKey, Flag(settings.Curtain));
    platform.SetSetting(CelebrationKey, Flag(settings.Celebration));
    platform.SetSetting(PathKey, QString::number(settings.PathMilliseconds));
    platform.SetSetting(PauseKey, QString::number(settings.PauseMilliseconds));
}

QString ScreenSetUp()
{
    QStringList screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect place = screen->geometry();
        screens << QStringLiteral("%1 %2,%3 %4x%5")
                       .arg(screen->name())
                       .arg(place.x())
                       .arg(place.y())
                       .arg(place.width())
                       .arg(place.height());
    }
    return screens.join(QLatin1Char('|'));
}

QString StageScreen(Platform& platform, const QString& setUp)
{
    return platform.Setting(ScreenKey(setUp)).value_or(QString());
}

void SetStageScreen(Platform& platform, const QString& setUp, const QString& screen)
{
    platform.SetSetting(ScreenKey(setUp), screen);
}

} // namespace quorvan
