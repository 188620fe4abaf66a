#include "drawrecord/Sha256.h"

#include <sodium.h>

namespace quorvan {

// libsodium's digest is a quarter of the work of Qt's. It needs no
// sodium_init(): hashing keeps no state and draws no randomness.
QByteArray Sha256(QByteArrayView bytes)
{
    QByteArray digest(crypto_hash_sha256_BYTES, Qt::Uninitialized);
    crypto_hash_sha256(reinterpret_cast<unsigned char*>(digest.data()),
                       reinterpret_cast<const unsigned char*>(bytes.data()),
                       static_cast<unsigned long long>(bytes.size()));
    return digest;
}

} // namespace quorvan
