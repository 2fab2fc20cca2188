#pragma once

#include "ui/MessageService.h"

class QWidget;

// Shows the requests as modal QMessageBoxes over the given parent.
class QtMessageService : public MessageService
{
public:
    explicit QtMessageService(QWidget *parent = nullptr)
        : m_parent(parent)
    { }
    void setParent(QWidget *parent) { m_parent = parent; }
    Msg::Answer ask(const Msg::Request &request) override;

private:
    QWidget *m_parent;
};
