#include "chartview.h"

#include "model/language.h"
#include "paper/classchart.h"
#include "records/attemptsummary.h"

#include <QPainter>

ChartView::ChartView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Each question at the first try and at the last"));
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, Qt::white);
    setPalette(page);
}

void ChartView::setFigures(const ClassFigures& figures) {
    m_figures = figures;
    setAccessibleDescription(description());
    updateGeometry();
    update();
}

QString ChartView::description() const {
    if (m_figures.students == 0)
        return tr("No attempts are read yet.");
    QStringList lines;
    for (const FieldFigures& field : m_figures.fields) {
        QStringList parts;
        for (int o = 0; o < outcomeCount; ++o)
            if (field.students[size_t(o)] > 0)
                parts.append(outcomeTally(Outcome(o), field.students[size_t(o)]));
        //: %1 names the question, %2 lists the outcomes with their counts: "12 students right
        //: at the first try, 5 students close and 1 student not yet right".
        lines.append(tr("%1: %2.").arg(fieldName(answerField(field.field)),
                                       Language::current().createSeparatedList(parts)));
    }
    for (const SlipFigures& met : m_figures.slips)
        lines.append(slipMetLine(met));
    return lines.join(u'\n');
}

QSize ChartView::sizeHint() const {
    // As tall with no records read as with some, so that the page does not jump.
    const QFontMetricsF metrics(font());
    return QSize(int(70 * metrics.averageCharWidth()),
                 int(ClassChart::keyHeight(metrics) + fieldCount * ClassChart::barHeight(metrics) +
                     metrics.lineSpacing()));
}

QSize ChartView::minimumSizeHint() const {
    return QSize(sizeHint().width() / 2, sizeHint().height());
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const QRectF area = QRectF(rect()).adjusted(
        metrics.averageCharWidth(), metrics.lineSpacing() / 2, -metrics.averageCharWidth(), 0);
    if (m_figures.fields.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, description());
        return;
    }
    ClassChart::draw(painter, area, m_figures, font());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}
