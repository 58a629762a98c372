// The program's pictures, drawn with QPainter so they stay sharp at any size and
// screen density: the base diamond, the play screen's baseball, the main window's two
// pictures and the program icon.
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace velmoro {

// The largest rectangle of the given aspect ratio (width over height) centred in `area`.
QRectF FitAspect(const QRectF& area, qreal aspect);

// The diamond on green with the occupied bases of `bases` (1 first, 2 second, 4 third)
// in red and drawn larger, the empty ones white.
void PaintDiamond(QPainter& painter, const QRectF& area, int bases);
// A baseball in the evening sky over the outfield grass.
void PaintBaseballScene(QPainter& painter, const QRectF& area);
// The main window's left picture: a bat crossed over a ball.
void PaintBatAndBall(QPainter& painter, const QRectF& area);
// The main window's right picture: the ballpark under lights with the program's name.
void PaintBallpark(QPainter& painter, const QRectF& area);

QIcon ProgramIcon();

}  // namespace velmoro
