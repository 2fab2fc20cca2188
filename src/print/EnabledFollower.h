#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Keeps some buttons enabled exactly while a leading button is: every place that
// enables or disables the leader (or its panel) carries the followers with it.
class EnabledFollower : public QObject
{
public:
    // Lives as long as the leader, whose child it becomes.
    EnabledFollower(QWidget *leader, const QList<QWidget *> &followers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QWidget *m_leader;
    QList<QPointer<QWidget>> m_followers;
};
