// What the exercise and pathway windows share: a window titled
// "Korvanel calculation" in the window font, with the program icon, and a
// white page (shape1 behind everything) on which controls stand at fixed
// positions given in twips, in tab order.
//
// The page is laid out at a scale (see LayoutScale): 1 wherever it fits the
// screen, as it was designed, smaller where it does not, and bigger or
// smaller at the student's zoom. Positions, sizes, fonts and pictures all
// follow the scale. The page sits in a QScrollArea, whose scroll bars reach
// whatever the window cannot show. A window restored to a small size keeps
// the scale of its screen, its controls where they were.
#pragma once

#include "layoutscale.h"
#include "twips.h"

#include <QWidget>

class Announcer;
class Picture;
class QLabel;
class QMenu;
class QScrollArea;
class QTimer;

class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const char* name, QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // "Korvanel calculation", every form's title.
    static QString title();

    qreal layoutScale() const { return m_scale; }
    LayoutScale::Mode scaleMode() const { return m_rule.mode(); }
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void fitToWindow();

    // An action of this window, whose shortcut works while it is active.
    QAction* newAction(const QString& text, const QKeySequence& shortcut = {});
    static QAction* newSeparator(QObject* parent);

    // Where the window speaks to a screen reader.
    Announcer* announcer() const { return m_announcer; }
    // The context menu, made when first opened and kept.
    QMenu* contextMenu() const { return m_menu; }
    // Opens it at `globalPos`, its first item highlighted.
    void openContextMenu(const QPoint& globalPos);

    // The page every control stands on, and the scroll area around it.
    QWidget* page() const { return m_page; }
    QScrollArea* scrollArea() const { return m_scroll; }
    // Where the page shows, in the window's coordinates: the client area
    // less any scroll bars.
    QRect viewport() const;
    // Scrolls the least that brings `area` of `control` into view, its
    // start first where it does not fit.
    void ensureVisible(const QWidget* control, const QRect& area);

protected:
    enum class Face { Window, Title };

    // Names the control, puts it on the page in its place and next in the
    // tab order.
    void place(QWidget* control, const char* name, const Twips& twips, Face face = Face::Window);
    // Keeps a control made later on the page at its place, at every scale;
    // its tab order is the caller's.
    void placeOver(QWidget* control, const Twips& twips);
    // The logo that every window shows at its top right.
    Picture* newLogo();

    // What the context menu offers; a window puts its own items first.
    virtual QList<QAction*> contextActions() const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

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
    void rescaled();        // after the student's zoom: shown and said
    void openMenuAtFocus(); // Shift+F10, as the Menu key does

    Announcer* m_announcer = nullptr;
    QMenu* m_menu = nullptr;
    QLabel* m_zoomShown = nullptr; // made at the first zoom
    QTimer* m_zoomTimer = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_page = nullptr;
    QList<Placement> m_placed;
    QWidget* m_backdrop = nullptr;
    LayoutScale m_rule;
    qreal m_scale = 1;
    QList<QAction*> m_viewActions;
    QAction* m_fitAction = nullptr;
    int m_wheelAngle = 0;
    bool m_followsScreen = false;
};
