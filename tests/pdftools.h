// Reading PDFs back with poppler's tools (poppler-utils), as a reader sees
// them: the text of each page, the words' boxes, the images.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

#define REQUIRE_PDFTOOLS()                                                                         \
    do {                                                                                           \
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||                               \
            QStandardPaths::findExecutable("pdfimages").isEmpty())                                 \
            QSKIP("poppler-utils (pdftotext, pdfimages) is not installed");                        \
    } while (false)

namespace PdfTools {

// The tool's standard output; a failed run fails the test that asked.
inline QString run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        QTest::qFail(qPrintable(tool + ' ' + arguments.join(' ') + ": " +
                                QString::fromLocal8Bit(process.readAllStandardError())),
                     __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, laid out as on the page.
inline QStringList pages(const QString& pdf) {
    QStringList pages = run("pdftotext", {"-layout", pdf, "-"}).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace PdfTools
