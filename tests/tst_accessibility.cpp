#include "inkscan.h"
#include "panes/announcer.h"
#include "panes/picture.h"
#include "panes/textpane.h"
#include "subjects.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

using enum Control;

PrintItem text(const char* s) {
    return PrintItem::fromText(QString::fromLatin1(s));
}

QStringList tabCycle() {
    QStringList names;
    QWidget* first = QApplication::focusWidget();
    do {
        names.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != first && names.size() < 40);
    return names;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void tabReachesButtonsInLayoutOrder_data();
    void tabReachesButtonsInLayoutOrder();
    void spacePressesTheFocusedButton();
    void panesExposeTheirText_data();
    void panesExposeTheirText();
    void characterRectIsWhereTheGlyphIsDrawn_data();
    void characterRectIsWhereTheGlyphIsDrawn();
    void announcements_data();
    void announcements();
    void diagramsDescribeThePathway_data();
    void diagramsDescribeThePathway();
    void menuByKeyboard_data();
    void menuByKeyboard();
    void pathwayWindowSaysItselfAndGoesWithEscape();
    void zoomIsShownAndSaid();
};

void TestAccessibility::tabReachesButtonsInLayoutOrder_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("cycle");

    QTest::newRow("start-up") << 0 << "seeanswer1" << QStringList{"seeanswer1", "end", "Picture1"};
    QTest::newRow("answer 2 with its pathway")
        << 3 << "Picture1"
        << QStringList{"Picture1", "Picture3", "end", "hideanswer2", "seepathway1"};
    QTest::newRow("question 4 with its pathway")
        << 6 << "Picture1"
        << QStringList{"Picture1", "Picture3", "end", "seepathway2", "seeanswer4"};
}

void TestAccessibility::tabReachesButtonsInLayoutOrder() {
    QFETCH(int, presses);
    QFETCH(QString, start);
    QFETCH(QStringList, cycle);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showMaximized();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Control walk[] = {seeanswer1,  hideanswer1, seeanswer2,
                            hideanswer2, seeanswer3,  hideanswer3};
    for (int i = 0; i < presses; ++i)
        window.button(walk[i])->click();
    window.findChild<QWidget*>(start)->setFocus(Qt::TabFocusReason);

    QCOMPARE(tabCycle(), cycle);
}

void TestAccessibility::spacePressesTheFocusedButton() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showMaximized();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (Control button : {seeanswer1, hideanswer1, seeanswer2})
        window.button(button)->click();

    window.button(seepathway1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.button(seepathway1), Qt::Key_Space);
    QVERIFY(window.pathwayWindow(Pathway::Gluconeogenesis));
    QVERIFY(window.pathwayWindow(Pathway::Gluconeogenesis)->isVisible());

    QPushButton* hide = window.pathwayWindow(Pathway::Gluconeogenesis)->findChild<QPushButton*>();
    hide->setFocus(Qt::TabFocusReason);
    QTest::keyClick(hide, Qt::Key_Space);
    QVERIFY(window.pathwayWindow(Pathway::Gluconeogenesis)->isHidden());
}

void TestAccessibility::panesExposeTheirText_data() {
    QTest::addColumn<bool>("questionPane");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("line");

    QTest::newRow("question pane") << true << "Questions" << 6;
    QTest::newRow("answer pane") << false << "Answer" << 3;
}

void TestAccessibility::panesExposeTheirText() {
    QFETCH(bool, questionPane);
    QFETCH(QString, name);
    QFETCH(int, line);

    ExerciseWindow window(Subjects::code(1, 65, 0.5, 10.8));
    window.show();
    window.button(seeanswer1)->click();
    TextPane* pane = questionPane ? window.questionPane() : window.answerPane();

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pane);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QVERIFY(accessible->state().readOnly && accessible->state().multiLine);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Value), pane->plainText());

    QAccessibleTextInterface* text = accessible->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), int(pane->plainText().size()));
    QCOMPARE(text->text(0, text->characterCount()), pane->plainText());
    QCOMPARE(text->text(5, 17), pane->plainText().mid(5, 12));

    const QStringList lines = pane->plainLines();
    int offset = 0;
    for (int i = 0; i < line; ++i)
        offset += int(lines.at(i).size()) + 1;
    int start = -1, end = -1;
    // A line comes with its newline, as readers expect: Orca drops the last
    // character of a line that lacks it.
    QCOMPARE(text->textAtOffset(offset + 2, QAccessible::LineBoundary, &start, &end),
             lines.at(line) + u'\n');
    QCOMPARE(start, offset);
    QCOMPARE(end, offset + int(lines.at(line).size()) + 1);

    // Read sentence by sentence, as Say All does, to the end: a sentence for
    // each line with words, none of them blank.
    const QString all = pane->plainText();
    QStringList sentences;
    for (int at = 0, s = 0, e = 0; at < all.size(); at = e) {
        const QString sentence =
            sentences.isEmpty()
                ? text->textAtOffset(0, QAccessible::SentenceBoundary, &s, &e)
                : text->textAfterOffset(at - 1, QAccessible::SentenceBoundary, &s, &e);
        QCOMPARE(s, at);
        QVERIFY2(e > s, qPrintable(QString::number(at)));
        sentences.append(sentence);
    }
    QCOMPARE(sentences.join(QString()), all);
    const qsizetype withWords = std::count_if(
        lines.begin(), lines.end(), [](const QString& l) { return !l.trimmed().isEmpty(); });
    QCOMPARE(sentences.size(), withWords);
    for (const QString& sentence : sentences)
        QVERIFY(!sentence.trimmed().isEmpty());
    // And back again from the end.
    QCOMPARE(text->textBeforeOffset(all.size(), QAccessible::SentenceBoundary, &start, &end),
             sentences.constLast());
}

// A magnifier or a caret drawn by a screen reader goes where the character
// is painted, tabs and the blank of a number included.
void TestAccessibility::characterRectIsWhereTheGlyphIsDrawn_data() {
    QTest::addColumn<PrintLine>("line");
    QTest::addColumn<int>("offset");

    QTest::newRow("first glyph after tab 5") << PrintLine{PrintItem::tab(5), text("H")} << 4;
    QTest::newRow("after a question number")
        << PrintLine{text("1)"), PrintItem::tab(5), text("H")} << 4;
    QTest::newRow("first glyph after tab 10") << PrintLine{PrintItem::tab(10), text("H")} << 9;
    QTest::newRow("digit after the sign blank")
        << PrintLine{PrintItem::tab(5), PrintItem::fromNumber(8.0f)} << 5;
}

void TestAccessibility::characterRectIsWhereTheGlyphIsDrawn() {
    QFETCH(PrintLine, line);
    QFETCH(int, offset);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.show();
    window.button(seeanswer1)->click();
    TextPane* pane = window.answerPane();
    pane->clear();
    pane->printLine(line);

    // The glyph's ink, in the pane, beyond anything drawn before it.
    const QRect ink = InkScan::bounds(pane->grab().toImage(), QRect(20, 0, pane->width(), 30));
    QVERIFY(!ink.isNull());
    const QRect rect =
        QAccessible::queryAccessibleInterface(pane)->textInterface()->characterRect(offset);
    const QRect local(pane->mapFromGlobal(rect.topLeft()), rect.size());
    QVERIFY2(
        ink.left() >= local.left() && ink.left() <= local.left() + 2,
        qPrintable(QStringLiteral("ink at %1, rectangle at %2").arg(ink.left()).arg(local.left())));
    QVERIFY(ink.right() <= local.right() + 1);
    QVERIFY(local.top() <= ink.top() && local.bottom() >= ink.bottom());
}

// What a screen reader is told without looking for it: one message a
// press, after the focus has moved.
void TestAccessibility::announcements_data() {
    QTest::addColumn<QList<Control>>("presses");
    QTest::addColumn<QString>("message");

    QTest::newRow("at start, the statement and question 1")
        << QList<Control>{}
        << "You are considering a man who weighs  72  kg. He  has just completed a 100 m sprint.\n"
           "Before the race his plasma lactate was  0.6  mmol /L";
    QTest::newRow("see answer 1: the answer, blank lines left out")
        << QList<Control>{seeanswer1}
        << "Extracellular fluid = 0.2 x  72  =  14.4  L   (You can assume that 1 kg of ecf = 1 "
           "L)\nOver 30 min his plasma lactate falls by  11.1  mmol/L\n";
    QTest::newRow("hide answer 1: the note and question 2")
        << QList<Control>{seeanswer1, hideanswer1}
        << "Most of this lactate will be taken up by the liver and used for gluconeogenesis.\n";
    QTest::newRow("see pathway 1 adds nothing to hear")
        << QList<Control>{seeanswer1, hideanswer1, seeanswer2, seepathway1}
        << "Synthesis of glucose from 2 x lactate uses 6 x ATP\n";
    QTest::newRow("hide answer 6: the exercise is complete")
        << QList<Control>{seeanswer1, hideanswer1, seeanswer2, hideanswer2, seeanswer3, hideanswer3,
                          seeanswer4, hideanswer4, seeanswer5, hideanswer5, seeanswer6, hideanswer6}
        << "Exercise complete.";
}

void TestAccessibility::announcements() {
    QFETCH(QList<Control>, presses);
    QFETCH(QString, message);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showMaximized();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (Control button : presses)
        window.button(button)->click();
    const Announcer* announcer = window.findChild<Announcer*>();
    QVERIFY(announcer);
    QTRY_VERIFY2(announcer->lastMessage().startsWith(message),
                 qPrintable(announcer->lastMessage()));
}

void TestAccessibility::diagramsDescribeThePathway_data() {
    QTest::addColumn<Pathway>("pathway");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("inOrder");

    QTest::newRow("gluconeogenesis")
        << Pathway::Gluconeogenesis << "Pathway diagram: gluconeogenesis from lactate"
        << QStringList{
               "lactate",  "pyruvate", "NAD\\+", "NADH", "ATP", "GTP", "glucose 6-phosphate",
               "glycogen", "UTP",      "6",      "7",    "8"};
    QTest::newRow("citric acid cycle")
        << Pathway::CitricAcidCycle
        << "Pathway diagram: lactate oxidation and the citric acid cycle"
        << QStringList{"lactate",   "pyruvate",   "acetyl CoA",    "oxaloacetate",
                       "citrate",   "isocitrate", "ketoglutarate", "succinyl CoA",
                       "succinate", "fumarate",   "malate",        "15 ATP"};
}

void TestAccessibility::diagramsDescribeThePathway() {
    QFETCH(Pathway, pathway);
    QFETCH(QString, name);
    QFETCH(QStringList, inOrder);

    PathwayWindow window(pathway);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.diagram());
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Graphic);
    QCOMPARE(accessible->text(QAccessible::Name), name);

    const QString description = accessible->text(QAccessible::Description);
    qsizetype from = 0;
    for (const QString& word : inOrder) {
        const QRegularExpression pattern(QStringLiteral("(?<!\\w)%1(?!\\w)").arg(word));
        const QRegularExpressionMatch match = pattern.match(description, from);
        QVERIFY2(match.hasMatch(),
                 qPrintable(QStringLiteral("%1 after offset %2").arg(word).arg(from)));
        from = match.capturedEnd();
    }
}

void TestAccessibility::menuByKeyboard_data() {
    QTest::addColumn<bool>("exercise");
    QTest::newRow("exercise window") << true;
    QTest::newRow("pathway window") << false;
}

// Shift+F10 opens the context menu, the same one each time, its first item
// highlighted; every item has a shortcut or a mnemonic of its own.
void TestAccessibility::menuByKeyboard() {
    QFETCH(bool, exercise);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showPathway(Pathway::Gluconeogenesis);
    FormWindow* form = exercise ? static_cast<FormWindow*>(&window)
                                : window.pathwayWindow(Pathway::Gluconeogenesis);
    form->showMaximized();
    QApplication::setActiveWindow(form);
    QVERIFY(QTest::qWaitForWindowActive(form));

    QMenu* opened = nullptr;
    for (int opening = 0; opening < 2; ++opening) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(form->contextMenu() && form->contextMenu()->isVisible());
        QVERIFY(!opened || opened == form->contextMenu());
        opened = form->contextMenu();
        QCOMPARE(opened->activeAction(), opened->actions().constFirst());
        opened->hide();
    }

    QSet<QChar> mnemonics;
    for (QAction* action : opened->actions()) {
        if (action->isSeparator())
            continue;
        const qsizetype amp = action->text().indexOf(u'&');
        QVERIFY2(amp >= 0 || !action->shortcut().isEmpty(), qPrintable(action->text()));
        if (amp >= 0) {
            const QChar key = action->text().at(amp + 1).toLower();
            QVERIFY2(!mnemonics.contains(key), qPrintable(action->text()));
            mnemonics.insert(key);
        }
    }
}

// Put in front, a pathway window names what it shows and where its
// description is; Escape puts it away as "Hide pathway" does.
void TestAccessibility::pathwayWindowSaysItselfAndGoesWithEscape() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showMaximized();
    window.showPathway(Pathway::CitricAcidCycle);
    PathwayWindow* pathway = window.pathwayWindow(Pathway::CitricAcidCycle);
    QApplication::setActiveWindow(pathway);
    QVERIFY(QTest::qWaitForWindowActive(pathway));
    QTRY_COMPARE(pathway->announcer()->lastMessage(),
                 "Lactate oxidation and the citric acid cycle. The diagram and its step-by-step "
                 "description follow on Tab; Escape puts the window away.");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(pathway->isHidden());
    window.showPathway(Pathway::CitricAcidCycle);
    QVERIFY(pathway->isVisible());
}

// A zoom step is said and, for a moment, shown at the top of the window.
void TestAccessibility::zoomIsShownAndSaid() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showMaximized();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(&window, QKeySequence::ZoomIn);
    QCOMPARE(window.announcer()->lastMessage(), "Zoom 110 %");
    auto* shown = window.findChild<QLabel*>("zoomLevel");
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->text(), "Zoom 110 %");
    QVERIFY(window.viewport().contains(shown->geometry()));
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(window.announcer()->lastMessage(), "Zoom 100 %, as the screen allows");
    QTRY_VERIFY_WITH_TIMEOUT(shown->isHidden(), 3000);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
