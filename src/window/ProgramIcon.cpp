#include "window/ProgramIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QVariant>

#include <array>

namespace quorvan {

namespace {

// The icon's pictures, each drawn from the scalable one at its size, and
// read only when a size asks for it: told they are PNG, the reader opens no
// plug-in to guess. Any other size is the next larger picture made smaller
// (the largest made larger past it), the same in every mode and state: the
// icon is only ever shown as a picture.
class PictureIconEngine final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }

    QString key() const override { return QStringLiteral("QuorvanPictures"); }

    // What a window manager is offered: the sizes it shows.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(32, 32), QSize(48, 48)}; }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::max(size.width(), size.height());
        std::size_t picture = 0;
        while (picture + 1 < Pictures.size() && Pictures[picture].Side < side)
            ++picture;
        QImage& image = read_[picture];
        if (image.isNull()) {
            QImageReader reader(QString::fromLatin1(Pictures[picture].Name), "png");
            reader.setAutoDetectImageFormat(false);
            image = reader.read();
        }
        if (image.isNull() || image.size() == size)
            return QPixmap::fromImage(image);
        return QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device()->devicePixelRatio();
        QPixmap drawn = pixmap(rect.size() * scale, mode, state);
        drawn.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

private:
    struct Picture {
        int Side;
        const char* Name;
    };
    static constexpr std::array<Picture, 3> Pictures = {
        {{32, ":/quorvan/icon.png"}, {48, ":/quorvan/quorvan-48.png"}, {256, ":/quorvan/quorvan-256.png"}}};

    std::array<QImage, Pictures.size()> read_;
};

} // namespace

QIcon ProgramIcon()
{
    // One icon for the whole program, kept by the application, so that each
    // picture is read once and then taken from the icon.
    static const char* const Kept = "quorvanProgramIcon";
    QCoreApplication* application = QGuiApplication::instance();
    const QVariant kept = application->property(Kept);
    if (kept.canConvert<QIcon>())
        return kept.value<QIcon>();
    const QIcon icon(new PictureIconEngine);
    application->setProperty(Kept, icon);
    return icon;
}

} // namespace quorvan
