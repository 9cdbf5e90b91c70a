#include "classwork/handedin.h"
#include "model/language.h"
#include "panes/diagram.h"
#include "panes/linelayout.h"
#include "paper/paper.h"
#include "pdftools.h"
#include "records.h"
#include "records/recordjson.h"
#include "stages/exercise.h"
#include "subjects.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

SubjectCode code(const char* text) {
    return *SubjectCode::parse(QString::fromLatin1(text));
}

// The lines the window prints for the sheet, as plain text, blank ones left out.
QStringList windowLines(Sheet sheet, const Scenario& scenario) {
    QStringList lines;
    const auto add = [&](const Print::Block& block) {
        for (const PrintLine& line : Print::resolve(block, scenario))
            if (const QString text = LineLayout(line).plainText().simplified(); !text.isEmpty())
                lines.append(text);
    };
    for (const Question& question : Exercise::questions()) {
        add(*question.prompt);
        if (sheet == Sheet::Key)
            add(*question.answer);
    }
    return lines;
}

struct Header {
    QString sheet, code;
    int page = 0, of = 0;
};

// Each page's header, and the other lines of all pages, whitespace
// normalised and blank ones left out.
struct ReadBack {
    QList<Header> headers;
    QStringList lines;
};

ReadBack readBack(const QString& pdf) {
    static const QRegularExpression header(
        "^Korvanel calculation: (worksheet|answer key) (\\S+) page (\\d+) of (\\d+)$");
    ReadBack back;
    for (const QString& page : PdfTools::pages(pdf)) {
        bool first = true;
        for (const QString& line : page.split('\n')) {
            const QString text = line.simplified();
            if (text.isEmpty())
                continue;
            if (first) {
                const QRegularExpressionMatch match = header.match(text);
                back.headers.append({match.captured(1), match.captured(2),
                                     match.captured(3).toInt(), match.captured(4).toInt()});
                first = false;
            } else {
                back.lines.append(text);
            }
        }
    }
    return back;
}

QString sheetName(Sheet sheet) {
    return sheet == Sheet::Key ? "answer key" : "worksheet";
}

} // namespace

// The sheets read back from the PDF as a reader gets them: the window's own
// lines, headers, vector diagrams with text labels, class sets, and the
// class report. That every line fits the text width is tst_fit's.
class TestPaper : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Language::speak(QLocale::English); } // its plurals
    void readsBackAsTheWindowPrints_data();
    void readsBackAsTheWindowPrints();
    void diagramsAreDrawnNotPictures();
    void labelsStandWhereTheRendererPutsThem_data();
    void labelsStandWhereTheRendererPutsThem();
    void classSetHeadsEachSubjectsOwnPages_data();
    void classSetHeadsEachSubjectsOwnPages();
    void classReport_data();
    void classReport();

private:
    QTemporaryDir m_dir;
};

void TestPaper::readsBackAsTheWindowPrints_data() {
    QTest::addColumn<Sheet>("sheet");
    QTest::addColumn<bool>("printer");
    QTest::addColumn<QPageSize::PageSizeId>("size");
    QTest::addColumn<int>("points"); // the page's width
    QTest::addColumn<int>("pages");

    // Three questions to a worksheet's page; the key's questions and answers
    // on one page, then a page for each diagram.
    QTest::newRow("worksheet, PDF on A4") << Sheet::Worksheet << false << QPageSize::A4 << 595 << 2;
    QTest::newRow("key, PDF on A4") << Sheet::Key << false << QPageSize::A4 << 595 << 3;
    QTest::newRow("key, PDF on Letter") << Sheet::Key << false << QPageSize::Letter << 612 << 3;
    QTest::newRow("worksheet, printer on Letter")
        << Sheet::Worksheet << true << QPageSize::Letter << 612 << 2;
    QTest::newRow("key, printer on A5: drawn smaller, nothing cut")
        << Sheet::Key << true << QPageSize::A5 << 420 << 3;
}

void TestPaper::readsBackAsTheWindowPrints() {
    QFETCH(Sheet, sheet);
    QFETCH(bool, printer);
    QFETCH(QPageSize::PageSizeId, size);
    QFETCH(int, points);
    QFETCH(int, pages);
    REQUIRE_PDFTOOLS();

    const SubjectCode subject = code("M72-0.8-12.4");
    const QString pdf = m_dir.filePath(QTest::currentDataTag() + QString(".pdf"));
    const QLocale locale(QLocale::English, size == QPageSize::Letter ? QLocale::UnitedStates
                                                                     : QLocale::UnitedKingdom);
    if (printer) {
        QPrinter device(QPrinter::HighResolution);
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(pdf);
        QPageLayout layout = Paper::pageLayout(locale);
        layout.setPageSize(QPageSize(size));
        device.setPageLayout(layout);
        QString error;
        QVERIFY2(Paper::print(device, sheet, {subject}, &error), qPrintable(error));
    } else {
        QString error;
        QVERIFY2(Paper::writePdf({{sheet, pdf}}, {subject}, &error, locale), qPrintable(error));
    }

    const ReadBack back = readBack(pdf);
    const QStringList expected = windowLines(sheet, makeScenario(subject));
    QCOMPARE(back.lines.mid(0, expected.size()), expected);
    if (sheet == Sheet::Worksheet)
        QCOMPARE(back.lines.size(), expected.size());
    else
        QCOMPARE(back.lines.value(expected.size()), "Gluconeogenesis from lactate");

    QCOMPARE(back.headers.size(), pages);
    for (int i = 0; i < back.headers.size(); ++i) {
        const Header& header = back.headers[i];
        QCOMPARE(header.sheet, sheetName(sheet));
        QCOMPARE(header.code, "M72-0.8-12.4");
        QCOMPARE(header.page, i + 1);
        QCOMPARE(header.of, back.headers.size());
    }

    // The first page as a reader sees it: the questions in black, and on the
    // key the worked answers in the answer pane's red.
    PdfTools::run("pdftoppm", {"-r", "50", "-f", "1", "-l", "1", "-png", "-singlefile", pdf,
                               m_dir.filePath("page")});
    const QImage page1(m_dir.filePath("page.png"));
    QVERIFY(!page1.isNull());
    int black = 0, red = 0;
    for (int y = 0; y < page1.height(); ++y)
        for (int x = 0; x < page1.width(); ++x) {
            const QColor c = page1.pixelColor(x, y);
            black += c.red() < 96 && c.green() < 96 && c.blue() < 96;
            red += c.red() > 192 && c.green() < 96 && c.blue() < 96;
        }
    QVERIFY2(black > 300, qPrintable(QString::number(black)));
    QVERIFY2(sheet == Sheet::Key ? red > black / 4 : red == 0,
             qPrintable(QStringLiteral("%1 red, %2 black").arg(red).arg(black)));

    // Every word on the page: a line too wide would run off its right edge.
    const QString boxes = PdfTools::run("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression page("<page width=\"([\\d.]+)\"");
    static const QRegularExpression word("<word xMin=\"([-\\d.]+)\" yMin=\"[-\\d.]+\" "
                                         "xMax=\"([-\\d.]+)\"[^>]*>([^<]*)</word>");
    QCOMPARE(qRound(page.match(boxes).captured(1).toDouble()), points);
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QVERIFY2(match.captured(1).toDouble() >= 0 && match.captured(2).toDouble() <= points,
                 qPrintable(match.captured(3)));
    }
}

void TestPaper::diagramsAreDrawnNotPictures() {
    REQUIRE_PDFTOOLS();
    const QString pdf = m_dir.filePath("key.pdf");
    QVERIFY(Paper::writePdf({{Sheet::Key, pdf}}, {code("W60-0.4-10.0")}));

    // pdfimages lists a heading and a rule, then one line per image.
    const QStringList images = PdfTools::run("pdfimages", {"-list", pdf}).trimmed().split('\n');
    QCOMPARE(images.size(), 2);
    const QString text = PdfTools::run("pdftotext", {pdf, "-"});
    for (const char* label :
         {"glucose 6-phosphate", "2 x pyruvate", "oxaloacetate", "α-ketoglutarate"})
        QVERIFY2(text.contains(QString::fromUtf8(label)), label);
}

void TestPaper::labelsStandWhereTheRendererPutsThem_data() {
    QTest::addColumn<QString>("drawing");
    QTest::newRow("gluconeogenesis") << ":/assets/gluconeogenesis.svg";
    QTest::newRow("citric acid cycle") << ":/assets/citricacidcycle.svg";
}

// Drawn both ways at twice the size, the labels set as text must cover the
// pixels the renderer's labels cover: a label moved, anchored or weighted
// otherwise shows as hundreds of pixels.
void TestPaper::labelsStandWhereTheRendererPutsThem() {
    QFETCH(QString, drawing);
    const Diagram diagram(drawing);
    QVERIFY(diagram.isValid());
    QVERIFY2(diagram.labelsAsText(), "the drawing uses what the labels do not follow");

    QSvgRenderer renderer(drawing);
    const QRectF target(QPointF(0, 0), diagram.size() * 2);
    QImage ours(target.size().toSize(), QImage::Format_RGB32);
    QImage theirs = ours;
    ours.fill(Qt::white);
    theirs.fill(Qt::white);
    QPainter painter(&ours);
    painter.setRenderHint(QPainter::Antialiasing);
    diagram.draw(painter, target);
    painter.end();
    painter.begin(&theirs);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, target);
    painter.end();

    int ink = 0, differing = 0;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
            ink += qGray(b) < 128;
            differing += std::abs(qGray(a) - qGray(b)) > 128;
        }
    qInfo("%d of %d ink pixels differ", differing, ink);
    QVERIFY2(differing < ink / 100, qPrintable(QString::number(differing)));
}

void TestPaper::classSetHeadsEachSubjectsOwnPages_data() {
    QTest::addColumn<Sheet>("sheet");
    QTest::newRow("worksheets") << Sheet::Worksheet;
    QTest::newRow("keys") << Sheet::Key;
}

// Each subject's pages are numbered on their own, as many as the subject
// alone gets, in the order given.
void TestPaper::classSetHeadsEachSubjectsOwnPages() {
    QFETCH(Sheet, sheet);
    REQUIRE_PDFTOOLS();
    const QList<SubjectCode> set = {code("W84-0.8-13.9"), code("M60-0.4-10.0"),
                                    code("M72-0.8-12.4")};
    const QString pdf = m_dir.filePath("set.pdf");
    QVERIFY(Paper::writePdf({{sheet, pdf}}, set));
    const QList<Header> headers = readBack(pdf).headers;

    int at = 0;
    for (const SubjectCode& subject : set) {
        const QString alone = m_dir.filePath("alone.pdf");
        QVERIFY(Paper::writePdf({{sheet, alone}}, {subject}));
        const int pages = int(readBack(alone).headers.size());
        for (int page = 1; page <= pages; ++page, ++at) {
            QVERIFY(at < headers.size());
            QCOMPARE(headers[at].code, subject.text());
            QCOMPARE(headers[at].page, page);
            QCOMPARE(headers[at].of, pages);
        }
    }
    QCOMPARE(headers.size(), at);
}

// Over all 10,000 subjects, each item of each line at its widest, the line
// laid out on A4, the narrowest text width paper gets, with the PDF's metrics.
void TestPaper::classReport_data() {
    QTest::addColumn<int>("students");
    QTest::addColumn<int>("pages");
    QTest::newRow("a class of 30 on one page") << 30 << 1;
    QTest::newRow("300 on more") << 300 << 5;
}

// The class at a glance: its figures as vector bars with their counts
// written, and every student in the table.
void TestPaper::classReport() {
    REQUIRE_PDFTOOLS();
    QFETCH(int, students);
    QFETCH(int, pages);
    const QTemporaryDir records;
    for (int i = 0; i < students; ++i) {
        // Every third student right about question 1 (159.8 mmol), the rest 10 % off.
        Attempt attempt(code("M72-0.6-12.3"), QDateTime::currentDateTimeUtc().addSecs(-i));
        attempt.student = {QStringLiteral("Student %1").arg(i, 3, 10, QChar(u'0')), {}};
        attempt.checks.append({attempt.started,
                               1,
                               Field::totalLactate,
                               i % 3 ? QStringLiteral("175.8") : QStringLiteral("159.8"),
                               {},
                               {}});
        QFile file(records.filePath(QStringLiteral("%1.json").arg(i)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(RecordJson::write(replay(attempt).attempt));
    }
    HandedIn handedIn;
    handedIn.add(records.path());
    const QString pdf = m_dir.filePath("report.pdf");
    QVERIFY(Paper::writeReport(handedIn, pdf));
    const QStringList text = PdfTools::pages(pdf);
    QCOMPARE(text.size(), pages);
    const QString all = text.join(' ').simplified();
    const int right = (students + 2) / 3;
    for (const QString& shown :
         {QStringLiteral("Korvanel calculation: class report %1 students page 1 of %2")
              .arg(students)
              .arg(pages),
          QStringLiteral("Records read: %1; students: %1; attempts: %1.").arg(students),
          QStringLiteral("Question 1 %1 %2").arg(right).arg(students - right),
          QStringLiteral("Student %1").arg(students - 1, 3, 10, QChar(u'0'))})
        QVERIFY2(all.contains(shown), qPrintable(shown + " in " + all.left(600)));
    QCOMPARE(PdfTools::run("pdfimages", {"-list", pdf}).trimmed().split('\n').size(), 2);
}

QTEST_MAIN(TestPaper)
#include "tst_paper.moc"
