#include "announcer.h"

#include "paneaccessibility.h"

#include <QAccessible>

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
    , m_message(new SpokenMessage(this)) {
    installPaneAccessibility();
    setObjectName(QStringLiteral("announcer"));
    //: What a screen reader calls the source of the window's spoken messages.
    setAccessibleName(tr("Messages"));
    setFixedSize(0, 0);
    m_message->setFixedSize(0, 0);
    m_message->hide();
    hide();
}

void Announcer::announce(const QString& message) {
    m_message->setAccessibleName(message);
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent shown(m_message, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString Announcer::lastMessage() const {
    return m_message->accessibleName();
}
