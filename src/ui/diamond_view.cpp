#include "ui/diamond_view.h"

#include "ui/pictures.h"

namespace velmoro {

DiamondView::DiamondView(std::function<int()> bases, QWidget* parent)
    : PictureView([this](QPainter& p, const QRectF& area) { PaintDiamond(p, area, Bases()); },
                  QSize(174, 139), parent),
      bases_(std::move(bases)) {
    setAccessibleName("Bases");
}

}  // namespace velmoro
