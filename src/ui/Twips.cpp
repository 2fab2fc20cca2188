#include "ui/Twips.h"

#include <QWidget>

int twipsToPixels(double twips, const QWidget *widget)
{
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return qRound(twips * dpi / 1440.0);
}
