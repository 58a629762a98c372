// A widget that shows one of the program's pictures (ui/pictures.h).
#pragma once

#include <functional>

#include <QRectF>
#include <QSize>
#include <QWidget>

class QPainter;

namespace velmoro {

using PictureFunction = std::function<void(QPainter&, const QRectF&)>;

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

}  // namespace velmoro
