#include "documents/QrCode.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace quorvan {

QImage QrCodeImage(const QString& text, int moduleSize)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(static_cast<int>(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.constData()),
                          0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!code)
        return {};
    constexpr int QuietModules = 4;
    const int side = (code->width + 2 * QuietModules) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            // The lowest bit of each byte: the module is dark.
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + QuietModules) * moduleSize, (y + QuietModules) * moduleSize, moduleSize,
                                 moduleSize, Qt::black);
    return image;
}

} // namespace quorvan
