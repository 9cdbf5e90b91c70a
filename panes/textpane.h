// A pane that takes printed lines from the top down, like a sheet in a
// printer, keeps them and draws them again on every repaint.
//
// Columns are the font's average character width; lines are one line
// spacing apart. Font and colours come from the widget's font and palette
// (Window for the page, WindowText for the ink).
//
// Focused, it reads like a read-only document: a caret, drawn only then,
// moves by character and line with the arrow keys, Home and End, and to
// either end with Ctrl+Home and Ctrl+End; a click puts it where it falls. What is printed and
// cleared, and where the caret goes, reach assistive technology as text events.
#pragma once

#include "linelayout.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class TextShaper;

class TextPane : public QWidget {
    Q_OBJECT

public:
    explicit TextPane(QWidget* parent = nullptr);
    ~TextPane() override;

    void printLine(const PrintLine& items = {});
    // In an ink of its own rather than the pane's.
    void printLine(const PrintLine& items, const QColor& ink);
    void clear();

    const QList<PrintLine>& content() const { return m_lines; }
    const QList<LineLayout>& layouts() const { return m_layouts; } // one per line
    QStringList plainLines() const; // tabs expanded to character cells
    QString plainText() const;      // the lines joined with newlines

    // An offset into plainText().
    int cursorPosition() const { return m_caret; }
    void setCursorPosition(int offset);
    // To the start of the first line from `fromLine` on that has text, if any.
    void placeCursorAtText(qsizetype fromLine);

    int columnWidth() const;
    int lineHeight() const;
    int lineWidth(const PrintLine& line) const; // pixels from the left edge

signals:
    void contentChanged();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int textLength() const;
    int lineStart(int line) const;
    std::pair<int, int> lineAndColumn(int offset) const;
    QRect caretRect() const;

    QList<PrintLine> m_lines;
    QList<QColor> m_inks;        // one per line; invalid for the pane's own
    TextShaper& shaper() const;  // of the current font, made on first need
    QList<LineLayout> m_layouts; // in the current font
    mutable std::unique_ptr<TextShaper> m_shaper;
    int m_caret = 0;
};
