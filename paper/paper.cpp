#include "paper.h"

#include "diagram.h"
#include "judging/attemptsummary.h"
#include "model/buildinfo.h"
#include "model/savegroup.h"
#include "panes/linelayout.h"
#include "panes/panestyle.h"
#include "panes/textshaper.h"
#include "stages/pathways.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
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
constexpr qreal headerPoints = 8;
constexpr qreal sideMarginMm = 15;
constexpr qreal topMarginMm = 12;
constexpr qreal narrowestRoomMm = 210 - 2 * sideMarginMm; // A4's
constexpr qreal headerGapMm = 6;                          // below the header, its rule within
// Room to work never shrinks below this many lines, so that a short page
// moves a question over rather than leave it no room at all.
constexpr qreal leastRoomLines = 6;

// Paper prints the question pane's ink in black, whatever the desktop's.
QColor colour(Ink ink) {
    return PaneStyle::colour(ink, Qt::black);
}

// One band of a page: a printed line, blank room, or a diagram.
struct Row {
    qreal height = 0;
    std::optional<LineLayout> line;
    QColor ink;
    const Paper::Diagram* diagram = nullptr;

    bool blank() const { return !diagram && (!line || line->runs().isEmpty()); }
};

// Rows kept on one page where they fit.
struct Unit {
    std::vector<Row> rows;
    bool newPage = false;

    qreal height() const {
        qreal sum = 0;
        for (const Row& row : rows)
            sum += row.height;
        return sum;
    }
    // Up to the end of the last ink: room at the foot of a page may be cut.
    qreal inkHeight() const {
        qreal sum = 0, ink = 0;
        for (const Row& row : rows) {
            sum += row.height;
            if (!row.blank())
                ink = sum;
        }
        return ink;
    }
};

struct Placed {
    const Row* row;
    qreal top;
};
using Page = std::vector<Placed>;

// The size of a page's text area in layout units, and what a line needs.
struct Frame {
    explicit Frame(const QPaintDevice& device)
        : metrics(Paper::lineFont(), &device)
        , shaper(Paper::lineFont(), &device)
        , header(PaneStyle::paperFont(headerPoints, QFont::Normal), &device)
        , width(Paper::lineRoom(device))
        , scale(device.width() / width)
        , millimetre(device.logicalDpiY() / 25.4)
        , bodyTop(header.height() + headerGapMm * millimetre)
        , bodyHeight(device.height() / scale - bodyTop) {}

    QFontMetricsF metrics;
    mutable TextShaper shaper; // for every subject of a class set
    QFontMetricsF header;
    qreal width;
    qreal scale;
    qreal millimetre;
    qreal bodyTop;
    qreal bodyHeight;
};

void addLines(Unit& unit, const Lines& lines, const Frame& frame) {
    for (const InkedLine& line : lines)
        unit.rows.push_back(
            {frame.metrics.lineSpacing(), LineLayout(line.items, frame.shaper), colour(line.ink)});
}

void addRoom(Unit& unit, qreal height) {
    Row room;
    room.height = height;
    unit.rows.push_back(room);
}

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
                      const std::vector<std::unique_ptr<Paper::Diagram>>& drawings) {
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
        addLines(unit,
                 {{{PrintItem::fromText(QString::fromLatin1(pathways()[d].title))}, Ink::Title}},
                 frame);
        addRoom(unit, frame.metrics.lineSpacing());
        const QSizeF size = drawings[d]->size().scaled(
            frame.width, frame.bodyHeight - unit.height(), Qt::KeepAspectRatio);
        unit.rows.push_back({size.height(), std::nullopt, QColor(), drawings[d].get()});
        units.push_back(std::move(unit));
    }
    return units;
}

// Keeps each unit on one page where its ink fits there; one taller than a
// page runs on, row by row. Blank rows that do not fit end the page, and a
// page never starts with one.
std::vector<Page> paginate(const std::vector<Unit>& units, qreal height) {
    std::vector<Page> pages(1);
    qreal y = 0;
    for (const Unit& unit : units) {
        if (!pages.back().empty() && (unit.newPage || y + unit.inkHeight() > height)) {
            pages.emplace_back();
            y = 0;
        }
        for (const Row& row : unit.rows) {
            if (y + row.height > height && !pages.back().empty()) {
                if (row.blank()) {
                    y = height;
                    continue;
                }
                pages.emplace_back();
                y = 0;
            }
            if (pages.back().empty() && row.blank())
                continue;
            pages.back().push_back({&row, y});
            y += row.height;
        }
    }
    return pages;
}

// Which sheet it is stands on every page, so that a key is not handed out.
QString title(Sheet sheet) {
    return sheet == Sheet::Key ? QStringLiteral("Korvanel calculation: answer key")
                               : QStringLiteral("Korvanel calculation: worksheet");
}

void drawHeader(QPainter& painter, const Frame& frame, const QString& heading, const QString& code,
                int page, int pages) {
    painter.setPen(Qt::black);
    const QRectF band(0, 0, frame.width, frame.header.height());
    painter.setFont(PaneStyle::paperFont(headerPoints, QFont::Normal));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("page %1 of %2").arg(page).arg(pages));
    painter.setFont(PaneStyle::paperFont(headerPoints, QFont::Bold));
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, code);
    const qreal rule = band.bottom() + frame.millimetre;
    painter.setPen(QPen(Qt::black, 0.25 * frame.millimetre));
    painter.drawLine(QPointF(0, rule), QPointF(frame.width, rule));
}

void drawPage(QPainter& painter, const Frame& frame, const Page& page) {
    painter.setFont(Paper::lineFont());
    for (const Placed& placed : page) {
        const Row& row = *placed.row;
        const qreal top = frame.bodyTop + placed.top;
        if (row.line) {
            painter.setPen(row.ink);
            row.line->draw(painter, QPointF(0, top + frame.metrics.ascent()));
        } else if (row.diagram) {
            const QSizeF size = row.diagram->size();
            const qreal width = row.height * size.width() / size.height();
            row.diagram->draw(painter, QRectF((frame.width - width) / 2, top, width, row.height));
        }
    }
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

QFont Paper::lineFont() {
    return PaneStyle::paperFont(linePoints);
}

qreal Paper::lineRoom(const QPaintDevice& device) {
    return std::max(qreal(device.width()), narrowestRoomMm * device.logicalDpiX() / 25.4);
}

bool Paper::print(QPagedPaintDevice& device, Sheet sheet, const QList<SubjectCode>& subjects,
                  QString* error) {
    if (subjects.isEmpty())
        return fail(error, QStringLiteral("There is no subject to print."));
    const Frame frame(device);
    std::vector<std::unique_ptr<Diagram>> drawings;
    if (sheet == Sheet::Key) {
        for (const PathwayInfo& pathway : pathways())
            drawings.push_back(std::make_unique<Diagram>(QString::fromLatin1(pathway.drawing)));
    }

    QPainter painter;
    if (!painter.begin(&device))
        return fail(error, QStringLiteral("Cannot draw on the page."));
    painter.setRenderHint(QPainter::Antialiasing);
    bool first = true;
    for (const SubjectCode& code : subjects) {
        const Scenario scenario = code.scenario();
        const std::vector<Unit> units =
            sheet == Sheet::Key ? key(scenario, frame, drawings) : worksheet(scenario, frame);
        const std::vector<Page> pages = paginate(units, frame.bodyHeight);
        for (size_t p = 0; p < pages.size(); ++p) {
            if (!first && !device.newPage())
                return fail(error, QStringLiteral("Cannot start a new page."));
            first = false;
            painter.setWorldTransform(QTransform::fromScale(frame.scale, frame.scale));
            drawHeader(painter, frame, title(sheet), code.text(), int(p) + 1, int(pages.size()));
            drawPage(painter, frame, pages[p]);
        }
    }
    if (!painter.end())
        return fail(error, QStringLiteral("Cannot finish the pages."));
    return true;
}

bool Paper::writePdf(const QList<Output>& outputs, const QList<SubjectCode>& subjects,
                     QString* error, const QLocale& locale) {
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
        writer.setPageLayout(pageLayout(locale));
        writer.setCreator(QStringLiteral("%1 %2").arg(QString::fromLatin1(BuildInfo::name),
                                                      QString::fromLatin1(BuildInfo::version)));
        writer.setTitle(title(outputs[qsizetype(i)].sheet));
        print(writer, outputs[qsizetype(i)].sheet, subjects, &problems[i]);
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

    for (size_t i = 0; i < devices.size(); ++i) {
        if (!problems[i].isEmpty())
            return fail(error, SaveGroup::cannotWrite(outputs[qsizetype(i)].fileName, problems[i]));
        if (!files.written(i, error))
            return false;
    }
    // Every file is drawn; what can still fail is putting one in its place.
    return files.commit(error);
}

bool Paper::writeResultSlip(const Attempt& attempt, const QString& fileName, QString* error,
                            const QLocale& locale) {
    const QString heading = QStringLiteral("Korvanel calculation: result slip");
    SaveGroup files;
    QIODevice* file = files.open(fileName, error);
    if (!file)
        return false;
    {
        QPdfWriter writer(file);
        writer.setPageLayout(pageLayout(locale));
        writer.setCreator(QStringLiteral("%1 %2").arg(QString::fromLatin1(BuildInfo::name),
                                                      QString::fromLatin1(BuildInfo::version)));
        writer.setTitle(heading);
        const Frame frame(writer);

        const QDateTime started = attempt.started.toLocalTime();
        const QDateTime updated = attempt.updated.toLocalTime();
        const Stage stage = Stage::fromIndex(attempt.stage).value_or(Stage());
        const auto line = [](const QString& text) {
            return InkedLine{{PrintItem::tab(5), PrintItem::fromText(text)}, Ink::Question};
        };
        Lines lines = {
            line(QStringLiteral("Subject %1, practised on %2 from %3 to %4.")
                     .arg(attempt.code.text(), locale.toString(started.date(), QLocale::LongFormat),
                          started.time().toString(QStringLiteral("HH:mm")),
                          updated.time().toString(QStringLiteral("HH:mm")))),
            line(attempt.finished()
                     ? QStringLiteral("The exercise was finished.")
                     : QStringLiteral("The exercise was left at %1.").arg(stage.description())),
            {}};
        lines += summaryLines(summarize(attempt));
        std::vector<Unit> units(1);
        addLines(units.front(), lines, frame);
        const std::vector<Page> pages = paginate(units, frame.bodyHeight); // rows stay in units

        QPainter painter;
        if (!painter.begin(&writer))
            return fail(
                error, SaveGroup::cannotWrite(fileName, QStringLiteral("cannot draw on the page")));
        painter.setRenderHint(QPainter::Antialiasing);
        for (size_t p = 0; p < pages.size(); ++p) {
            if (p > 0 && !writer.newPage())
                return fail(error, SaveGroup::cannotWrite(
                                       fileName, QStringLiteral("cannot start a new page")));
            painter.setWorldTransform(QTransform::fromScale(frame.scale, frame.scale));
            drawHeader(painter, frame, heading, attempt.code.text(), int(p) + 1, int(pages.size()));
            drawPage(painter, frame, pages[p]);
        }
        if (!painter.end())
            return fail(error,
                        SaveGroup::cannotWrite(fileName, QStringLiteral("cannot finish the page")));
    }
    return files.written(0, error) && files.commit(error);
}
