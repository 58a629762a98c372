// The play screen's diamond.
#pragma once

#include <functional>

#include "ui/picture_view.h"

namespace velmoro {

// The diamond with its occupied bases. It reads the bases when it paints, so a repaint
// requested in the middle of a turn shows the bases as the turn left them.
class DiamondView : public PictureView {
  public:
    explicit DiamondView(std::function<int()> bases, QWidget* parent = nullptr);
    int Bases() const { return bases_() & 7; }

  private:
    std::function<int()> bases_;
};

}  // namespace velmoro
