#include "textpane.h"

#include "paneaccessibility.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

TextPane::TextPane(QWidget* parent)
    : QWidget(parent) {
    installPaneAccessibility();
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TextPane::printLine(const PrintLine& items) {
    m_lines.append(items);
    m_layouts.append(LineLayout(items, fontMetrics()));
    const int top = contentsRect().top() + (m_lines.size() - 1) * lineHeight();
    update(contentsRect().left(), top, contentsRect().width(), lineHeight());
    announceChange();
    emit contentChanged();
}

void TextPane::clear() {
    if (m_lines.isEmpty())
        return;
    m_lines.clear();
    m_layouts.clear();
    update();
    announceChange();
    emit contentChanged();
}

QStringList TextPane::plainLines() const {
    QStringList lines;
    lines.reserve(m_layouts.size());
    for (const LineLayout& layout : m_layouts)
        lines.append(layout.plainText());
    return lines;
}

QString TextPane::plainText() const {
    return plainLines().join(u'\n');
}

void TextPane::announceChange() {
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent value(this, plainText());
    QAccessible::updateAccessibility(&value);
}

int TextPane::columnWidth() const {
    return fontMetrics().averageCharWidth();
}

int TextPane::lineHeight() const {
    return fontMetrics().lineSpacing();
}

int TextPane::lineWidth(const PrintLine& line) const {
    return int(LineLayout(line, fontMetrics()).width());
}

void TextPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        for (qsizetype i = 0; i < m_lines.size(); ++i)
            m_layouts[i] = LineLayout(m_lines.at(i), fontMetrics());
    }
    QWidget::changeEvent(event);
}

void TextPane::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.setClipRect(contentsRect());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }

    const QRect area = contentsRect();
    const int spacing = lineHeight();
    const int ascent = fontMetrics().ascent();
    const int first = std::max(0, (event->rect().top() - area.top()) / spacing);
    const int last =
        std::min<int>(m_layouts.size() - 1, (event->rect().bottom() - area.top()) / spacing);

    for (int index = first; index <= last; ++index) {
        m_layouts.at(index).draw(painter,
                                 QPointF(area.left(), area.top() + index * spacing + ascent));
    }
}
