// What assistive technology learns of the program's own widgets: a text
// pane reads like a read-only document with a caret, a picture names itself
// and describes its image, and the announcer's messages are notifications
// in a status region.
#pragma once

#include <QAccessibleWidget>

class TextPane;

class TextPaneAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextPaneAccessible(TextPane* pane);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The pane's lines, joined with newlines; offsets count characters.
    // Lines, words and the rest come from QAccessibleTextInterface's own
    // reading of that text, a line with its newline as readers expect.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    // A sentence and a paragraph are a line with words and the blank lines
    // after it: Say All reads a pane sentence by sentence, and blank lines
    // read as sentences of their own stopped Orca at them.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TextPane* pane() const;
    QString content() const;
    std::pair<int, int> sentenceAt(int offset) const; // its start and end
};

class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* picture);
};

// Installs the interfaces above, once.
void installPaneAccessibility();
