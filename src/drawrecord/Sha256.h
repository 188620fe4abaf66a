#pragma once
// The SHA-256 digest every record, announcement and commitment is sealed with.

#include <QByteArray>
#include <QByteArrayView>

namespace quorvan {

// The 32 bytes of the SHA-256 digest of `bytes`.
QByteArray Sha256(QByteArrayView bytes);

} // namespace quorvan
