#include "eventloop.h"
#include "inkscan.h"
#include "panes/picture.h"
#include "panes/textpane.h"
#include "subjects.h"
#include "walkthrough.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using Walkthrough::visibleChildren;

class TestExerciseWindow : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void controls_data();
    void controls();
    void tabOrder();
    void panesAndLogo();
    void statementText_data();
    void statementText();
    void statementShowsOnFirstPaint();
    void endQuits();
    void closingFromFrameQuits_data();
    void closingFromFrameQuits();
    void keyboardWalk();
    void applicationInfo();
};

void TestExerciseWindow::startState() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.objectName(), "Form1");
    QCOMPARE(window.windowTitle(), "Korvanel calculation");
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QCOMPARE(visibleChildren(window),
             (QStringList{"Picture1", "Picture2", "end", "seeanswer1", "shape1"}));
    QVERIFY(window.answerPane()->isHidden());
    QVERIFY(window.pathwayWindow(Pathway::Gluconeogenesis) == nullptr);
    QVERIFY(window.pathwayWindow(Pathway::CitricAcidCycle) == nullptr);
    QVERIFY(!window.windowIcon().isNull());
}

void TestExerciseWindow::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("logo") << "Picture2"
                          << "" << QRect(848, 8, 161, 97);
    QTest::newRow("question pane") << "Picture1"
                                   << "" << QRect(8, 8, 825, 593);
    QTest::newRow("answer pane") << "Picture3"
                                 << "" << QRect(8, 600, 825, 161);
    QTest::newRow("backdrop") << "shape1"
                              << "" << QRect(0, 0, 1024, 768);
    const char* captions[] = {"See answer 1",  "Hide answer 1", "See answer 2",  "Hide answer 2",
                              "See pathway 1", "See answer 3",  "Hide answer 3", "See pathway 2",
                              "See answer 4",  "Hide answer 4", "See answer 5",  "Hide answer 5",
                              "See answer 6",  "Hide answer 6"};
    int top = 120;
    for (const char* caption : captions) {
        const QString name = QString::fromLatin1(caption).toLower().remove(u' ');
        QTest::newRow(caption) << name << caption << QRect(872, top, 121, 33);
        top += 40;
    }
    QTest::newRow("end 56 px below the column") << "end"
                                                << "end" << QRect(872, 696, 121, 33);
}

void TestExerciseWindow::controls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    ExerciseWindow window(Subjects::code(1, 65, 0.5, 10.8));
    window.showMaximized();
    auto* widget = window.page()->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);

    // Restoring the window moves and resizes nothing.
    window.showNormal();
    QCOMPARE(widget->geometry(), geometry);
}

void TestExerciseWindow::tabOrder() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    const QStringList expected = {
        "Picture1",    "seeanswer1",  "Picture3",    "end",         "hideanswer1", "seeanswer2",
        "hideanswer2", "seepathway1", "seeanswer3",  "hideanswer3", "seepathway2", "seeanswer4",
        "hideanswer4", "seeanswer5",  "hideanswer5", "seeanswer6",  "hideanswer6"};
    QStringList chain;
    QWidget* widget = window.findChild<QWidget*>("Picture1");
    for (int i = 0; i < 40 && chain.size() < expected.size(); ++i) {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(chain, expected);
}

void TestExerciseWindow::panesAndLogo() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    const TextPane* question = window.questionPane();
    const TextPane* answer = window.answerPane();

    QCOMPARE(question->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(answer->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(answer->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(question->palette().color(QPalette::WindowText),
             window.palette().color(QPalette::WindowText));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(question->font(), window.font());
    QVERIFY(window.font().bold());

    auto* logo = window.findChild<Picture*>("Picture2");
    QVERIFY(logo);
    QCOMPARE(logo->imageSize(), QSize(165, 100));
    QCOMPARE(logo->size(), QSize(161, 97));

    // The 100 % bitmap is the drawing, rendered: an edit to one alone fails.
    const QImage bitmap = logo->raster(1).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage drawn =
        Picture(":/assets/logo.svg").raster(1).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(bitmap.size(), drawn.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor a = bitmap.pixelColor(x, y), b = drawn.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                24)
                ++differing;
        }
    QCOMPARE(differing, 0);
}

void TestExerciseWindow::statementText_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("man 72 kg")
        << "M72-0.6-12.3"
        << QStringList{"    You are considering a man who weighs  72  kg. He  has "
                       "just completed a 100 m sprint.",
                       "",
                       "    Before the race his plasma lactate was  0.6  mmol /L",
                       "    Immediately after the race  his  plasma lactate was  "
                       "12.3  mmol /L",
                       "    30 minutes later  his  plasma lactate was  1.2  mmol /L",
                       "",
                       "1)  Assuming that extracellular fluid is 20% of body weight,",
                       "    what is the total amount of lactate that he has "
                       "metabolised in 30 minutes?"};
    QTest::newRow("woman 65 kg") << "W65-0.5-10.8"
                                 << QStringList{
                                        "    You are considering a woman who weighs  65  kg. She  "
                                        "has just completed a 100 m sprint.",
                                        "",
                                        "    Before the race her plasma lactate was  0.5  mmol /L",
                                        "    Immediately after the race  her  plasma lactate was  "
                                        "10.8  mmol /L",
                                        "    30 minutes later  her  plasma lactate was  1  mmol /L",
                                        "",
                                        "1)  Assuming that extracellular fluid is 20% of body "
                                        "weight,",
                                        "    what is the total amount of lactate that she has "
                                        "metabolised in 30 minutes?"};
}

void TestExerciseWindow::statementText() {
    QFETCH(QString, code);
    QFETCH(QStringList, lines);

    ExerciseWindow window(*SubjectCode::parse(code));
    QCOMPARE(window.questionPane()->plainLines(), lines);
}

void TestExerciseWindow::statementShowsOnFirstPaint() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    TextPane* pane = window.questionPane();
    const int spacing = pane->lineHeight();
    const QImage image = pane->grab().toImage();
    for (int line : {0, 2, 3, 4, 6, 7})
        QVERIFY2(!InkScan::bounds(image, QRect(0, line * spacing, 825, spacing)).isNull(),
                 qPrintable(QStringLiteral("line %1 blank").arg(line + 1)));
    QVERIFY(InkScan::bounds(image, QRect(0, 8 * spacing, 825, 593 - 8 * spacing)).isNull());
}

void TestExerciseWindow::endQuits() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.show();
    QPushButton* end = window.findChild<QPushButton*>("end");
    QVERIFY(loopEndsAfter(end, [end] { end->click(); }));
}

void TestExerciseWindow::closingFromFrameQuits_data() {
    QTest::addColumn<bool>("withPathway");
    QTest::newRow("alone") << false;
    QTest::newRow("pathway window still open") << true;
}

void TestExerciseWindow::closingFromFrameQuits() {
    QFETCH(bool, withPathway);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.show();
    if (withPathway)
        window.showPathway(Pathway::CitricAcidCycle);
    QVERIFY(loopEndsAfter(&window, [&window] { window.close(); }));
}

// Space on the focused button walks the exercise; focus never lands on
// "end" on the way.
void TestExerciseWindow::keyboardWalk() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.showMaximized();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(QApplication::focusWidget(), window.button(Control::seeanswer1));
    for (int press = 0; press < 12; ++press) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(qobject_cast<QPushButton*>(focused));
        QVERIFY(focused->objectName() != u"end");
        QTest::keyClick(focused, Qt::Key_Space);
    }
    QVERIFY(window.button(Control::hideanswer6)->isHidden());
    QCOMPARE(QApplication::focusWidget(), window.questionPane());
}

// The same facts as the desktop entry, the metadata and the version record.
void TestExerciseWindow::applicationInfo() {
    ApplicationInfo::apply();
    QCOMPARE(QCoreApplication::applicationName(), "Korvanel");
    QCOMPARE(QCoreApplication::applicationVersion(), "1.00");
    QCOMPARE(QGuiApplication::desktopFileName(), "org.korvanel.Korvanel");
    QVERIFY(QGuiApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
}

QTEST_MAIN(TestExerciseWindow)
#include "tst_exercisewindow.moc"
