#include "drawrecord/Sha256.h"

#include <sodium.h>

namespace quorvan {

// libsodium's digest is a quarter of the work of Qt's.
QByteArray Sha256(QByteArrayView bytes)
{
    // libsodium is started once before its first use, as it asks. Its only
    // failure is a missing source of randomness, which hashing does not use.
    [[maybe_unused]] static const int started = sodium_init();
    QByteArray digest(crypto_hash_sha256_BYTES, Qt::Uninitialized);
    crypto_hash_sha256(reinterpret_cast<unsigned char*>(digest.data()),
                       reinterpret_cast<const unsigned char*>(bytes.data()),
                       static_cast<unsigned long long>(bytes.size()));
    return digest;
}

} // namespace quorvan
