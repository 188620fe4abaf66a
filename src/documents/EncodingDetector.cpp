#include "documents/EncodingDetector.h"

#include <uchardet/uchardet.h>

namespace quorvan {

QByteArray DetectedEncoding(const QByteArray& bytes)
{
    const uchardet_t detector = uchardet_new();
    QByteArray name;
    if (uchardet_handle_data(detector, bytes.constData(), static_cast<size_t>(bytes.size())) == 0) {
        uchardet_data_end(detector);
        name = QByteArray(uchardet_get_charset(detector)).toUpper();
    }
    uchardet_delete(detector);
    return name;
}

} // namespace quorvan
