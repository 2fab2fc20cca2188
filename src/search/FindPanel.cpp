#include "search/FindPanel.h"

#include <QLabel>
#include <QVBoxLayout>

FindPanel::FindPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3D3"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Find Match"), this));
    resize(600, 360);
}
