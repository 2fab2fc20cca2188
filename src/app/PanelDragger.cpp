#include "app/PanelDragger.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

PanelDragger::PanelDragger(QWidget *panel, QWidget *window, Mode mode)
    : m_panel(panel)
    , m_window(window)
    , m_mode(mode)
{
    m_panel->installEventFilter(this);
}

PanelDragger::~PanelDragger()
{
    delete m_outline;
}

bool PanelDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_panel)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_dragging = true;
        m_drawingPosition = m_panel->pos();
        m_grab = mouse->position().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_dragging || m_mode != Mode::Move || !(mouse->buttons() & Qt::LeftButton))
            return false;
        m_drawingPosition = m_panel->pos() + mouse->position().toPoint() - m_grab;
        if (!m_outline)
            m_outline = new QRubberBand(QRubberBand::Rectangle, m_panel->parentWidget());
        m_outline->setGeometry(QRect(m_drawingPosition, m_panel->size()));
        m_outline->show();
        m_outline->raise();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_dragging || mouse->button() != Qt::LeftButton)
            return false;
        m_dragging = false;
        if (m_mode == Mode::Move)
            m_panel->move(m_drawingPosition);
        if (m_outline)
            m_outline->hide();
        repaintAll();
        return true;
    }
    default:
        return false;
    }
}

void PanelDragger::repaintAll()
{
    for (QWidget *child : m_window->findChildren<QWidget *>()) {
        if (child->isVisible())
            child->update();
    }
}
