#pragma once

#include <QFrame>
#include <QString>

// The look of the window's panels that lie over the form screen: a raised frame with
// its own background, so that the form does not show through.
inline void makeRaisedPanel(QFrame *panel, const QString &objectName, int lineWidth = 2)
{
    panel->setObjectName(objectName);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(lineWidth);
    panel->setAutoFillBackground(true);
}
