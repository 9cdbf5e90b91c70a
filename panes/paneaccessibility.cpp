#include "paneaccessibility.h"

#include "picture.h"
#include "textpane.h"

#include <QtMath>

#include <algorithm>

namespace {

QAccessibleInterface* paneFactory(const QString& className, QObject* object) {
    if (className == u"TextPane")
        return new TextPaneAccessible(static_cast<TextPane*>(object));
    if (className == u"Picture")
        return new PictureAccessible(static_cast<QWidget*>(object));
    if (className == u"Announcer")
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (className == u"SpokenMessage")
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
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
    : QAccessibleWidget(pane, QAccessible::EditableText) {
}

QAccessible::State TextPaneAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

int TextPaneAccessible::cursorPosition() const {
    return pane()->cursorPosition();
}

void TextPaneAccessible::setCursorPosition(int position) {
    pane()->setCursorPosition(position);
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

std::pair<int, int> TextPaneAccessible::sentenceAt(int offset) const {
    QList<int> starts; // of the lines with words, the first taking what stands before it
    int at = 0;
    for (const QString& line : pane()->plainLines()) {
        if (!line.trimmed().isEmpty())
            starts.append(starts.isEmpty() ? 0 : at);
        at += int(line.size()) + 1;
    }
    const int length = characterCount();
    if (starts.isEmpty())
        return {0, length};
    const auto next = std::upper_bound(starts.begin(), starts.end(), offset);
    const int start = next == starts.begin() ? 0 : *(next - 1);
    return {start, next == starts.end() ? length : *next};
}

namespace {

bool bySentence(QAccessible::TextBoundaryType type) {
    return type == QAccessible::SentenceBoundary || type == QAccessible::ParagraphBoundary;
}

QString segment(const QString& text, std::pair<int, int> bounds, int* startOffset, int* endOffset) {
    *startOffset = bounds.first;
    *endOffset = bounds.second;
    return text.mid(bounds.first, bounds.second - bounds.first);
}

} // namespace

QString TextPaneAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type,
                                         int* startOffset, int* endOffset) const {
    if (!bySentence(type))
        return QAccessibleTextInterface::textAtOffset(offset, type, startOffset, endOffset);
    return segment(content(), sentenceAt(offset), startOffset, endOffset);
}

QString TextPaneAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType type,
                                            int* startOffset, int* endOffset) const {
    if (!bySentence(type))
        return QAccessibleTextInterface::textAfterOffset(offset, type, startOffset, endOffset);
    const int end = sentenceAt(offset).second;
    if (end >= characterCount())
        return segment(content(), {end, end}, startOffset, endOffset);
    return segment(content(), sentenceAt(end), startOffset, endOffset);
}

QString TextPaneAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType type,
                                             int* startOffset, int* endOffset) const {
    if (!bySentence(type))
        return QAccessibleTextInterface::textBeforeOffset(offset, type, startOffset, endOffset);
    if (offset >= characterCount() && offset > 0) // before the end: the last sentence
        return segment(content(), sentenceAt(characterCount() - 1), startOffset, endOffset);
    const int start = sentenceAt(offset).first;
    if (start == 0)
        return segment(content(), {0, 0}, startOffset, endOffset);
    return segment(content(), sentenceAt(start - 1), startOffset, endOffset);
}

int TextPaneAccessible::characterCount() const {
    return int(content().size());
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

// One run of the same (no) attributes over the whole text: readers build a
// line from the runs, and empty runs lose them its last character.
QString TextPaneAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

PictureAccessible::PictureAccessible(QWidget* picture)
    : QAccessibleWidget(picture, QAccessible::Graphic) {
}
