#include "stages/printitem.h"

#include <QTest>

#include <limits>

class TestPrintItem : public QObject {
    Q_OBJECT

private slots:
    void floatForms_data();
    void floatForms();
    void doubleForms_data();
    void doubleForms();
    void formsReadBack();
};

void TestPrintItem::floatForms_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole, no point") << 72.0f << " 72 ";
    QTest::newRow("tenths not float noise") << 14.4f << " 14.4 ";
    QTest::newRow("below one with leading zero") << 0.4f << " 0.4 ";
    QTest::newRow("float just below a tenth") << 130.7f << " 130.7 ";
    QTest::newRow("zero") << 0.0f << " 0 ";
    QTest::newRow("large whole") << 880.0f << " 880 ";
}

void TestPrintItem::floatForms() {
    QFETCH(float, value);
    QFETCH(QString, text);
    const PrintItem item = PrintItem::fromNumber(value);
    QCOMPARE(item.kind, PrintItem::Kind::Number);
    QCOMPARE(item.text, text);
}

void TestPrintItem::doubleForms_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole mass") << 3838.0 << " 3838 ";
    QTest::newRow("hundredths") << 10.31 << " 10.31 ";
    QTest::newRow("trailing zero dropped") << 2.8 << " 2.8 ";
    QTest::newRow("tenths") << 22.6 << " 22.6 ";
}

void TestPrintItem::doubleForms() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(PrintItem::fromNumber(value).text, text);
}

// The shortest form must still name the stored value, not its neighbour.
void TestPrintItem::formsReadBack() {
    for (float value = 0.1f; value < 1000.0f; value = std::nextafter(value * 1.37f, 2000.0f)) {
        const QString text = PrintItem::decimal(value);
        QCOMPARE(text.toFloat(), value);
        QVERIFY(!text.contains(u'e'));
    }
    const double doubles[] = {std::nextafter(2.86, 0.0), 2.86, 1.0 / 3.0, 12345.678};
    for (double value : doubles)
        QCOMPARE(PrintItem::decimal(value).toDouble(), value);
}

QTEST_APPLESS_MAIN(TestPrintItem)
#include "tst_printitem.moc"
