#include "dialogs/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace dialogs {
namespace {

QPixmap TransparentPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap InformationPicture()
{
    QPixmap pixmap = TransparentPixmap(40);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // The bubble: a rounded body with a tail at its lower left.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2.5, 2.5, 35, 27), 9, 9);
    QPainterPath tail;
    tail.moveTo(9, 27);
    tail.lineTo(7, 37.5);
    tail.lineTo(19, 28);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    painter.setPen(QPen(QColor(90, 110, 140), 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(bubble);

    // The letter: a dot above a stem with a foot.
    const QColor blue(30, 80, 200);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawEllipse(QPointF(20, 9.5), 2.6, 2.6);
    painter.drawRoundedRect(QRectF(18, 14, 4.2, 11), 1, 1);
    painter.drawRect(QRectF(16, 23.5, 8.5, 2));
    painter.drawRect(QRectF(16, 14, 3, 2));
    return pixmap;
}

QPixmap ErrorPicture()
{
    QPixmap pixmap = TransparentPixmap(40);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient red(QPointF(15, 13), 22);
    red.setColorAt(0, QColor(250, 90, 80));
    red.setColorAt(1, QColor(190, 20, 20));
    painter.setPen(QPen(QColor(140, 10, 10), 1.2));
    painter.setBrush(red);
    painter.drawEllipse(QRectF(2.5, 2.5, 35, 35));

    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, 13), QPointF(27, 27));
    painter.drawLine(QPointF(27, 13), QPointF(13, 27));
    return pixmap;
}

QIcon ProgramIcon()
{
    // A relay switch: a blue plate with a contact lever open over two
    // terminals.
    QPixmap pixmap = TransparentPixmap(48);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient plate(0, 0, 0, 48);
    plate.setColorAt(0, QColor(70, 130, 210));
    plate.setColorAt(1, QColor(30, 70, 150));
    painter.setPen(QPen(QColor(20, 45, 100), 1.5));
    painter.setBrush(plate);
    painter.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);

    painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 32), QPointF(16, 32));
    painter.drawLine(QPointF(16, 32), QPointF(31, 20));
    painter.drawLine(QPointF(32, 32), QPointF(40, 32));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 32), 3.5, 3.5);
    painter.drawEllipse(QPointF(32, 32), 3.5, 3.5);
    painter.setBrush(QColor(255, 210, 60));
    painter.drawEllipse(QPointF(37, 13), 4, 4);
    return QIcon(pixmap);
}

} // namespace dialogs
