// The lineup windows' "Starters" panel.
#pragma once

#include <QGroupBox>
#include <array>

#include "db/records.h"

class QLabel;

namespace velmoro {

// One row per defence slot, P to DH; rows are named "Starters:P" ... "Starters:DH".
class StartersPanel : public QGroupBox {
  public:
    explicit StartersPanel(QWidget* parent = nullptr);

    // Names of the filled slots; the DH row reads "Not Applicable" in a game without
    // the designated hitter and is blank while a designated hitter is still to come.
    void Show(const std::array<PlayerRecord*, 10>& defense, bool designatedHitter);
    QString Row(int slot) const;

  private:
    std::array<QLabel*, 10> rows_{};
};

}  // namespace velmoro
