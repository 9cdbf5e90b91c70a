#include "inkscan.h"
#include "panes/panestyle.h"
#include "panes/textpane.h"

#include <QApplication>
#include <QFile>
#include <QRawFont>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

PrintLine textLine(const QString& text) {
    return {PrintItem::fromText(text)};
}

} // namespace

class TestTextPane : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void printsAndClears();
    void contentIsDrawn_data();
    void contentIsDrawn();
    void clearReturnsToTopLeft();
    void clearShowsOnScreen();
    void linesDoNotOverlap();
    void contentSurvivesHideAndShow();
    void fontIsTheCompiledInFace_data();
    void fontIsTheCompiledInFace();
    void caretMoves_data();
    void caretMoves();
    void clickPutsTheCaretThere();

private:
    TextPane* m_pane = nullptr;
};

void TestTextPane::init() {
    m_pane = new TextPane;
    m_pane->setFont(PaneStyle::windowFont());
    m_pane->setPalette(PaneStyle::pagePalette(Qt::black));
    m_pane->resize(825, 161);
}

void TestTextPane::cleanup() {
    delete m_pane;
}

void TestTextPane::printsAndClears() {
    QSignalSpy changed(m_pane, &TextPane::contentChanged);
    m_pane->printLine({PrintItem::fromText("1)"), PrintItem::tab(5), PrintItem::fromText("Q")});
    m_pane->printLine();
    m_pane->printLine(
        {PrintItem::tab(5), PrintItem::fromNumber(8.5f), PrintItem::fromText("mmol")});
    QCOMPARE(m_pane->plainLines(), (QStringList{"1)  Q", "", "     8.5 mmol"}));
    QCOMPARE(changed.count(), 3);

    m_pane->clear();
    QVERIFY(m_pane->plainLines().isEmpty());
    m_pane->printLine(textLine("after"));
    QCOMPARE(m_pane->plainLines(), QStringList{"after"});
}

// Where the first ink of a line falls: columns are average character
// widths, lines one line spacing apart, an empty line draws nothing.
void TestTextPane::contentIsDrawn_data() {
    QTest::addColumn<QList<PrintLine>>("lines");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before"); // drawn blank before the ink
    QTest::addColumn<int>("line");

    QTest::newRow("text at the top left") << QList<PrintLine>{textLine("H")} << 1 << "" << 0;
    QTest::newRow("tab 5 starts column 5")
        << QList<PrintLine>{{PrintItem::tab(5), PrintItem::fromText("H")}} << 5 << "" << 0;
    QTest::newRow("tab 10 starts column 10")
        << QList<PrintLine>{{PrintItem::tab(10), PrintItem::fromText("H")}} << 10 << "" << 0;
    QTest::newRow("number after tab 5 has its sign blank in column 5")
        << QList<PrintLine>{{PrintItem::tab(5), PrintItem::fromNumber(7.0f)}} << 5 << " " << 0;
    QTest::newRow("empty line moves one line down")
        << QList<PrintLine>{{}, textLine("H")} << 1 << "" << 1;
}

void TestTextPane::contentIsDrawn() {
    QFETCH(QList<PrintLine>, lines);
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(int, line);

    for (const PrintLine& items : lines)
        m_pane->printLine(items);
    const QRect ink = InkScan::bounds(m_pane);
    QVERIFY(!ink.isNull());

    const int columnLeft =
        (column - 1) * m_pane->columnWidth() + m_pane->fontMetrics().horizontalAdvance(before);
    QVERIFY2(ink.left() >= columnLeft && ink.left() <= columnLeft + 3,
             qPrintable(QStringLiteral("ink starts at x %1").arg(ink.left())));
    QVERIFY(ink.top() >= line * m_pane->lineHeight());
    QVERIFY(ink.bottom() < (line + 1) * m_pane->lineHeight());
}

void TestTextPane::clearReturnsToTopLeft() {
    for (int i = 0; i < 5; ++i)
        m_pane->printLine(textLine("line"));
    m_pane->clear();
    QVERIFY(InkScan::bounds(m_pane).isNull());

    m_pane->printLine(textLine("H"));
    QVERIFY(InkScan::bounds(m_pane).bottom() < m_pane->lineHeight());
}

// What the screen shows, not a fresh rendering: grab() would repaint.
void TestTextPane::clearShowsOnScreen() {
    m_pane->printLine(textLine("gone"));
    m_pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pane));
    const auto onScreen = [this] {
        return InkScan::bounds(m_pane->screen()->grabWindow(m_pane->winId()).toImage());
    };
    QTRY_VERIFY(!onScreen().isNull());
    m_pane->clear();
    QTRY_VERIFY(onScreen().isNull());
}

// Ink of one line never runs into the next: a descender stays clear of the
// capitals below it.
void TestTextPane::linesDoNotOverlap() {
    m_pane->printLine(textLine("Hg"));
    m_pane->printLine(textLine("Hg"));
    const QImage image = m_pane->grab().toImage();
    QList<int> inkRows;
    for (int y = 0; y < image.height(); ++y)
        if (!InkScan::bounds(image, QRect(0, y, image.width(), 1)).isNull())
            inkRows.append(y);
    QVERIFY(!inkRows.isEmpty());
    int gaps = 0;
    for (qsizetype i = 1; i < inkRows.size(); ++i)
        gaps += inkRows[i] > inkRows[i - 1] + 1;
    QCOMPARE(gaps, 1);
}

void TestTextPane::contentSurvivesHideAndShow() {
    m_pane->printLine(textLine("kept"));
    m_pane->show();
    const QImage before = m_pane->grab().toImage();
    m_pane->hide();
    m_pane->show();
    QCOMPARE(m_pane->grab().toImage(), before);
    QVERIFY(!InkScan::bounds(before).isNull());
}

void TestTextPane::fontIsTheCompiledInFace_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("panes and buttons") << "LiberationSans-Bold.ttf" << true << false;
    QTest::newRow("headers on paper") << "LiberationSans-Regular.ttf" << false << false;
    QTest::newRow("the logo's name") << "LiberationSans-BoldItalic.ttf" << true << true;
}

// The faces drawn are the ones compiled in, whatever copies of Liberation
// Sans the system has: their font headers differ from version to version.
void TestTextPane::fontIsTheCompiledInFace() {
    QFETCH(QString, file);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    const QFontInfo info(m_pane->font());
    QCOMPARE(info.family(), "Liberation Sans");
    QVERIFY(info.bold());
    QCOMPARE(info.pixelSize(), 13);

    // As the program does before it draws a drawing or paper.
    PaneStyle::loadDrawingFaces();
    QFont font = m_pane->font();
    font.setBold(bold);
    font.setItalic(italic);
    QFile compiledIn(":/fonts/" + file);
    QVERIFY(compiledIn.open(QIODevice::ReadOnly));
    const QRawFont face(compiledIn.readAll(), 13);
    QVERIFY(face.isValid());
    QCOMPARE(QRawFont::fromFont(font).fontTable("head"), face.fontTable("head"));
}

// Lines "ab", "" and "cdef": offsets a 0, b 1, the newlines 2 and 3, c 4,
// the end 8.
void TestTextPane::caretMoves_data() {
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<int>("offset");

    const QKeyCombination left(Qt::Key_Left), right(Qt::Key_Right), up(Qt::Key_Up),
        down(Qt::Key_Down), home(Qt::Key_Home), end(Qt::Key_End);
    const QKeyCombination top(Qt::ControlModifier, Qt::Key_Home),
        bottom(Qt::ControlModifier, Qt::Key_End);
    using Keys = QList<QKeyCombination>;
    QTest::newRow("right by a character") << Keys{right} << 1;
    QTest::newRow("left stops at the start") << Keys{left} << 0;
    QTest::newRow("right crosses a line end") << Keys{right, right, right} << 3;
    QTest::newRow("down to an empty line") << Keys{right, down} << 3;
    QTest::newRow("down keeps the column where it can") << Keys{right, down, down} << 4;
    QTest::newRow("up returns") << Keys{right, right, down, down, up, up} << 0;
    QTest::newRow("up at the top stays") << Keys{up} << 0;
    QTest::newRow("end of the line") << Keys{end} << 2;
    QTest::newRow("home of the line") << Keys{down, down, end, home} << 4;
    QTest::newRow("ctrl+end to the end of the text") << Keys{bottom} << 8;
    QTest::newRow("right stops at the end") << Keys{bottom, right} << 8;
    QTest::newRow("ctrl+home to the start") << Keys{bottom, top} << 0;
}

void TestTextPane::caretMoves() {
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(int, offset);

    for (const char* line : {"ab", "", "cdef"})
        m_pane->printLine(textLine(QString::fromLatin1(line)));
    for (const QKeyCombination key : keys)
        QTest::keyClick(m_pane, key.key(), key.keyboardModifiers());
    QCOMPARE(m_pane->cursorPosition(), offset);

    m_pane->clear();
    QCOMPARE(m_pane->cursorPosition(), 0);
}

// Lines "ab", "" and "cdef": a click on the third line's start focuses the
// pane and puts the caret there; below the last line, on the last.
void TestTextPane::clickPutsTheCaretThere() {
    for (const char* line : {"ab", "", "cdef"})
        m_pane->printLine(textLine(QString::fromLatin1(line)));
    m_pane->setFocusPolicy(Qt::StrongFocus);
    m_pane->show();
    QApplication::setActiveWindow(m_pane);
    QVERIFY(QTest::qWaitForWindowActive(m_pane));
    const int line = m_pane->lineHeight();
    QTest::mouseClick(m_pane, Qt::LeftButton, {}, QPoint(1, 2 * line + line / 2));
    QVERIFY(m_pane->hasFocus());
    QCOMPARE(m_pane->cursorPosition(), 4);
    QTest::mouseClick(m_pane, Qt::LeftButton, {}, QPoint(1, 6 * line));
    QCOMPARE(m_pane->cursorPosition(), 4);
    QTest::mouseClick(m_pane, Qt::LeftButton, {}, QPoint(800, line / 2));
    QCOMPARE(m_pane->cursorPosition(), 2);
}

QTEST_MAIN(TestTextPane)
#include "tst_textpane.moc"
