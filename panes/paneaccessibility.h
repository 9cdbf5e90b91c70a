// What assistive technology learns of the picture areas: a text pane
// reads out its lines, a picture names itself and describes its image.
#pragma once

#include <QAccessibleWidget>

class TextPane;

class TextPaneAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextPaneAccessible(TextPane* pane);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The pane's lines, joined with newlines; offsets count characters.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
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
};

class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* picture);
};

// Installs the interfaces above, once.
void installPaneAccessibility();
