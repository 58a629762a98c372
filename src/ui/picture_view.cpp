#include "ui/picture_view.h"

#include <QPainter>

#include "ui/pictures.h"

namespace velmoro {

PictureView::PictureView(PictureFunction paint, QSize preferred, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)), preferred_(preferred) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = FitAspect(QRectF(rect()), static_cast<qreal>(preferred_.width()) /
                                                      static_cast<qreal>(preferred_.height()));
    painter.setClipRect(area);
    paint_(painter, area);
}

}  // namespace velmoro
