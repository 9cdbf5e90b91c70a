// The class report: Paper::writeReport().
#include "classchart.h"
#include "classwork/classfigures.h"
#include "classwork/classtable.h"
#include "model/visibletext.h"
#include "pages.h"
#include "panes/panestyle.h"
#include "paper.h"
#include "records/attemptsummary.h"
#include "stages/exercise.h"

#include <QPainter>

namespace {

using namespace Paper::Pages;

// Smaller than the sheets' lines, so that a class of 30 takes one page.
constexpr qreal reportPoints = 8;

// The context of the report's texts.
struct ClassReport {
    Q_DECLARE_TR_FUNCTIONS(ClassReport)
};

InkedLine line(const QString& text, Ink ink = Ink::Question) {
    return {{PrintItem::fromText(text)}, ink};
}

// The opening lines: what was read, who counts, what was amiss.
Lines opening(const HandedIn& handedIn, const Frame& frame) {
    Lines lines;
    const QStringList sentences = handedIn.overview();
    for (qsizetype i = 0; i < sentences.size(); ++i)
        lines += wrapped(sentences[i], Ink::Question, frame, 1);
    return lines;
}

Lines slipLines(const ClassFigures& figures, const Frame& frame) {
    Lines lines = {line(ClassReport::tr("Known slips met, with how many students met each:"))};
    if (figures.slips.isEmpty())
        lines += wrapped(ClassReport::tr("No known slip was met."), Ink::Question, frame, 3);
    for (const SlipFigures& met : figures.slips)
        lines += wrapped(slipMetLine(met), Ink::Question, frame, 3);
    return lines;
}

// A row of the students' table, its cells at the columns' starts, each cut
// to its column.
struct Table {
    std::vector<qreal> starts; // of each column, as a share of the width

    Row row(QStringList cells, bool bold, const Frame& frame) const {
        Row row;
        row.height = frame.metrics.lineSpacing();
        const std::vector<qreal> at = starts;
        row.drawing = [cells, bold, at, font = frame.font](QPainter& painter, const QRectF& band) {
            QFont face = font;
            face.setBold(bold);
            painter.setFont(face);
            painter.setPen(Qt::black);
            const QFontMetricsF metrics(face, painter.device());
            for (qsizetype c = 0; c < cells.size() && c < qsizetype(at.size()); ++c) {
                const qreal left = band.left() + at[size_t(c)] * band.width();
                const qreal right = c + 1 < qsizetype(at.size())
                                        ? band.left() + at[size_t(c + 1)] * band.width()
                                        : band.right();
                const qreal room = right - left - metrics.averageCharWidth();
                painter.drawText(QPointF(left, band.top() + metrics.ascent()),
                                 metrics.elidedText(cells[c], Qt::ElideRight, room));
            }
        };
        return row;
    }
};

} // namespace

bool Paper::writeReport(const HandedIn& handedIn, const QString& fileName, QString* error,
                        const QLocale& locale) {
    const ClassFigures figures = classFigures(handedIn.counted());
    const auto units = [&](const Frame& frame) {
        std::vector<Unit> units(3);
        addLines(units[0], opening(handedIn, frame), frame);
        addRoom(units[0], frame.metrics.lineSpacing());
        addLines(units[0],
                 {line(ClassReport::tr(
                     "Each question at the first try and at the last, students counted:"))},
                 frame);
        Row chart;
        chart.height = ClassChart::height(figures, frame.metrics);
        chart.drawing = [&figures, font = frame.font](QPainter& painter, const QRectF& band) {
            ClassChart::draw(painter, band, figures, font);
        };
        units[0].rows.push_back(std::move(chart));
        addRoom(units[0], frame.metrics.lineSpacing());

        addLines(units[1], slipLines(figures, frame), frame);
        addRoom(units[1], frame.metrics.lineSpacing());

        // The students' table: the class table's columns for the report.
        const std::vector<const ClassTable::Column*> columns =
            ClassTable::columnsFor(ClassTable::Report);
        const Table table{{0, 0.3, 0.46, 0.6, 0.7, 0.8, 0.9}};
        Q_ASSERT(table.starts.size() == columns.size());
        QStringList headings;
        for (const ClassTable::Column* column : columns)
            headings.append(column->headingText());
        units[2].rows.push_back(table.row(headings, true, frame));
        for (const HandedInRecord& record : handedIn.records()) {
            QStringList cells;
            for (const ClassTable::Column* column : columns)
                cells.append(column->shownCell(record));
            units[2].rows.push_back(table.row(cells, false, frame));
        }
        return units;
    };
    return writeOne(
        //: %1 is the program's title, "Korvanel calculation".
        fileName, QCoreApplication::translate("Paper", "%1: class report").arg(Exercise::title()),
        QCoreApplication::translate("ClassReport", "%n student(s)", nullptr, handedIn.students()),
        PaneStyle::paperFont(reportPoints), locale, units, error);
}
