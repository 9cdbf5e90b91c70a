// What the exercise and pathway windows share: a window titled
// "Korvanel calculation" in the window font, with the program icon, a white
// page (shape1) behind everything, and controls placed at fixed positions
// given in twips, in tab order.
//
// The table is laid out at a scale (see LayoutScale): 1 wherever it fits
// the screen, as it was designed, smaller where it does not, and bigger or
// smaller at the student's zoom. Positions, sizes, fonts and pictures all
// follow the scale; whatever the window cannot show, scroll bars reach.
// A window restored to a small size keeps the scale of its screen, its
// controls where they were.
#pragma once

#include "layoutscale.h"
#include "twips.h"

#include <QWidget>

class Picture;
class QScrollBar;

class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const char* name, QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    qreal layoutScale() const { return m_scale; }
    LayoutScale::Mode scaleMode() const { return m_rule.mode(); }
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void fitToWindow();

    // An action of this window, whose shortcut works while it is active.
    QAction* newAction(const QString& text, const QKeySequence& shortcut = {});
    static QAction* newSeparator(QObject* parent);

    // Where the layout shows: the client area less any scroll bars.
    QRect viewport() const;
    // Scrolls the least that brings `area` of `control` into the viewport.
    void ensureVisible(const QWidget* control, const QRect& area);

protected:
    enum class Face { Window, Title };

    // Names the control, puts it in its place and next in the tab order.
    void place(QWidget* control, const char* name, const Twips& twips, Face face = Face::Window);
    // Keeps a control made later at its place, at every scale; its tab
    // order is the caller's.
    void placeOver(QWidget* control, const Twips& twips);
    // The logo that every window shows at its top right.
    Picture* newLogo();

    // What the context menu offers; a window puts its own items first.
    virtual QList<QAction*> contextActions() const;

    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Placement {
        QWidget* control;
        Twips twips;
        Face face;
    };

    void setGeometryAtScale(const Placement& placement);

    QSizeF layoutSize() const; // right and bottom edges of the table at scale 1
    QSize room() const;        // the client area this window would have maximised
    void relayout();
    QScrollBar* scrollBar(Qt::Orientation orientation);

    QList<Placement> m_placed;
    QWidget* m_backdrop = nullptr;
    LayoutScale m_rule;
    qreal m_scale = 1;
    QPoint m_scroll;
    QScrollBar* m_horizontal = nullptr; // made when first needed
    QScrollBar* m_vertical = nullptr;
    QList<QAction*> m_viewActions;
    QAction* m_fitAction = nullptr;
    int m_wheelAngle = 0;
    bool m_followsScreen = false;
};
