#include "ui/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include "db/captions.h"

namespace velmoro {
namespace {

const QColor kGrass(46, 125, 50);
const QColor kDarkGrass(27, 94, 32);
const QColor kDirt(188, 140, 90);
const QColor kChalk(250, 250, 245);
const QColor kRunner(220, 20, 20);

QPolygonF Square(QPointF centre, qreal half) {
    return QPolygonF({centre + QPointF(0, -half), centre + QPointF(half, 0),
                      centre + QPointF(0, half), centre + QPointF(-half, 0)});
}

void PaintBase(QPainter& painter, QPointF centre, qreal half, bool occupied) {
    painter.setPen(QPen(occupied ? QColor(120, 0, 0) : QColor(90, 90, 90), half * 0.18));
    painter.setBrush(occupied ? kRunner : kChalk);
    painter.drawPolygon(Square(centre, occupied ? half * 1.45 : half));
}

void PaintBall(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient shade(centre - QPointF(radius, radius) * 0.35, radius * 1.4);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(205, 200, 190));
    painter.setPen(QPen(QColor(120, 120, 120), radius * 0.05));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    // Two seams curving in from the sides, with their stitches.
    painter.setPen(QPen(QColor(200, 30, 30), radius * 0.07, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        QRectF arc(centre.x() + side * radius * 0.55 - radius * 0.8, centre.y() - radius * 0.8,
                   radius * 1.6, radius * 1.6);
        painter.drawArc(arc, side < 0 ? -60 * 16 : 120 * 16, 120 * 16);
    }
}

}  // namespace

QRectF FitAspect(const QRectF& area, qreal aspect) {
    QSizeF size(area.width(), area.width() / aspect);
    if (size.height() > area.height()) size = QSizeF(area.height() * aspect, area.height());
    QRectF fitted(QPointF(), size);
    fitted.moveCenter(area.center());
    return fitted;
}

void PaintDiamond(QPainter& painter, const QRectF& area, int bases) {
    painter.fillRect(area, kGrass);
    const QRectF field = FitAspect(area, 174.0 / 139.0);
    const QPointF home(field.center().x(), field.bottom() - field.height() * 0.12);
    const qreal reach = field.height() * 0.36;
    const QPointF first = home + QPointF(reach, -reach);
    const QPointF second = home + QPointF(0, -2 * reach);
    const QPointF third = home + QPointF(-reach, -reach);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDirt);
    painter.drawPolygon(Square(home + QPointF(0, -reach), reach * 1.2));
    painter.setBrush(kGrass.lighter(110));
    painter.drawPolygon(Square(home + QPointF(0, -reach), reach * 0.78));
    painter.setPen(QPen(kChalk, field.height() * 0.012));
    painter.drawLine(home, home + QPointF(reach * 1.5, -reach * 1.5));
    painter.drawLine(home, home + QPointF(-reach * 1.5, -reach * 1.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDirt);
    painter.drawEllipse(home + QPointF(0, -reach), reach * 0.14, reach * 0.14);

    const qreal half = field.height() * 0.045;
    PaintBase(painter, first, half, bases & 1);
    PaintBase(painter, second, half, bases & 2);
    PaintBase(painter, third, half, bases & 4);
    painter.setPen(QPen(QColor(90, 90, 90), half * 0.18));
    painter.setBrush(kChalk);
    painter.drawPolygon(
        QPolygonF({home + QPointF(-half, -half), home + QPointF(half, -half),
                   home + QPointF(half, 0), home + QPointF(0, half), home + QPointF(-half, 0)}));
}

void PaintBaseballScene(QPainter& painter, const QRectF& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(25, 45, 110));
    sky.setColorAt(1, QColor(240, 150, 80));
    painter.fillRect(area, sky);
    QRectF grass(area.left(), area.top() + area.height() * 0.7, area.width(), area.height() * 0.3);
    painter.fillRect(grass, kDarkGrass);
    const qreal radius = area.height() * 0.3;
    PaintBall(painter,
              QPointF(area.left() + area.width() * 0.62, area.top() + area.height() * 0.45),
              radius);
    painter.setPen(QPen(QColor(255, 255, 255, 120), radius * 0.08, Qt::DashLine));
    const qreal y = area.top() + area.height() * 0.45;
    painter.drawLine(QPointF(area.left() + area.width() * 0.08, y + radius * 0.6),
                     QPointF(area.left() + area.width() * 0.62 - radius * 1.2, y + radius * 0.1));
}

void PaintBatAndBall(QPainter& painter, const QRectF& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, QColor(196, 196, 196));
    const QRectF box = FitAspect(area, 1.0);
    const qreal s = box.width();
    painter.save();
    painter.translate(box.center());
    painter.rotate(-40);
    QPainterPath bat;
    bat.moveTo(-0.45 * s, -0.025 * s);
    bat.cubicTo(-0.1 * s, -0.03 * s, 0.1 * s, -0.075 * s, 0.42 * s, -0.07 * s);
    bat.quadTo(0.46 * s, 0, 0.42 * s, 0.07 * s);
    bat.cubicTo(0.1 * s, 0.075 * s, -0.1 * s, 0.03 * s, -0.45 * s, 0.025 * s);
    bat.closeSubpath();
    QLinearGradient wood(0, -0.07 * s, 0, 0.07 * s);
    wood.setColorAt(0, QColor(222, 184, 135));
    wood.setColorAt(1, QColor(150, 100, 55));
    painter.setPen(QPen(QColor(100, 60, 30), s * 0.008));
    painter.setBrush(wood);
    painter.drawPath(bat);
    painter.setBrush(QColor(100, 60, 30));
    painter.drawEllipse(QPointF(-0.46 * s, 0), 0.018 * s, 0.045 * s);
    painter.restore();
    PaintBall(painter, box.center() + QPointF(0.18 * s, 0.2 * s), 0.14 * s);
}

void PaintBallpark(QPainter& painter, const QRectF& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(area.topLeft(), area.bottomLeft());
    night.setColorAt(0, QColor(10, 20, 60));
    night.setColorAt(0.55, QColor(40, 60, 120));
    night.setColorAt(0.56, kDarkGrass);
    night.setColorAt(1, kGrass);
    painter.fillRect(area, night);
    const qreal w = area.width();
    const qreal h = area.height();
    // Light towers left and right.
    for (qreal x : {0.1, 0.9}) {
        const QPointF top(area.left() + w * x, area.top() + h * 0.12);
        painter.setPen(QPen(QColor(160, 160, 170), w * 0.006));
        painter.drawLine(top, QPointF(top.x(), area.top() + h * 0.56));
        QRadialGradient glow(top, h * 0.16);
        glow.setColorAt(0, QColor(255, 255, 220, 230));
        glow.setColorAt(1, QColor(255, 255, 220, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(top, h * 0.16, h * 0.16);
    }
    // The infield from behind home plate.
    painter.setBrush(kDirt);
    QPolygonF infield({QPointF(area.left() + w * 0.5, area.top() + h * 0.62),
                       QPointF(area.left() + w * 0.8, area.top() + h * 0.8),
                       QPointF(area.left() + w * 0.5, area.bottom() - h * 0.02),
                       QPointF(area.left() + w * 0.2, area.top() + h * 0.8)});
    painter.drawPolygon(infield);
    painter.setBrush(kGrass.lighter(110));
    QPolygonF lawn({QPointF(area.left() + w * 0.5, area.top() + h * 0.68),
                    QPointF(area.left() + w * 0.7, area.top() + h * 0.8),
                    QPointF(area.left() + w * 0.5, area.bottom() - h * 0.09),
                    QPointF(area.left() + w * 0.3, area.top() + h * 0.8)});
    painter.drawPolygon(lawn);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(8, static_cast<int>(h * 0.14)));
    painter.setFont(font);
    painter.setPen(QColor(255, 230, 120));
    painter.drawText(QRectF(area.left(), area.top() + h * 0.22, w, h * 0.2), Qt::AlignCenter,
                     kCaption);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintBall(painter, QPointF(size / 2.0, size / 2.0), size * 0.46);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace velmoro
