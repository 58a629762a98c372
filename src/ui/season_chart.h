// Simulated against real winning percentage, one dot per team, with the line on which a
// replay that matched the real season would put every dot.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace velmoro {

class SeasonChart : public QWidget {
  public:
    struct Point {
        double real = 0;
        double simulated = 0;
        QString label;
    };

    explicit SeasonChart(QWidget* parent = nullptr);
    void SetPoints(std::vector<Point> points);
    const std::vector<Point>& Points() const { return points_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Point> points_;
};

}  // namespace velmoro
