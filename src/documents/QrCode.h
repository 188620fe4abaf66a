#pragma once
// A QR code of a text, drawn by libqrencode, for phones to read what is
// published (the announcement's digest A).

#include <QImage>
#include <QString>

namespace quorvan {

// The code of `text` (byte mode, error correction level M) with its quiet
// zone of four modules, each module `moduleSize` pixels, black on white.
// An empty image when the text does not fit a QR code.
QImage QrCodeImage(const QString& text, int moduleSize);

} // namespace quorvan
