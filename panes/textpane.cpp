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
    const int top = contentsRect().top() + (m_lines.size() - 1) * lineHeight();
    update(contentsRect().left(), top, contentsRect().width(), lineHeight());
    announceChange();
    emit contentChanged();
}

void TextPane::clear() {
    if (m_lines.isEmpty())
        return;
    m_lines.clear();
    update();
    announceChange();
    emit contentChanged();
}

QStringList TextPane::plainLines() const {
    QStringList lines;
    lines.reserve(m_lines.size());
    for (const PrintLine& line : m_lines)
        lines.append(::plainText(line));
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
    const QFontMetrics metrics = fontMetrics();
    int x = 0;
    for (const PrintItem& item : line) {
        if (item.kind == PrintItem::Kind::Tab)
            x = std::max(x, (item.column - 1) * metrics.averageCharWidth());
        else
            x += metrics.horizontalAdvance(item.text);
    }
    return x;
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
    const QFontMetrics metrics = fontMetrics();
    const int spacing = lineHeight();
    const int column = metrics.averageCharWidth();
    const int first = std::max(0, (event->rect().top() - area.top()) / spacing);
    const int last =
        std::min<int>(m_lines.size() - 1, (event->rect().bottom() - area.top()) / spacing);

    for (int index = first; index <= last; ++index) {
        const int baseline = area.top() + index * spacing + metrics.ascent();
        int x = 0;
        for (const PrintItem& item : m_lines.at(index)) {
            if (item.kind == PrintItem::Kind::Tab) {
                x = std::max(x, (item.column - 1) * column);
            } else {
                painter.drawText(area.left() + x, baseline, item.text);
                x += metrics.horizontalAdvance(item.text);
            }
        }
    }
}
