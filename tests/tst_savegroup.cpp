// Files written together: nothing replaced until all are written, and a
// failure part-way through putting them in place takes away only what the
// group made.
#include "model/savegroup.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

bool put(const QString& fileName, const QByteArray& data) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class TestSaveGroup : public QObject {
    Q_OBJECT

private slots:
    void allOrNothing_data();
    void allOrNothing();
    void cannotOpen();
};

void TestSaveGroup::allOrNothing_data() {
    QTest::addColumn<bool>("firstStood");  // a file stood at the first path before
    QTest::addColumn<bool>("secondFails"); // its folder goes before it is put in place
    QTest::addColumn<QByteArray>("first"); // what the first path holds after

    QTest::newRow("both new, both put in place") << false << false << QByteArray("new 1");
    QTest::newRow("an old first replaced") << true << false << QByteArray("new 1");
    QTest::newRow("second fails: a new first is taken away")
        << false << true << QByteArray("(none)");
    QTest::newRow("second fails: an old first is kept, whole")
        << true << true << QByteArray("new 1");
}

void TestSaveGroup::allOrNothing() {
    QFETCH(bool, firstStood);
    QFETCH(bool, secondFails);
    QFETCH(QByteArray, first);

    const QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("second"));
    const QString firstName = dir.filePath("first.pdf");
    const QString secondName = dir.filePath("second/second.pdf");
    if (firstStood)
        QVERIFY(put(firstName, "old 1"));

    SaveGroup group;
    QString error;
    size_t index = 0;
    for (const QString& name : {firstName, secondName}) {
        QIODevice* device = group.open(name, &error);
        QVERIFY2(device, qPrintable(error));
        device->write(name == firstName ? "new 1" : "new 2");
        QVERIFY2(group.written(index++, &error), qPrintable(error));
    }
    // Nothing is in place before the commit.
    QCOMPARE(contents(firstName), firstStood ? QByteArray("old 1") : QByteArray("(none)"));
    if (secondFails)
        QVERIFY(QDir(dir.path()).rename("second", "moved"));

    QCOMPARE(group.commit(&error), !secondFails);
    QCOMPARE(contents(firstName), first);
    if (secondFails)
        QVERIFY2(error.startsWith("Cannot write " + QDir::toNativeSeparators(secondName)),
                 qPrintable(error));
    else
        QCOMPARE(contents(secondName), "new 2");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             first == "(none)" ? QStringList() : QStringList{"first.pdf"});
}

void TestSaveGroup::cannotOpen() {
    const QTemporaryDir dir;
    SaveGroup group;
    QString error;
    QVERIFY(!group.open(dir.filePath("none/key.pdf"), &error));
    QVERIFY2(error.startsWith("Cannot write " +
                              QDir::toNativeSeparators(dir.filePath("none/key.pdf")) + ": "),
             qPrintable(error));
}

QTEST_GUILESS_MAIN(TestSaveGroup)
#include "tst_savegroup.moc"
