// When a list file is worth a question before it is read: a heading row,
// numbers or codes in column A with names beside them. Lists as people keep
// them, each row a line split at its commas.

#include "lists/ImportShape.h"

using namespace quorvan;

namespace {

QList<QStringList> Rows(const QStringList& lines)
{
    QList<QStringList> rows;
    for (const QString& line : lines)
        rows.append(line.split(QLatin1Char(',')));
    return rows;
}

} // namespace

class TestImportShape : public QObject {
    Q_OBJECT

private slots:
    void shapes_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("namesColumn");
        QTest::newRow("prize heading") << QStringList{"Prize", "Tablet", "Mug"} << "Prize" << 0;
        QTest::newRow("full-width heading, colon") << QStringList{"賞品：", "タブレット", "マグ"} << "賞品：" << 0;
        QTest::newRow("employee numbers in A")
            << QStringList{"1001,Alice Brown", "1002,Bob Green", "1003,Carol White"} << "" << 2;
        QTest::newRow("codes, heading, names in C")
            << QStringList{"Emp No.,Dept,Name", "EMP-0042,12,Alice", "EMP-0043,12,Bob", "EMP-0044,7,Cy"} << "Name" << 3;
        QTest::newRow("full-width numbers") << QStringList{"１０１,佐藤", "１０２,鈴木"} << "" << 2;
        QTest::newRow("plain names") << QStringList{"Alice", "Bob", "Nameless Joe"} << "" << 0;
        QTest::newRow("numbered prizes alone") << QStringList{"1", "2", "3"} << "" << 0;
        QTest::newRow("names with ages") << QStringList{"Alice,34", "Bob,41"} << "" << 0;
        QTest::newRow("numbers beside numbers") << QStringList{"1,10", "2,20"} << "" << 0;
        QTest::newRow("one row") << QStringList{"7,Ann"} << "" << 0;
    }

    void shapes()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, heading);
        QFETCH(int, namesColumn);
        const ImportShape shape = ShapeOfRows(Rows(lines));
        QCOMPARE(shape.HeadingLike, heading);
        QCOMPARE(shape.NamesColumn, namesColumn);
        QCOMPARE(shape.doubtful(), !heading.isEmpty() || namesColumn != 0);
        const ImportChoice likely{namesColumn == 0 ? 1 : namesColumn, !heading.isEmpty(), false};
        QCOMPARE(shape.Likely, likely);
    }

    void choicesKeptAsSettings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("column B, heading") << "2,1,0" << true;
        QTest::newRow("past empty cells") << "1,0,1" << true;
        QTest::newRow("column 0") << "0,0,0" << false;
        QTest::newRow("no number") << "B,1,0" << false;
        QTest::newRow("too short") << "2,1" << false;
    }

    void choicesKeptAsSettings()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<ImportChoice> read = ImportChoice::FromSetting(text);
        QCOMPARE(read.has_value(), valid);
        if (valid)
            QCOMPARE(read->ToSetting(), text);
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestImportShape)
#include "TestImportShape.moc"
