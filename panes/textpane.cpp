#include "textpane.h"

#include "paneaccessibility.h"
#include "textshaper.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QtMath>

#include <algorithm>

TextPane::TextPane(QWidget* parent)
    : QWidget(parent) {
    installPaneAccessibility();
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TextPane::~TextPane() = default;

// Each text is shaped once, to measure it and to draw it on every repaint.
TextShaper& TextPane::shaper() const {
    if (!m_shaper)
        m_shaper = std::make_unique<TextShaper>(font(), this, TextShaper::Units::WholePixels);
    return *m_shaper;
}

void TextPane::printLine(const PrintLine& items) {
    printLine(items, QColor());
}

void TextPane::printLine(const PrintLine& items, const QColor& ink) {
    const int end = textLength();
    m_lines.append(items);
    m_inks.append(ink);
    m_layouts.append(LineLayout(items, shaper()));
    const int top = contentsRect().top() + (m_lines.size() - 1) * lineHeight();
    update(contentsRect().left(), top, contentsRect().width(), lineHeight());
    if (QAccessible::isActive()) {
        const QString& text = m_layouts.constLast().plainText();
        QAccessibleTextInsertEvent inserted(this, end, m_lines.size() > 1 ? u'\n' + text : text);
        QAccessible::updateAccessibility(&inserted);
    }
    emit contentChanged();
}

void TextPane::clear() {
    if (m_lines.isEmpty())
        return;
    const QString removed = QAccessible::isActive() ? plainText() : QString();
    m_lines.clear();
    m_inks.clear();
    m_layouts.clear();
    m_caret = 0;
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextRemoveEvent gone(this, 0, removed);
        QAccessible::updateAccessibility(&gone);
    }
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

int TextPane::textLength() const {
    int length = std::max(0, int(m_layouts.size()) - 1); // the newlines
    for (const LineLayout& layout : m_layouts)
        length += int(layout.plainText().size());
    return length;
}

int TextPane::lineStart(int line) const {
    int offset = 0;
    for (int i = 0; i < line; ++i)
        offset += int(m_layouts.at(i).plainText().size()) + 1;
    return offset;
}

std::pair<int, int> TextPane::lineAndColumn(int offset) const {
    int line = 0;
    while (line + 1 < m_layouts.size() && offset > m_layouts.at(line).plainText().size()) {
        offset -= int(m_layouts.at(line).plainText().size()) + 1;
        ++line;
    }
    return {line, offset};
}

void TextPane::setCursorPosition(int offset) {
    offset = std::clamp(offset, 0, textLength());
    if (offset == m_caret)
        return;
    update(caretRect());
    m_caret = offset;
    update(caretRect());
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent moved(this, m_caret);
        QAccessible::updateAccessibility(&moved);
    }
}

void TextPane::placeCursorAtText(qsizetype fromLine) {
    int offset = 0;
    for (qsizetype i = 0; i < m_layouts.size(); ++i) {
        const QString& line = m_layouts.at(i).plainText();
        if (i >= fromLine && !line.isEmpty()) {
            setCursorPosition(offset);
            return;
        }
        offset += int(line.size()) + 1;
    }
}

QRect TextPane::caretRect() const {
    const auto [line, column] = lineAndColumn(m_caret);
    const qreal x = m_layouts.isEmpty() ? 0 : m_layouts.at(line).characterLeft(column);
    const int width = std::max(1, lineHeight() / 15);
    return QRect(contentsRect().left() + qFloor(x), contentsRect().top() + line * lineHeight(),
                 width, lineHeight());
}

void TextPane::keyPressEvent(QKeyEvent* event) {
    const auto [line, column] = lineAndColumn(m_caret);
    const int lineLength = m_layouts.isEmpty() ? 0 : int(m_layouts.at(line).plainText().size());
    const auto columnOn = [this, column](int other) {
        return lineStart(other) + std::min(column, int(m_layouts.at(other).plainText().size()));
    };
    const bool toEnds = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        setCursorPosition(m_caret - 1);
        break;
    case Qt::Key_Right:
        setCursorPosition(m_caret + 1);
        break;
    case Qt::Key_Up:
        if (line > 0)
            setCursorPosition(columnOn(line - 1));
        break;
    case Qt::Key_Down:
        if (line + 1 < m_layouts.size())
            setCursorPosition(columnOn(line + 1));
        break;
    case Qt::Key_Home:
        setCursorPosition(toEnds ? 0 : m_caret - column);
        break;
    case Qt::Key_End:
        setCursorPosition(toEnds ? textLength() : m_caret - column + lineLength);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TextPane::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint() - contentsRect().topLeft();
    const int line =
        std::clamp(at.y() / std::max(1, lineHeight()), 0, std::max(0, int(m_layouts.size()) - 1));
    if (!m_layouts.isEmpty())
        setCursorPosition(lineStart(line) + m_layouts.at(line).offsetAt(at.x()));
}

int TextPane::columnWidth() const {
    return fontMetrics().averageCharWidth();
}

int TextPane::lineHeight() const {
    return fontMetrics().lineSpacing();
}

int TextPane::lineWidth(const PrintLine& line) const {
    return int(LineLayout(line, shaper()).width());
}

void TextPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_shaper.reset();
        for (qsizetype i = 0; i < m_lines.size(); ++i)
            m_layouts[i] = LineLayout(m_lines.at(i), shaper());
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

    const QColor ink = palette().color(QPalette::WindowText);
    for (int index = first; index <= last; ++index) {
        painter.setPen(m_inks.at(index).isValid() ? m_inks.at(index) : ink);
        m_layouts.at(index).draw(painter,
                                 QPointF(area.left(), area.top() + index * spacing + ascent));
    }
    if (hasFocus())
        painter.fillRect(caretRect(), palette().color(QPalette::WindowText));
}
