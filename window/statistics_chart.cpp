#include "window/statistics_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace plonk {

Statistics_Chart::Statistics_Chart(QWidget* parent) : QWidget(parent) {
    setObjectName("Statistics_Chart");
    setMinimumSize(460, 200);
}

void Statistics_Chart::Set_Games(const std::deque<Game_Record>& games) {
    games_ = games;
    update();
}

void Statistics_Chart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (games_.empty()) {
        p.drawText(rect(), Qt::AlignCenter, "No games played yet");
        return;
    }
    // 1. The running balance after each game, and the range of all values with 0.
    std::vector<int64_t> balance;
    int64_t sum = 0, low = 0, high = 0;
    for (const Game_Record& g : games_) {
        sum += g.Net();
        balance.push_back(sum);
        low = std::min({low, g.Net(), sum});
        high = std::max({high, g.Net(), sum});
    }
    if (high == low) high = low + 1;
    // 2. The plot area, right of the scale's numbers.
    const QFontMetrics metrics(font());
    const int left = 8 + std::max(metrics.horizontalAdvance(QString::number(high)),
                                  metrics.horizontalAdvance(QString::number(low)));
    const QRectF area(left + 4, 8, width() - left - 12, height() - 16);
    auto y_of = [&](int64_t v) {
        return area.top() + static_cast<double>(high - v) * area.height() / static_cast<double>(high - low);
    };
    const double slot = area.width() / static_cast<double>(Games_Kept);
    auto x_of = [&](size_t i) { return area.left() + slot * (static_cast<double>(i) + 0.5); };
    // 3. The scale: the highest and lowest values and the zero line.
    p.setPen(Qt::black);
    p.drawText(QRectF(0, y_of(high) - 8, left, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(high));
    p.drawText(QRectF(0, y_of(low) - 8, left, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(low));
    if (low < 0 && high > 0)
        p.drawText(QRectF(0, y_of(0) - 8, left, 16), Qt::AlignRight | Qt::AlignVCenter, "0");
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawLine(QPointF(area.left(), y_of(0)), QPointF(area.right(), y_of(0)));
    // 4. A bar for each game's net result.
    const double bar = std::max(1.0, slot * 0.7);
    for (size_t i = 0; i < games_.size(); ++i) {
        const int64_t net = games_[i].Net();
        const double top = y_of(std::max<int64_t>(net, 0)), bottom = y_of(std::min<int64_t>(net, 0));
        p.fillRect(QRectF(x_of(i) - bar / 2, top, bar, std::max(1.0, bottom - top)), net >= 0 ? kWin : kLoss);
    }
    // 5. The running balance as a line through the games' middles.
    QPainterPath line;
    for (size_t i = 0; i < balance.size(); ++i) {
        const QPointF at(x_of(i), y_of(balance[i]));
        if (i == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
    }
    p.setPen(QPen(kBalance, 2));
    p.drawPath(line);
    if (balance.size() == 1) p.drawEllipse(QPointF(x_of(0), y_of(balance[0])), 2, 2);
}

}  // namespace plonk
