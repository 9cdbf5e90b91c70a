#include "paneaccessibility.h"

#include "picture.h"
#include "textpane.h"

#include <QtMath>

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
    const QList<LineLayout>& layouts = pane()->layouts();
    int line = 0;
    while (line < layouts.size() && offset > layouts.at(line).plainText().size()) {
        offset -= int(layouts.at(line).plainText().size()) + 1;
        ++line;
    }
    if (offset < 0 || line >= layouts.size())
        return QRect();
    const LineLayout& layout = layouts.at(line);
    const qreal left = layout.characterLeft(offset);
    const qreal right = offset < layout.plainText().size() ? layout.characterLeft(offset + 1)
                                                           : left + pane()->columnWidth();
    const QRect area = pane()->contentsRect();
    const QRect local(area.left() + qFloor(left), area.top() + line * pane()->lineHeight(),
                      qCeil(right) - qFloor(left), pane()->lineHeight());
    return QRect(pane()->mapToGlobal(local.topLeft()), local.size());
}

int TextPaneAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = pane()->mapFromGlobal(point) - pane()->contentsRect().topLeft();
    const QList<LineLayout>& layouts = pane()->layouts();
    const int line = local.y() / std::max(1, pane()->lineHeight());
    if (local.y() < 0 || line >= layouts.size())
        return -1;
    int offset = 0;
    for (int i = 0; i < line; ++i)
        offset += int(layouts.at(i).plainText().size()) + 1;
    return offset + layouts.at(line).offsetAt(local.x());
}

QString TextPaneAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return QString();
}

PictureAccessible::PictureAccessible(QWidget* picture)
    : QAccessibleWidget(picture, QAccessible::Graphic) {
}
