#include "print/EnabledFollower.h"

#include <QEvent>
#include <QWidget>

EnabledFollower::EnabledFollower(QWidget *leader, const QList<QWidget *> &followers)
    : QObject(leader)
    , m_leader(leader)
{
    for (QWidget *follower : followers)
        m_followers.append(follower);
    leader->installEventFilter(this);
    follow();
}

bool EnabledFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_leader && event->type() == QEvent::EnabledChange)
        follow();
    return QObject::eventFilter(watched, event);
}

void EnabledFollower::follow()
{
    for (const QPointer<QWidget> &follower : m_followers) {
        if (follower)
            follower->setEnabled(m_leader->isEnabled());
    }
}
