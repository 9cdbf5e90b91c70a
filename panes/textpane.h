// A pane that takes printed lines from the top down, like a sheet in a
// printer, keeps them and draws them again on every repaint.
//
// Columns are the font's average character width; lines are one line
// spacing apart. Font and colours come from the widget's font and palette
// (Window for the page, WindowText for the ink).
#pragma once

#include "linelayout.h"

#include <QStringList>
#include <QWidget>

class TextPane : public QWidget {
    Q_OBJECT

public:
    explicit TextPane(QWidget* parent = nullptr);

    void printLine(const PrintLine& items = {});
    void clear();

    const QList<PrintLine>& content() const { return m_lines; }
    const QList<LineLayout>& layouts() const { return m_layouts; } // one per line
    QStringList plainLines() const; // tabs expanded to character cells
    QString plainText() const;      // the lines joined with newlines

    int columnWidth() const;
    int lineHeight() const;
    int lineWidth(const PrintLine& line) const; // pixels from the left edge

signals:
    void contentChanged();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void announceChange();

    QList<PrintLine> m_lines;
    QList<LineLayout> m_layouts; // in the current font
};
