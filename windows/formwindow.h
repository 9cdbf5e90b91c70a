// What the exercise and pathway windows share: a window titled
// "Korvanel calculation" in the window font, with the program icon, a white
// page (shape1) behind everything, and controls placed at fixed positions
// given in twips, in tab order.
#pragma once

#include "twips.h"

#include <QWidget>

class Picture;

class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const char* name, QWidget* parent = nullptr, Qt::WindowFlags flags = {});

protected:
    // Names the control, puts it in its place and next in the tab order.
    void place(QWidget* control, const char* name, const Twips& twips);
    // The logo that every window shows at its top right.
    Picture* newLogo();

private:
    QWidget* m_lastInTabOrder = nullptr;
};
