#include "drawrecord/AnnouncedDraw.h"

#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/Sha256.h"
#include "ladder/UniformShuffle.h"

#include <QtEndian>

namespace quorvan {

namespace {

QByteArray BigEndian64(uint64_t number)
{
    QByteArray bytes(8, '\0');
    qToBigEndian(number, bytes.data());
    return bytes;
}

// The shuffle's words: the digests of K, "shuffle" and a counter, one after another.
class KeyedWords final : public RandomWords {
public:
    explicit KeyedWords(const QByteArray& key) : key_(key) {}
    uint32_t NextWord() override
    {
        if (used_ == block_.size()) {
            block_ = Sha256(key_ + QByteArrayLiteral("shuffle") + BigEndian64(counter_++));
            used_ = 0;
        }
        const uint32_t word = qFromBigEndian<uint32_t>(block_.constData() + used_);
        used_ += 4;
        return word;
    }

private:
    QByteArray key_;
    QByteArray block_;
    qsizetype used_ = 0;
    uint64_t counter_ = 0;
};

} // namespace

AnnouncedOutcome DrawFromAnnouncement(const QByteArray& announcementDigest, const QJsonArray& values, int32_t rows)
{
    AnnouncedOutcome outcome;
    outcome.Key = Sha256(AnnouncedDrawMethod.toUtf8() + '\0' + announcementDigest + CanonicalJson(values));
    KeyedWords words(outcome.Key);
    outcome.Order = UniformOrder(rows, words);
    outcome.Seed = qFromBigEndian<uint32_t>(Sha256(outcome.Key + QByteArrayLiteral("ladder")).constData());
    return outcome;
}

} // namespace quorvan
