// The program's pictures, drawn with QPainter so they stay sharp at any size and
// screen density: the base diamond, the play screen's baseball, the main window's two
// pictures and the program icon.
#pragma once

#include <functional>

#include <QIcon>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace velmoro {

using PictureFunction = std::function<void(QPainter&, const QRectF&)>;

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

// A picture that redraws itself at the size it is given, keeping its aspect ratio.
class PictureView : public QWidget {
  public:
    PictureView(PictureFunction paint, QSize preferred, QWidget* parent = nullptr);
    QSize sizeHint() const override { return preferred_; }
    QSize minimumSizeHint() const override { return preferred_ / 2; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PictureFunction paint_;
    QSize preferred_;
};

// The play screen's diamond. It reads the bases when it paints, so a repaint requested
// in the middle of a turn shows the bases as the turn left them.
class DiamondView : public PictureView {
  public:
    explicit DiamondView(std::function<int()> bases, QWidget* parent = nullptr);
    int Bases() const { return bases_() & 7; }

  private:
    std::function<int()> bases_;
};

}  // namespace velmoro
