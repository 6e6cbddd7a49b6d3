// The chart of the last games: each game's net result (points won less points spent)
// as a bar, green above the zero line and red below it, and the running balance over
// those games as a blue line. A hundred places, filled from the left.
#pragma once

#include <QWidget>
#include <deque>

#include "stats/statistics.h"

namespace plonk {

class Statistics_Chart : public QWidget {
public:
    explicit Statistics_Chart(QWidget* parent = nullptr);
    void Set_Games(const std::deque<Game_Record>& games);

    static inline const QColor kWin{0, 150, 0}, kLoss{200, 0, 0}, kBalance{0, 0, 200};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::deque<Game_Record> games_;
};

}  // namespace plonk
