// A window that shows one pathway diagram beside the exercise: the logo,
// an optional title pane, the diagram and a "Hide pathway" button.
//
// Hiding keeps the window and its title; showing it again brings back the
// same window. Closing it from the frame, or Escape, hides it the same way.
// Each time it comes to the front it tells a screen reader what it shows
// and that the diagram's description is one Tab away.
#pragma once

#include "formwindow.h"
#include "stages/pathways.h"

class Picture;
class TextPane;

class PathwayWindow : public FormWindow {
    Q_OBJECT

public:
    explicit PathwayWindow(Pathway pathway, QWidget* parent = nullptr);

    Pathway pathway() const { return m_pathway; }
    Picture* diagram() const { return m_diagram; }
    TextPane* titlePane() const { return m_title; } // null on the second window

    // Shows the window maximised in front, or brings it forward if shown.
    void present();

protected:
    void changeEvent(QEvent* event) override;

private:
    Pathway m_pathway;
    Picture* m_diagram = nullptr;
    TextPane* m_title = nullptr;
    bool m_presented = false; // to be said when next activated
};
