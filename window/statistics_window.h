// The Statistics window: the totals kept over all games, the return to player, and
// the chart of the last hundred games. It follows the statistics as they change.
// "Reset statistics" forgets them all, after asking.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "stats/statistics_keeper.h"

class QLabel;

namespace plonk {

class Statistics_Chart;

class Statistics_Window : public QDialog {
public:
    // `confirm` asks the player whether to reset; true for yes.
    Statistics_Window(Statistics_Keeper& keeper, std::function<bool()> confirm, QWidget* parent);
    // Show the statistics as they are now.
    void Update();
    void Reset_Asked();

    Statistics_Chart* Chart() const { return chart_; }

private:
    Statistics_Keeper& keeper_;
    std::function<bool()> confirm_;
    std::vector<QLabel*> names_, values_;
    Statistics_Chart* chart_ = nullptr;
};

}  // namespace plonk
