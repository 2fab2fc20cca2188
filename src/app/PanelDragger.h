#pragma once

#include <QObject>
#include <QPoint>

class QRubberBand;
class QWidget;

// Drags a panel with the left mouse button: an outline follows the pointer and
// the panel moves there on release; every control is repainted afterwards.
// In RepaintOnly mode the panel stays put and the release only repaints.
class PanelDragger : public QObject
{
    Q_OBJECT
public:
    enum class Mode { Move, RepaintOnly };
    PanelDragger(QWidget *panel, QWidget *window, Mode mode);
    ~PanelDragger() override;

    // The position the panel will take on release.
    QPoint drawingPosition() const { return m_drawingPosition; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void repaintAll();

    QWidget *m_panel;
    QWidget *m_window;
    Mode m_mode;
    bool m_dragging = false;
    QPoint m_grab;
    QPoint m_drawingPosition;
    QRubberBand *m_outline = nullptr;
};
