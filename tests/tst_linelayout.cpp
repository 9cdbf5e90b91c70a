#include "panes/linelayout.h"
#include "panes/panestyle.h"
#include "panes/textshaper.h"

#include <QTest>

namespace {

PrintItem text(const char* s) {
    return PrintItem::fromText(QString::fromLatin1(s));
}

// Where a run should start: the column a tab reached, then the widths of
// the items drawn since, each measured alone.
struct Start {
    int column;
    QStringList drawnSince;
};

} // namespace

Q_DECLARE_METATYPE(QList<Start>)

class TestLineLayout : public QObject {
    Q_OBJECT

private slots:
    void layOut_data();
    void layOut();
    void charactersSitWhereTheyAreDrawn();
};

void TestLineLayout::layOut_data() {
    QTest::addColumn<PrintLine>("line");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QList<Start>>("starts");

    QTest::newRow("texts join with nothing between")
        << PrintLine{PrintItem::tab(5), text("Before the race "), text("his"),
                     text(" plasma lactate was ")}
        << "    Before the race his plasma lactate was "
        << QList<Start>{{5, {}}, {5, {"Before the race "}}, {5, {"Before the race ", "his"}}};
    QTest::newRow("number after text ending in blank")
        << PrintLine{text("weighs "), PrintItem::fromNumber(72.0f), text(" kg.")}
        << "weighs  72  kg." << QList<Start>{{1, {}}, {1, {"weighs "}}, {1, {"weighs ", " 72 "}}};
    QTest::newRow("question number then tab")
        << PrintLine{text("1)"), PrintItem::tab(5), text("Assuming")} << "1)  Assuming"
        << QList<Start>{{1, {}}, {5, {}}};
    QTest::newRow("tab then number puts digits in column 6")
        << PrintLine{PrintItem::tab(5), PrintItem::fromNumber(136.0f)} << "     136 "
        << QList<Start>{{5, {}}};
    QTest::newRow("indented list entry") << PrintLine{PrintItem::tab(10), text("glucose")}
                                         << "         glucose" << QList<Start>{{10, {}}};
    QTest::newRow("tab behind the position stays put")
        << PrintLine{text("abcdefgh"), PrintItem::tab(5), text("i")} << "abcdefghi"
        << QList<Start>{{1, {}}, {1, {"abcdefgh"}}};
    QTest::newRow("narrow text before a tab still reaches its column")
        << PrintLine{text("ii"), PrintItem::tab(5), text("x")} << "ii  x"
        << QList<Start>{{1, {}}, {5, {}}};
    QTest::newRow("empty line") << PrintLine{} << "" << QList<Start>{};
}

void TestLineLayout::layOut() {
    QFETCH(PrintLine, line);
    QFETCH(QString, plain);
    QFETCH(QList<Start>, starts);

    const QFontMetrics metrics(PaneStyle::windowFont());
    const LineLayout layout(line, metrics);
    QCOMPARE(layout.plainText(), plain);
    QCOMPARE(LineLayout(line).plainText(), plain);
    QCOMPARE(plainText(line), plain);

    // Shaped once, the runs stand where the font's metrics put them.
    TextShaper shaper(PaneStyle::windowFont(), nullptr, TextShaper::Units::WholePixels);
    const LineLayout shaped(line, shaper);
    QCOMPARE(shaped.runs().size(), layout.runs().size());
    for (qsizetype i = 0; i < shaped.runs().size(); ++i)
        QCOMPARE(shaped.runs()[i].x, layout.runs()[i].x);
    QCOMPARE(shaped.width(), layout.width());

    QCOMPARE(layout.runs().size(), starts.size());
    for (qsizetype i = 0; i < starts.size(); ++i) {
        int x = (starts[i].column - 1) * metrics.averageCharWidth();
        for (const QString& drawn : starts[i].drawnSince)
            x += metrics.horizontalAdvance(drawn);
        QCOMPARE(layout.runs()[i].x, qreal(x));
        // The run's first character is read where the run is drawn.
        QCOMPARE(layout.characterLeft(layout.runs()[i].offset), qreal(x));
        QCOMPARE(plain.mid(layout.runs()[i].offset, layout.runs()[i].text.size()),
                 layout.runs()[i].text);
    }
    const LineLayout::Run last = layout.runs().value(starts.size() - 1);
    QCOMPARE(layout.width(), last.x + metrics.horizontalAdvance(last.text));
}

// Every character, padding blanks included, has a cell of its own: left
// edges never go back, and the point at a character's left edge finds it.
void TestLineLayout::charactersSitWhereTheyAreDrawn() {
    const PrintLine line = {text("2)"),  PrintItem::tab(5),           text("What is "),
                            text("his"), PrintItem::fromNumber(12.1), text("MJ perday")};
    for (const QFontMetricsF& metrics :
         {QFontMetricsF(PaneStyle::windowFont()), QFontMetricsF(PaneStyle::titleFont())}) {
        const LineLayout layout(line, metrics);
        const int size = int(layout.plainText().size());
        for (int offset = 0; offset < size; ++offset) {
            const qreal left = layout.characterLeft(offset);
            QVERIFY(left <= layout.characterLeft(offset + 1));
            if (left < layout.characterLeft(offset + 1))
                QCOMPARE(layout.offsetAt(left), offset);
        }
        QCOMPARE(layout.characterLeft(size), layout.width());
        QCOMPARE(layout.offsetAt(layout.width() + 1), size);
        QVERIFY(layout.width() > 4 * metrics.averageCharWidth());
    }
}

QTEST_MAIN(TestLineLayout)
#include "tst_linelayout.moc"
