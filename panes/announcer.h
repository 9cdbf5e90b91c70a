// Where a window speaks to a screen reader without moving the focus: a
// status region with one message in it. Screen readers present a
// notification as it appears (Orca 43 takes nothing else from a Qt program
// that does not come from the focused object), and inside a status region
// without saying "notification" first. The region takes no room on screen.
#pragma once

#include <QWidget>

class SpokenMessage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Said once; a second message in the same moment would replace the
    // first before it is heard, so say everything of one moment at once.
    void announce(const QString& message);
    QString lastMessage() const;

private:
    SpokenMessage* m_message;
};
