// The lineup windows' "Batting" and "Pitching" panels.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

class QLabel;

namespace velmoro {

// A framed panel of labelled values in two columns. Each value label is named
// "<title>:<label>" so tests can read it.
class StatsPanel : public QGroupBox {
  public:
    StatsPanel(const QString& title, const QStringList& labels, const QStringList& initial,
               int firstColumnRows, QWidget* parent = nullptr);

    template <std::size_t N>
    void SetValues(const std::array<std::string, N>& values) {
        for (std::size_t i = 0; i < N && i < values_.size(); ++i)
            SetValue(i, values[i]);
    }
    void ClearValues();
    QString Value(int index) const;

  private:
    void SetValue(std::size_t index, const std::string& text);

    std::vector<QLabel*> values_;
};

StatsPanel* MakeBattingPanel(QWidget* parent);
StatsPanel* MakePitchingPanel(QWidget* parent);

}  // namespace velmoro
