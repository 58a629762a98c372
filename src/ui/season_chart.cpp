#include "ui/season_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace velmoro {

namespace {

constexpr int kMargin = 64;

// The range both axes share: every point inside, on steps of .050.
std::pair<double, double> AxisRange(const std::vector<SeasonChart::Point>& points) {
    double low = 0.4, high = 0.6;
    for (const auto& p : points) {
        low = std::min({low, p.real, p.simulated});
        high = std::max({high, p.real, p.simulated});
    }
    return {std::floor(low * 20) / 20, std::ceil(high * 20) / 20};
}

}  // namespace

SeasonChart::SeasonChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(260, 260);
    setAccessibleName("Simulated against real winning percentage");
}

void SeasonChart::SetPoints(std::vector<Point> points) {
    points_ = std::move(points);
    update();
}

void SeasonChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QRectF plot(kMargin, 10, width() - kMargin - 12, height() - kMargin - 10);
    const auto range = AxisRange(points_);
    const double low = range.first, high = range.second;
    auto at = [&](double real, double simulated) {
        return QPointF(plot.left() + (real - low) / (high - low) * plot.width(),
                       plot.bottom() - (simulated - low) / (high - low) * plot.height());
    };
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(plot);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(at(low, low), at(high, high));
    painter.setPen(palette().color(QPalette::Text));
    for (double v = low; v <= high + 1e-9; v += 0.05) {
        const QString text = QString(".%1").arg(std::lround(v * 1000), 3, 10, QChar('0'));
        painter.drawText(QPointF(at(v, low).x() - 12, plot.bottom() + 16), text);
        painter.drawText(QPointF(plot.left() - 36, at(low, v).y() + 4), text);
    }
    painter.drawText(QRectF(plot.left(), height() - 18, plot.width(), 16), Qt::AlignCenter,
                     "Real winning percentage");
    painter.save();
    painter.translate(14, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -10, plot.height(), 16), Qt::AlignCenter,
                     "Simulated");
    painter.restore();
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.setPen(Qt::NoPen);
    for (const Point& p : points_)
        painter.drawEllipse(at(p.real, p.simulated), 4, 4);
}

}  // namespace velmoro
