// Draws the application icon: a sheet of the form with the emblem and three ruled lines,
// and the emblem alone at the smallest sizes, where the sheet's lines would be a blur.
// packaging/form337.svg is the same drawing for the scalable icon; keep the two alike.
//
//     render_icon FOLDER    writes FOLDER/<N>x<N>/apps/form337.png for every icon size

#include "print/Emblem.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr double kCanvas = 256.0;  // the drawing's own units, as in the SVG's viewBox

void paintSheet(QPainter &p)
{
    QPainterPath sheet;
    sheet.addRoundedRect(QRectF(40, 12, 176, 232), 10, 10);
    p.setPen(QPen(QColor(0x44, 0x54, 0x6a), 6));
    p.fillPath(sheet, Qt::white);
    p.drawPath(sheet);
    p.setPen(QPen(QColor(0x7d, 0x8e, 0xa6), 8, Qt::SolidLine, Qt::RoundCap));
    for (double y : {168.0, 190.0, 212.0})
        p.drawLine(QPointF(68, y), QPointF(188, y));
    Emblem::paint(p, QRectF(72, 32, 112, 112));
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (size < 32) {
        Emblem::paint(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    } else {
        p.scale(size / kCanvas, size / kCanvas);
        paintSheet(p);
    }
    return image;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: render_icon FOLDER\n", stderr);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + QStringLiteral("/form337.png");
        if (!QDir().mkpath(folder) || !icon(size).save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
