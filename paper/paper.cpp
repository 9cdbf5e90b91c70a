#include "paper.h"

#include "model/buildinfo.h"
#include "model/language.h"
#include "model/savegroup.h"
#include "model/subject.h"
#include "pages.h"
#include "panes/diagram.h"
#include "panes/linelayout.h"
#include "panes/panestyle.h"
#include "panes/textshaper.h"
#include "records/attemptsummary.h"
#include "records/replay.h"
#include "stages/exercise.h"
#include "stages/pathways.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace {

// 9 pt is the largest size at which the widest line of any subject fits
// A4's text width; the window's 9.75 pt would not.
constexpr qreal linePoints = 9;
constexpr qreal sideMarginMm = 15;
constexpr qreal topMarginMm = 12;
constexpr qreal narrowestRoomMm = 210 - 2 * sideMarginMm; // A4's
// Room to work never shrinks below this many lines, so that a short page
// moves a question over rather than leave it no room at all.
constexpr qreal leastRoomLines = 6;

using namespace Paper::Pages;

// Three questions to a page, each with an equal share of what is left of
// the page as room to work.
std::vector<Unit> worksheet(const Scenario& scenario, const Frame& frame) {
    constexpr int perPage = 3;
    const QList<Transcript::Section> sections = Transcript::sheet(scenario, Sheet::Worksheet);
    std::vector<Unit> units;
    for (qsizetype first = 0; first < sections.size(); first += perPage) {
        qreal ink = 0;
        std::vector<Unit> page;
        for (qsizetype q = first; q < std::min(first + perPage, sections.size()); ++q) {
            Unit unit;
            addLines(unit, sections[q].prompt, frame);
            // A page starts with ink; the blank line that parts questions is not needed there.
            if (q == first)
                while (!unit.rows.empty() && unit.rows.front().blank())
                    unit.rows.erase(unit.rows.begin());
            ink += unit.height();
            page.push_back(std::move(unit));
        }
        const qreal room = std::max(leastRoomLines * frame.metrics.lineSpacing(),
                                    (frame.bodyHeight - ink) / perPage);
        for (Unit& unit : page)
            addRoom(unit, room);
        page.front().newPage = true;
        units.insert(units.end(), page.begin(), page.end());
    }
    return units;
}

// Each question with its worked answer, then each diagram on a page of its
// own, as large as the page allows.
std::vector<Unit> key(const Scenario& scenario, const Frame& frame,
                      const std::vector<std::unique_ptr<Diagram>>& drawings) {
    std::vector<Unit> units;
    for (const Transcript::Section& section : Transcript::sheet(scenario, Sheet::Key)) {
        Unit unit;
        addLines(unit, section.prompt, frame);
        addRoom(unit, frame.metrics.lineSpacing() / 2);
        addLines(unit, section.answer, frame);
        units.push_back(std::move(unit));
    }
    for (size_t d = 0; d < pathways().size(); ++d) {
        Unit unit;
        unit.newPage = true;
        addLines(unit, {{{PrintItem::fromText(pathways()[d].titleText())}, Ink::Title}}, frame);
        addRoom(unit, frame.metrics.lineSpacing());
        const QSizeF size = drawings[d]->size().scaled(
            frame.width, frame.bodyHeight - unit.height(), Qt::KeepAspectRatio);
        Row diagram;
        diagram.height = size.height();
        diagram.diagram = drawings[d].get();
        unit.rows.push_back(diagram);
        units.push_back(std::move(unit));
    }
    return units;
}

// Which sheet it is stands on every page, so that a key is not handed out.
QString title(Sheet sheet) {
    //: %1 is the program's title, "Korvanel calculation".
    return (sheet == Sheet::Key ? QCoreApplication::translate("Paper", "%1: answer key")
                                //: %1 is the program's title, "Korvanel calculation".
                                : QCoreApplication::translate("Paper", "%1: worksheet"))
        .arg(Exercise::title());
}

bool fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

} // namespace

QPageLayout Paper::pageLayout(const QLocale& locale) {
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(sideMarginMm, topMarginMm, sideMarginMm, topMarginMm),
                       QPageLayout::Millimeter);
}

QString Paper::documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QFont Paper::lineFont() {
    return PaneStyle::paperFont(linePoints);
}

qreal Paper::lineRoom(const QPaintDevice& device) {
    return std::max(qreal(device.width()), narrowestRoomMm * device.logicalDpiX() / 25.4);
}

bool Paper::print(QPagedPaintDevice& device, Sheet sheet, const QList<SubjectCode>& subjects,
                  QString* error, Progress* progress) {
    if (subjects.isEmpty())
        return fail(error, QCoreApplication::translate("Paper", "There is no subject to print."));
    const Frame frame(device);
    std::vector<std::unique_ptr<Diagram>> drawings;
    if (sheet == Sheet::Key) {
        for (const PathwayInfo& pathway : pathways())
            drawings.push_back(std::make_unique<Diagram>(QString::fromLatin1(pathway.drawing)));
    }

    QPainter painter;
    if (!painter.begin(&device))
        return fail(error, QCoreApplication::translate("Paper", "Cannot draw on the page."));
    painter.setRenderHint(QPainter::Antialiasing);
    bool first = true;
    for (const SubjectCode& code : subjects) {
        if (progress && progress->cancelled)
            return fail(error, QCoreApplication::translate("Paper", "Drawing was cancelled."));
        const Subject subject(code);
        const Scenario& scenario = subject.numbers();
        const std::vector<Unit> units =
            sheet == Sheet::Key ? key(scenario, frame, drawings) : worksheet(scenario, frame);
        const std::vector<Page> pages = paginate(units, frame.bodyHeight);
        for (size_t p = 0; p < pages.size(); ++p) {
            if (!first && !device.newPage())
                return fail(error,
                            QCoreApplication::translate("Paper", "Cannot start a new page."));
            first = false;
            painter.setWorldTransform(QTransform::fromScale(frame.scale, frame.scale));
            drawHeader(painter, frame, title(sheet), code.text(), int(p) + 1, int(pages.size()));
            drawPage(painter, frame, pages[p]);
        }
        if (progress) {
            const int done = ++progress->done;
            if (progress->drawn)
                progress->drawn(done);
        }
    }
    if (!painter.end())
        return fail(error, QCoreApplication::translate("Paper", "Cannot finish the pages."));
    return true;
}

bool Paper::writePdf(const QList<Output>& outputs, const QList<SubjectCode>& subjects,
                     QString* error, const QLocale& locale, Progress* progress) {
    SaveGroup files;
    std::vector<QIODevice*> devices;
    for (const Output& output : outputs) {
        devices.push_back(files.open(output.fileName, error));
        if (!devices.back())
            return false;
    }

    // Each file is drawn on a thread of its own: a class set's worksheets
    // and keys take half the time on two cores. The faces are registered
    // first, here, as everything else the threads share is read-only. The
    // threads are Qt's: the font caches that drawing text leaves in a thread
    // are let go as Qt ends it (a plain std::thread crashed at its end on
    // Windows).
    lineFont();
    std::vector<QString> problems(size_t(outputs.size()));
    const auto draw = [&](size_t i) {
        QPdfWriter writer(devices[i]);
        describe(writer, title(outputs[qsizetype(i)].sheet), locale);
        print(writer, outputs[qsizetype(i)].sheet, subjects, &problems[i], progress);
    };
    std::vector<std::unique_ptr<QThread>> threads;
    for (size_t i = 1; i < devices.size(); ++i) {
        threads.emplace_back(QThread::create(draw, i));
        threads.back()->start();
    }
    if (!devices.empty())
        draw(0);
    for (const std::unique_ptr<QThread>& thread : threads)
        thread->wait();

    // Cancelled, nothing is put in place, and what stood at the paths stays.
    if (progress && progress->cancelled)
        return fail(error, QCoreApplication::translate("Paper", "Cancelled: nothing was written."));
    for (size_t i = 0; i < devices.size(); ++i) {
        if (!problems[i].isEmpty())
            return fail(error, SaveGroup::notWritten(outputs[qsizetype(i)].fileName, problems[i]));
        if (!files.written(i, error))
            return false;
    }
    // Every file is drawn; what can still fail is putting one in its place.
    return files.commit(error);
}

bool Paper::writeResultSlip(const Attempt& recorded, const QString& fileName, QString* error,
                            const QLocale& locale) {
    const Replay replayed = replay(recorded);
    return writeResultSlip(replayed.attempt, replayed.edited, fileName, error, locale);
}

bool Paper::writeResultSlip(const Attempt& attempt, const std::optional<QString>& edited,
                            const QString& fileName, QString* error, const QLocale& locale) {
    const auto units = [&](const Frame& frame) {
        const QDateTime started = attempt.started.toLocalTime();
        const QDateTime updated = attempt.updated.toLocalTime();
        const QString day = Language::dates().toString(started.date(), QLocale::LongFormat);
        const QString from = started.time().toString(QStringLiteral("HH:mm"));
        const QString to = updated.time().toString(QStringLiteral("HH:mm"));
        const Stage stage = Stage::fromIndex(attempt.stage).value_or(Stage());
        const auto line = [](const QString& text) {
            return InkedLine{{PrintItem::tab(5), PrintItem::fromText(text)}, Ink::Question};
        };
        Lines lines = {
            attempt.student.isNamed()
                //: %1 is the subject's code, %2 the student, %3 the day, %4 and %5 times.
                ? line(QCoreApplication::translate(
                           "Paper", "Subject %1, practised by %2 on %3 from %4 to %5.")
                           .arg(attempt.code.text(), attempt.student.shown(), day, from, to))
                //: %1 is the subject's code, %2 the day, %3 and %4 times.
                : line(QCoreApplication::translate("Paper",
                                                   "Subject %1, practised on %2 from %3 to %4.")
                           .arg(attempt.code.text(), day, from, to)),
            line(attempt.finished()
                     ? QCoreApplication::translate("Paper", "The exercise was finished.")
                 : stage.posedQuestion()
                     ? QCoreApplication::translate("Paper", "The exercise was left at question %1.")
                           .arg(stage.posedQuestion())
                     : QCoreApplication::translate("Paper", "The exercise was left at answer %1.")
                           .arg(stage.shownAnswer()))};
        if (edited)
            lines += wrapped(QCoreApplication::translate(
                                 "Paper", "This record was edited. %1 The verdicts shown are the "
                                          "ones its entries earn.")
                                 .arg(*edited),
                             Ink::Answer, frame, 5);
        lines.append(InkedLine());
        lines += summaryLines(summarize(attempt), attempt.student);
        std::vector<Unit> units(1);
        addLines(units.front(), lines, frame);
        return units;
    };
    return writeOne(fileName,
                    //: %1 is the program's title, "Korvanel calculation".
                    QCoreApplication::translate("Paper", "%1: result slip").arg(Exercise::title()),
                    attempt.code.text(), lineFont(), locale, units, error);
}
