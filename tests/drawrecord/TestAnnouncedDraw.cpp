#include "drawrecord/AnnouncedDraw.h"

#include <QCryptographicHash>

using namespace quorvan;

using Order = std::vector<int32_t>;
Q_DECLARE_METATYPE(Order)

// Expected outcomes worked out by a separate Python model of the guide's
// formulas (hashlib and json only).
class TestAnnouncedDraw : public QObject {
    Q_OBJECT

private slots:
    void outcomeFollowsFromDigestAndValues_data()
    {
        QTest::addColumn<QByteArray>("digest");
        QTest::addColumn<QJsonArray>("values");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<Order>("order");
        QTest::addColumn<uint>("seed");
        const QByteArray announced = QCryptographicHash::hash("an announcement", QCryptographicHash::Sha256);
        QTest::newRow("a participant who did not reveal")
            << announced << QJsonArray{"12 19 23 31 40 42", "3615", QJsonValue::Null} << 7
            << QByteArray("a7e19e9ba39908e385d1292d4c31425fa53f4e8ea5d6422e8034d9714ee44b1b") << Order{6, 2, 4, 5, 3, 7, 1}
            << 1680496615u;
        QTest::newRow("every value")
            << announced << QJsonArray{"12 19 23 31 40 42", "3615", "秘密"} << 7
            << QByteArray("2e6fb2d4fb57a44f9b1810f3175e8a3c886507714bde2e7ca46f65ff0b10af1d") << Order{4, 2, 6, 3, 5, 7, 1}
            << 1982656154u;
        QTest::newRow("no values, two rows")
            << QByteArray(32, '\0') << QJsonArray{} << 2
            << QByteArray("7cad54e573f7514fc6e41a4366ddde6e930ae10c717142c730a7157cd7ace855") << Order{1, 2} << 3797459380u;
    }

    void outcomeFollowsFromDigestAndValues()
    {
        QFETCH(QByteArray, digest);
        QFETCH(QJsonArray, values);
        QFETCH(int, rows);
        QFETCH(QByteArray, key);
        QFETCH(Order, order);
        QFETCH(uint, seed);
        const AnnouncedOutcome outcome = DrawFromAnnouncement(digest, values, rows);
        QCOMPARE(outcome.Key.toHex(), key);
        QCOMPARE(outcome.Order, order);
        QCOMPARE(outcome.Seed, seed);
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestAnnouncedDraw)
#include "TestAnnouncedDraw.moc"
