// Runs with QT_SCALE_FACTOR=2.
#include "panes/picture.h"
#include "panes/textpane.h"
#include "subjects.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

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
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
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

    // The title-bar icon too is drawn at its device pixels.
    const QImage icon = window.windowIcon().pixmap(QSize(32, 32), 2.0).toImage();
    QCOMPARE(icon.size(), QSize(64, 64));
    const QImage blownUp = window.windowIcon().pixmap(QSize(32, 32), 1.0).toImage().scaled(64, 64);
    QVERIFY(icon.convertToFormat(blownUp.format()) != blownUp);
}

void TestHighDpi::diagramsRenderAtDevicePixels_data() {
    QTest::addColumn<Pathway>("pathway");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("gluconeogenesis") << Pathway::Gluconeogenesis << "Picture1" << QSize(680, 481);
    QTest::newRow("citric acid cycle") << Pathway::CitricAcidCycle << "Picture1" << QSize(560, 677);
    QTest::newRow("logo, clipped") << Pathway::CitricAcidCycle << "Picture2" << QSize(161, 97);
}

// The diagram on screen is the vector drawing rasterised at twice the
// pixels, not the 1x bitmap blown up.
void TestHighDpi::diagramsRenderAtDevicePixels() {
    QFETCH(Pathway, pathway);
    QFETCH(QString, picture);
    QFETCH(QSize, size);

    PathwayWindow window(pathway);
    window.present();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* shownPicture = window.findChild<Picture*>(picture);
    QVERIFY(shownPicture);
    const QRect drawn(QPoint(0, 0), size * 2);
    const QImage shown = shownPicture->grab().toImage().copy(drawn);
    QCOMPARE(shownPicture->grab().devicePixelRatio(), 2.0);

    const QImage sharp = shownPicture->raster(2).toImage().convertToFormat(shown.format());
    QCOMPARE(sharp.size(), shownPicture->imageSize() * 2);
    QCOMPARE(shown, sharp.copy(drawn));

    const QImage blownUp = shownPicture->raster(1)
                               .toImage()
                               .scaled(shownPicture->imageSize() * 2)
                               .convertToFormat(shown.format());
    QVERIFY(shown != blownUp.copy(drawn));
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
