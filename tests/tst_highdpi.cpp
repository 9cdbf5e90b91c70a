// Runs with QT_SCALE_FACTOR=2.
#include "app/exercisewindow.h"
#include "panes/picture.h"
#include "panes/textpane.h"
#include "pathways/pathwaywindow.h"
#include "subjects.h"

#include <QPushButton>
#include <QTest>

class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    void layoutStaysLogical();
    void diagramsRenderAtDevicePixels_data();
    void diagramsRenderAtDevicePixels();
};

void TestHighDpi::layoutStaysLogical() {
    ExerciseWindow window(Subjects::make(0, 72, 0.6, 12.3));
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), 2.0);
    QCOMPARE(window.button(Control::seeanswer1)->geometry(), QRect(872, 120, 121, 33));
    QCOMPARE(window.questionPane()->geometry(), QRect(8, 8, 825, 593));

    const QPixmap pane = window.questionPane()->grab();
    QCOMPARE(pane.devicePixelRatio(), 2.0);
    QCOMPARE(pane.size(), QSize(1650, 1186));

    const QPixmap logo = window.findChild<Picture*>("Picture2")->grab();
    QCOMPARE(logo.size(), QSize(322, 194));
}

void TestHighDpi::diagramsRenderAtDevicePixels_data() {
    QTest::addColumn<Pathway>("pathway");
    QTest::addColumn<QSize>("size");
    QTest::newRow("gluconeogenesis") << Pathway::Gluconeogenesis << QSize(680, 481);
    QTest::newRow("citric acid cycle") << Pathway::CitricAcidCycle << QSize(560, 677);
}

// The diagram on screen is the vector drawing rasterised at twice the
// pixels, not the 1x bitmap blown up.
void TestHighDpi::diagramsRenderAtDevicePixels() {
    QFETCH(Pathway, pathway);
    QFETCH(QSize, size);

    PathwayWindow window(pathway);
    window.present();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = window.diagram()->grab().toImage();
    QCOMPARE(shown.devicePixelRatio(), 2.0);

    const QImage sharp = window.diagram()->raster(2).toImage().convertToFormat(shown.format());
    QCOMPARE(sharp.size(), size * 2);
    QCOMPARE(shown.copy(QRect(QPoint(0, 0), size * 2)), sharp);

    const QImage blownUp =
        window.diagram()->raster(1).toImage().scaled(size * 2).convertToFormat(shown.format());
    QVERIFY(shown.copy(QRect(QPoint(0, 0), size * 2)) != blownUp);
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
