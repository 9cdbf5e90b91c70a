// How paper sets its pages, for every sheet it writes: a text area in
// layout units under a header with its rule, rows of lines, blank room,
// diagrams or drawings of their own, kept together in units where they
// fit, and the pages they fall on.
#pragma once

#include "panes/diagram.h"
#include "panes/linelayout.h"
#include "panes/textshaper.h"
#include "paper.h"
#include "stages/transcript.h"

#include <QColor>
#include <QFontMetricsF>

#include <functional>
#include <optional>
#include <vector>

class QLocale;
class QPagedPaintDevice;
class QPaintDevice;
class QPdfWriter;
class QPainter;

namespace Paper::Pages {

inline constexpr qreal headerPoints = 8;

// Paper prints the question pane's ink in black, whatever the desktop's.
QColor colour(Ink ink);

// The size of a page's text area in layout units, and what a line needs.
struct Frame {
    // Lines in `font`, the sheets' own by default.
    explicit Frame(const QPaintDevice& device, const QFont& font = Paper::lineFont());

    QFont font;
    QFontMetricsF metrics;
    mutable TextShaper shaper; // for every subject of a class set
    QFontMetricsF header;
    qreal width;
    qreal scale;
    qreal millimetre;
    qreal bodyTop;
    qreal bodyHeight;
};

// One band of a page: a printed line, blank room, a diagram, or a drawing
// of its own over the band's rectangle.
struct Row {
    qreal height = 0;
    std::optional<LineLayout> line;
    QColor ink;
    const Diagram* diagram = nullptr;
    std::function<void(QPainter&, const QRectF&)> drawing;

    bool blank() const { return !diagram && !drawing && (!line || line->runs().isEmpty()); }
};

// Rows kept on one page where they fit.
struct Unit {
    std::vector<Row> rows;
    bool newPage = false;

    qreal height() const;
    // Up to the end of the last ink: room at the foot of a page may be cut.
    qreal inkHeight() const;
};

struct Placed {
    const Row* row;
    qreal top;
};
using Page = std::vector<Placed>;

void addLines(Unit& unit, const Lines& lines, const Frame& frame);
// A paragraph of text broken at its blanks into lines that fit the page,
// each from column `column` on.
Lines wrapped(const QString& text, Ink ink, const Frame& frame, int column);
void addRoom(Unit& unit, qreal height);

// Keeps each unit on one page where its ink fits there; one taller than a
// page runs on, row by row. Blank rows that do not fit end the page, and a
// page never starts with one.
std::vector<Page> paginate(const std::vector<Unit>& units, qreal height);

// What the sheet is at the left, `middle` in bold, "page n of m" at the right.
void drawHeader(QPainter& painter, const Frame& frame, const QString& heading,
                const QString& middle, int page, int pages);
void drawPage(QPainter& painter, const Frame& frame, const Page& page);

// Paginates `units` and draws their pages onto `device`, each headed;
// false, with *problem, when the device refuses.
bool drawPages(QPagedPaintDevice& device, const Frame& frame, const std::vector<Unit>& units,
               const QString& heading, const QString& middle, QString* problem);

// What every PDF of the program says of itself.
void describe(QPdfWriter& writer, const QString& title, const QLocale& locale);

// One PDF, titled and headed `heading`, of the units that `units` sets out
// for its frame in `font`, replaced whole or not at all; false, with *error
// naming the file, when it cannot be written.
bool writeOne(const QString& fileName, const QString& heading, const QString& middle,
              const QFont& font, const QLocale& locale,
              const std::function<std::vector<Unit>(const Frame&)>& units, QString* error);

} // namespace Paper::Pages
