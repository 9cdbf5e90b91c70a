#include "pages.h"

#include "model/buildinfo.h"
#include "model/savegroup.h"
#include "panes/panestyle.h"
#include "paper.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr qreal headerGapMm = 6; // below the header, its rule within

} // namespace

namespace Paper::Pages {

QColor colour(Ink ink) {
    return PaneStyle::colour(ink, Qt::black);
}

Frame::Frame(const QPaintDevice& device, const QFont& font)
    : font(font)
    , metrics(font, &device)
    , shaper(font, &device)
    , header(PaneStyle::paperFont(headerPoints, QFont::Normal), &device)
    , width(Paper::lineRoom(device))
    , scale(device.width() / width)
    , millimetre(device.logicalDpiY() / 25.4)
    , bodyTop(header.height() + headerGapMm * millimetre)
    , bodyHeight(device.height() / scale - bodyTop) {
}

qreal Unit::height() const {
    qreal sum = 0;
    for (const Row& row : rows)
        sum += row.height;
    return sum;
}

qreal Unit::inkHeight() const {
    qreal sum = 0, ink = 0;
    for (const Row& row : rows) {
        sum += row.height;
        if (!row.blank())
            ink = sum;
    }
    return ink;
}

void addLines(Unit& unit, const Lines& lines, const Frame& frame) {
    for (const InkedLine& line : lines) {
        Row row;
        row.height = frame.metrics.lineSpacing();
        row.line.emplace(line.items, frame.shaper);
        row.ink = colour(line.ink);
        unit.rows.push_back(std::move(row));
    }
}

Lines wrapped(const QString& text, Ink ink, const Frame& frame, int column) {
    const qreal room = frame.width - (column - 1) * frame.metrics.averageCharWidth();
    Lines lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && frame.shaper.advance(longer) > room) {
            lines.append({{PrintItem::tab(column), PrintItem::fromText(line)}, ink});
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines.append({{PrintItem::tab(column), PrintItem::fromText(line)}, ink});
    return lines;
}

void addRoom(Unit& unit, qreal height) {
    Row room;
    room.height = height;
    unit.rows.push_back(room);
}

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

void drawHeader(QPainter& painter, const Frame& frame, const QString& heading,
                const QString& middle, int page, int pages) {
    painter.setPen(Qt::black);
    const QRectF band(0, 0, frame.width, frame.header.height());
    painter.setFont(PaneStyle::paperFont(headerPoints, QFont::Normal));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                     QCoreApplication::translate("Paper", "page %1 of %2")
                         .arg(QString::number(page), QString::number(pages)));
    painter.setFont(PaneStyle::paperFont(headerPoints, QFont::Bold));
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, middle);
    const qreal rule = band.bottom() + frame.millimetre;
    painter.setPen(QPen(Qt::black, 0.25 * frame.millimetre));
    painter.drawLine(QPointF(0, rule), QPointF(frame.width, rule));
}

void drawPage(QPainter& painter, const Frame& frame, const Page& page) {
    painter.setFont(frame.font);
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
        } else if (row.drawing) {
            painter.save();
            row.drawing(painter, QRectF(0, top, frame.width, row.height));
            painter.restore();
        }
    }
}

bool drawPages(QPagedPaintDevice& device, const Frame& frame, const std::vector<Unit>& units,
               const QString& heading, const QString& middle, QString* problem) {
    const std::vector<Page> pages = paginate(units, frame.bodyHeight);
    QPainter painter;
    if (!painter.begin(&device)) {
        *problem = QCoreApplication::translate("Paper", "Cannot draw on the page.");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            *problem = QCoreApplication::translate("Paper", "Cannot start a new page.");
            return false;
        }
        painter.setWorldTransform(QTransform::fromScale(frame.scale, frame.scale));
        drawHeader(painter, frame, heading, middle, int(p) + 1, int(pages.size()));
        drawPage(painter, frame, pages[p]);
    }
    if (!painter.end()) {
        *problem = QCoreApplication::translate("Paper", "Cannot finish the pages.");
        return false;
    }
    return true;
}

void describe(QPdfWriter& writer, const QString& title, const QLocale& locale) {
    writer.setPageLayout(Paper::pageLayout(locale));
    writer.setCreator(QStringLiteral("%1 %2").arg(QString::fromLatin1(BuildInfo::name),
                                                  QString::fromLatin1(BuildInfo::version)));
    writer.setTitle(title);
}

bool writeOne(const QString& fileName, const QString& heading, const QString& middle,
              const QFont& font, const QLocale& locale,
              const std::function<std::vector<Unit>(const Frame&)>& units, QString* error) {
    SaveGroup files;
    QIODevice* file = files.open(fileName, error);
    if (!file)
        return false;
    {
        QPdfWriter writer(file);
        describe(writer, heading, locale);
        const Frame frame(writer, font);
        QString problem;
        if (!drawPages(writer, frame, units(frame), heading, middle, &problem)) {
            if (error)
                *error = SaveGroup::notWritten(fileName, problem);
            return false;
        }
    }
    return files.written(0, error) && files.commit(error);
}

} // namespace Paper::Pages
