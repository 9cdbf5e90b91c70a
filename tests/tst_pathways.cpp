#include "eventloop.h"
#include "panes/picture.h"
#include "panes/textpane.h"
#include "subjects.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <map>

namespace {

using Labels = std::map<std::pair<QString, QString>, int>; // (text, colour) -> count

// Every labelled element of a diagram, with its colour; a label whose
// drawn pieces do not spell it is reported under "mismatch: ".
Labels readLabels(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader reader(&file);
    struct Open {
        QString label, colour, drawn;
        int depth;
    };
    QList<Open> open;
    Labels labels;
    int depth = 0;
    bool inText = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            inText = reader.name() == u"text" || reader.name() == u"tspan";
            const auto attributes = reader.attributes();
            if (attributes.hasAttribute(QStringLiteral("data-label")))
                open.append({attributes.value(QStringLiteral("data-label")).toString(),
                             QColor::fromString(attributes.value(QStringLiteral("fill"))).name(),
                             QString(), depth});
        } else if (reader.isCharacters() && inText && !open.isEmpty()) {
            open.last().drawn += reader.text().toString().simplified();
        } else if (reader.isEndElement()) {
            inText = false;
            if (!open.isEmpty() && open.last().depth == depth) {
                const Open label = open.takeLast();
                const QString key = label.drawn == label.label
                                        ? label.label
                                        : QStringLiteral("mismatch: ") + label.drawn;
                ++labels[{key, label.colour}];
            }
            --depth;
        }
    }
    return reader.hasError() ? Labels{{{"XML error", reader.errorString()}, 1}} : labels;
}

QString idFill(const QString& resource, const QString& id) {
    QFile file(resource);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader reader(&file);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.attributes().value(QStringLiteral("id")) == id)
            return QColor::fromString(reader.attributes().value(QStringLiteral("fill"))).name();
    return QString();
}

const QString black = QStringLiteral("#000000");
const QString red = QStringLiteral("#ff0000");
const QString blue = QStringLiteral("#0000ff");

} // namespace

class TestPathways : public QObject {
    Q_OBJECT

private slots:
    void firstPressCreatesAndShows_data();
    void firstPressCreatesAndShows();
    void hideAndShowKeepTheWindow_data();
    void hideAndShowKeepTheWindow();
    void hidingLeavesTheExerciseAlone();
    void endWithPathwayWindows_data();
    void endWithPathwayWindows();
    void geometry_data();
    void geometry();
    void diagramsAtTheirPixelSize_data();
    void diagramsAtTheirPixelSize();
    void diagramLabels_data();
    void diagramLabels();
    void diagramPanels();
    void missingPictureIsReported();
};

void TestPathways::firstPressCreatesAndShows_data() {
    QTest::addColumn<Pathway>("pathway");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("title");

    QTest::newRow("first") << Pathway::Gluconeogenesis << "Form2"
                           << QStringList{"Gluconeogenesis from lactate"};
    QTest::newRow("second, no title") << Pathway::CitricAcidCycle << "Form3" << QStringList{};
}

void TestPathways::firstPressCreatesAndShows() {
    QFETCH(Pathway, pathway);
    QFETCH(QString, name);
    QFETCH(QStringList, title);

    ExerciseWindow exercise(Subjects::code(0, 72, 0.6, 12.3));
    exercise.show();
    exercise.showPathway(pathway);
    PathwayWindow* window = exercise.pathwayWindow(pathway);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), "Korvanel calculation");
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    QVERIFY(window->isWindow() && !window->parentWidget());
    QCOMPARE(window->titlePane() ? window->titlePane()->plainLines() : QStringList(), title);
    QVERIFY(exercise.isVisible());
}

void TestPathways::hideAndShowKeepTheWindow_data() {
    QTest::addColumn<bool>("fromFrame");
    QTest::newRow("Hide pathway button") << false;
    QTest::newRow("frame close") << true;
}

void TestPathways::hideAndShowKeepTheWindow() {
    QFETCH(bool, fromFrame);

    ExerciseWindow exercise(Subjects::code(0, 72, 0.6, 12.3));
    exercise.show();
    exercise.showPathway(Pathway::Gluconeogenesis);
    PathwayWindow* window = exercise.pathwayWindow(Pathway::Gluconeogenesis);

    exercise.showPathway(Pathway::Gluconeogenesis); // while shown: nothing changes
    QCOMPARE(exercise.pathwayWindow(Pathway::Gluconeogenesis), window);
    QCOMPARE(window->titlePane()->content().size(), 1);

    const QPointer<PathwayWindow> alive(window);
    if (fromFrame)
        QVERIFY(window->close());
    else
        window->findChild<QPushButton*>("Command1")->click();
    // Once the event loop has run, a window closed for deletion would be gone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive);
    QVERIFY(window->isHidden());
    QCOMPARE(exercise.pathwayWindow(Pathway::Gluconeogenesis), window);

    exercise.showPathway(Pathway::Gluconeogenesis);
    QCOMPARE(exercise.pathwayWindow(Pathway::Gluconeogenesis), window);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    QCOMPARE(window->titlePane()->plainLines(), QStringList{"Gluconeogenesis from lactate"});
}

void TestPathways::hidingLeavesTheExerciseAlone() {
    ExerciseWindow exercise(Subjects::code(1, 65, 0.5, 10.8));
    exercise.show();
    for (Control button : {Control::seeanswer1, Control::hideanswer1, Control::seeanswer2})
        exercise.button(button)->click();
    exercise.button(Control::seepathway1)->click();

    const auto visible = [&exercise] {
        QStringList names;
        for (QWidget* child : exercise.findChildren<QWidget*>())
            if (child->isVisible())
                names.append(child->objectName());
        return names;
    };
    const QStringList before = visible();
    const QStringList questions = exercise.questionPane()->plainLines();
    const QStringList answer = exercise.answerPane()->plainLines();

    exercise.pathwayWindow(Pathway::Gluconeogenesis)->findChild<QPushButton*>("Command1")->click();
    QCOMPARE(visible(), before);
    QCOMPARE(exercise.questionPane()->plainLines(), questions);
    QCOMPARE(exercise.answerPane()->plainLines(), answer);
}

void TestPathways::endWithPathwayWindows_data() {
    QTest::addColumn<bool>("hidden");
    QTest::newRow("pathway windows shown") << false;
    QTest::newRow("pathway windows hidden") << true;
}

void TestPathways::endWithPathwayWindows() {
    QFETCH(bool, hidden);

    auto exercise = std::make_unique<ExerciseWindow>(Subjects::code(0, 72, 0.6, 12.3));
    exercise->show();
    exercise->showPathway(Pathway::Gluconeogenesis);
    exercise->showPathway(Pathway::CitricAcidCycle);
    if (hidden) {
        exercise->pathwayWindow(Pathway::Gluconeogenesis)->hide();
        exercise->pathwayWindow(Pathway::CitricAcidCycle)->hide();
    }
    QPushButton* end = exercise->findChild<QPushButton*>("end");
    QVERIFY(loopEndsAfter(end, [end] { end->click(); }));

    // The windows go with the exercise window; none is left behind.
    exercise.reset();
    const QWidgetList left = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(left.begin(), left.end(),
                         [](QWidget* w) { return qobject_cast<PathwayWindow*>(w) != nullptr; }));
}

void TestPathways::geometry_data() {
    QTest::addColumn<Pathway>("pathway");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    const auto g = Pathway::Gluconeogenesis;
    const auto c = Pathway::CitricAcidCycle;
    QTest::newRow("Form2 logo") << g << "Picture2" << QRect(848, 8, 161, 97);
    QTest::newRow("Form2 hide, 16 px right") << g << "Command1" << QRect(864, 688, 137, 41);
    QTest::newRow("Form2 diagram") << g << "Picture1" << QRect(144, 128, 689, 489);
    QTest::newRow("Form2 title") << g << "Picture3" << QRect(152, 56, 689, 41);
    QTest::newRow("Form2 backdrop") << g << "shape1" << QRect(0, 0, 1024, 768);
    QTest::newRow("Form3 logo") << c << "Picture2" << QRect(848, 8, 161, 97);
    QTest::newRow("Form3 hide") << c << "Command1" << QRect(848, 688, 137, 41);
    QTest::newRow("Form3 diagram, its image's size") << c << "Picture1" << QRect(184, 48, 560, 677);
    QTest::newRow("Form3 backdrop") << c << "shape1" << QRect(0, 0, 1024, 768);
}

void TestPathways::geometry() {
    QFETCH(Pathway, pathway);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    PathwayWindow window(pathway);
    auto* widget = window.page()->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), "Hide pathway");
    if (auto* title = qobject_cast<TextPane*>(widget)) {
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(QFontInfo(title->font()).pixelSize(), 16);
        QVERIFY(title->font().bold());
    }
}

void TestPathways::diagramsAtTheirPixelSize_data() {
    QTest::addColumn<Pathway>("pathway");
    QTest::addColumn<QSize>("size");
    QTest::newRow("gluconeogenesis") << Pathway::Gluconeogenesis << QSize(680, 481);
    QTest::newRow("citric acid cycle") << Pathway::CitricAcidCycle << QSize(560, 677);
}

void TestPathways::diagramsAtTheirPixelSize() {
    QFETCH(Pathway, pathway);
    QFETCH(QSize, size);

    PathwayWindow window(pathway);
    Picture* diagram = window.diagram();
    QCOMPARE(diagram->imageSize(), size);
    QCOMPARE(diagram->raster(1).size(), size);
    QCOMPARE(diagram->raster(2).size(), size * 2);
    QCOMPARE(diagram->raster(2).deviceIndependentSize().toSize(), size);

    // Unscaled at the top left; what the picture has beyond it is white.
    const QImage shown = diagram->grab().toImage();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (x >= size.width() || y >= size.height())
                QCOMPARE(QColor(shown.pixel(x, y)), QColor(Qt::white));
    QVERIFY(!diagram->accessibleDescription().isEmpty());
}

void TestPathways::diagramLabels_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<int>("count");

    const auto add = [](const char* file, const QString& label, const QString& colour, int count) {
        QTest::addRow("%s: %s %s", file, qPrintable(label), qPrintable(colour))
            << QStringLiteral(":/assets/%1.svg").arg(QString::fromLatin1(file)) << label << colour
            << count;
    };

    // Gluconeogenesis: 4 ATP + 2 GTP make glucose (6), the liver's UTP
    // makes its glycogen (7), the muscle's ATP and UTP its glycogen (8).
    const char* g = "gluconeogenesis";
    add(g, "glucose", black, 2);
    add(g, "glucose 6-phosphate", black, 2);
    add(g, "glycogen", black, 2);
    add(g, "ATP", red, 1);
    add(g, "ADP", black, 1);
    add(g, "UTP", red, 2);
    add(g, "UDP + Pi", black, 2);
    add(g, "HC=O", black, 1);
    add(g, "HC-OH", black, 4);
    add(g, "HO-CH", black, 1);
    add(g, "CH2O-", black, 1);
    add(g, "P", black, 1);
    add(g, "CH3", black, 2);
    add(g, "COOH", black, 2);
    add(g, "C=O", black, 1);
    add(g, "2 x lactate", black, 1);
    add(g, "2 x pyruvate", black, 1);
    add(g, "2 x NAD+", blue, 2);
    add(g, "2 x NADH", blue, 2);
    add(g, "4 x ATP", red, 1);
    add(g, "4 x ADP", black, 1);
    add(g, "2 x GTP", red, 1);
    add(g, "2 x GDP", black, 1);

    // Citric acid cycle: 5 NADH, 1 FADH2 and 1 GTP, 15 ATP at the box's rates.
    const char* c = "citricacidcycle";
    for (const char* compound : {"lactate", "pyruvate", "acetyl CoA", "oxaloacetate", "citrate",
                                 "isocitrate", "succinyl CoA", "succinate", "fumarate", "malate"})
        add(c, QString::fromLatin1(compound), black, 1);
    add(c, QStringLiteral("\u03b1-ketoglutarate"), black, 1);
    add(c, "4C", black, 5);
    add(c, "5C", black, 1);
    add(c, "6C", black, 2);
    add(c, "CH3", black, 3);
    add(c, "HC-OH", black, 1);
    add(c, "COO-", black, 2);
    add(c, "C=O", black, 2);
    add(c, "SCoA", black, 1);
    add(c, "NAD+", black, 5);
    add(c, "NADH", red, 5);
    add(c, "CO2", black, 3);
    add(c, "CoASH", black, 3);
    add(c, "GDP + Pi", black, 1);
    add(c, "GTP", red, 1);
    add(c, "FAD", black, 1);
    add(c, "FADH2", red, 1);
    add(c, "H2O", black, 1);
    add(c, "NADH", blue, 1);
    add(c, "FADH2", blue, 1);
    add(c, "~2.5 ATP", blue, 1);
    add(c, "~1.5 ATP", blue, 1);
}

void TestPathways::diagramLabels() {
    QFETCH(QString, resource);
    QFETCH(QString, label);
    QFETCH(QString, colour);
    QFETCH(int, count);

    const Labels labels = readLabels(resource);
    QVERIFY2(!labels.empty(), qPrintable(resource));
    const auto found = labels.find({label, colour});
    QCOMPARE(found == labels.end() ? 0 : found->second, count);
    for (const auto& [key, n] : labels)
        QVERIFY2(!key.first.startsWith(u"mismatch") && !key.first.startsWith(u"XML"),
                 qPrintable(key.first + u' ' + key.second));
}

void TestPathways::diagramPanels() {
    QCOMPARE(idFill(":/assets/gluconeogenesis.svg", "muscle-panel"), "#ffff00");
    QCOMPARE(idFill(":/assets/citricacidcycle.svg", "yield-box"), "#00ffff");
}

void TestPathways::missingPictureIsReported() {
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("Cannot open the picture :/nowhere.svg")));
    const Picture picture(QStringLiteral(":/nowhere.svg"));
    QVERIFY(picture.imageSize().isEmpty());
}

QTEST_MAIN(TestPathways)
#include "tst_pathways.moc"
