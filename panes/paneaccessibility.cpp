#include "paneaccessibility.h"

#include "picture.h"
#include "textpane.h"

#include <QFontMetrics>

namespace {

QAccessibleInterface* paneFactory(const QString& className, QObject* object) {
    if (className == u"TextPane")
        return new TextPaneAccessible(static_cast<TextPane*>(object));
    if (className == u"Picture")
        return new PictureAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installPaneAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(paneFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

TextPaneAccessible::TextPaneAccessible(TextPane* pane)
    : QAccessibleWidget(pane, QAccessible::StaticText) {
}

TextPane* TextPaneAccessible::pane() const {
    return static_cast<TextPane*>(widget());
}

QString TextPaneAccessible::content() const {
    return pane()->plainText();
}

QString TextPaneAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return content();
    return QAccessibleWidget::text(t);
}

void* TextPaneAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void TextPaneAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

QString TextPaneAccessible::text(int startOffset, int endOffset) const {
    return content().mid(startOffset, endOffset - startOffset);
}

int TextPaneAccessible::characterCount() const {
    return int(content().size());
}

QString TextPaneAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    const QString all = content();
    offset = qBound(0, offset, int(all.size()));
    int start = 0;
    int end = int(all.size());
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        start = offset;
        end = std::min(offset + 1, int(all.size()));
        break;
    case QAccessible::WordBoundary:
        start = offset;
        while (start > 0 && !all.at(start - 1).isSpace())
            --start;
        end = offset;
        while (end < all.size() && !all.at(end).isSpace())
            ++end;
        break;
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary:
        start = offset > 0 ? int(all.lastIndexOf(u'\n', offset - 1)) + 1 : 0;
        end = int(all.indexOf(u'\n', offset));
        if (end < 0)
            end = int(all.size());
        break;
    case QAccessible::NoBoundary:
        break;
    }
    *startOffset = start;
    *endOffset = end;
    return all.mid(start, end - start);
}

QRect TextPaneAccessible::characterRect(int offset) const {
    // Character cells, as the pane's tabs count them.
    const QStringList lines = pane()->plainLines();
    int line = 0;
    while (line < lines.size() && offset > lines.at(line).size()) {
        offset -= int(lines.at(line).size()) + 1;
        ++line;
    }
    if (line >= lines.size())
        return QRect();
    const QFontMetrics metrics = pane()->fontMetrics();
    const int left = metrics.horizontalAdvance(lines.at(line).left(offset));
    const int width = offset < lines.at(line).size()
                          ? metrics.horizontalAdvance(lines.at(line).at(offset))
                          : pane()->columnWidth();
    const QRect local(pane()->contentsRect().left() + left,
                      pane()->contentsRect().top() + line * pane()->lineHeight(), width,
                      pane()->lineHeight());
    return QRect(pane()->mapToGlobal(local.topLeft()), local.size());
}

int TextPaneAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = pane()->mapFromGlobal(point) - pane()->contentsRect().topLeft();
    const QStringList lines = pane()->plainLines();
    const int line = local.y() / std::max(1, pane()->lineHeight());
    if (local.y() < 0 || line >= lines.size())
        return -1;
    int offset = 0;
    for (int i = 0; i < line; ++i)
        offset += int(lines.at(i).size()) + 1;
    const QFontMetrics metrics = pane()->fontMetrics();
    const QString& text = lines.at(line);
    for (int column = 0; column < text.size(); ++column)
        if (metrics.horizontalAdvance(text.left(column + 1)) > local.x())
            return offset + column;
    return offset + int(text.size());
}

QString TextPaneAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return QString();
}

PictureAccessible::PictureAccessible(QWidget* picture)
    : QAccessibleWidget(picture, QAccessible::Graphic) {
}
