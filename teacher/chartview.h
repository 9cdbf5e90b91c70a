// The class's chart in the teacher's window: the bars paper draws, drawn in
// the window's font, and the same figures in words for a screen reader,
// which it gives as its description when it takes the focus.
#pragma once

#include "classwork/classfigures.h"

#include <QWidget>

class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    void setFigures(const ClassFigures& figures);
    const ClassFigures& figures() const { return m_figures; }
    // The figures in words, a line for each field, then the slips.
    QString description() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ClassFigures m_figures;
};
