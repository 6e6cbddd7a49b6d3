#include "window/statistics_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "stats/statistics_text.h"
#include "window/statistics_chart.h"

namespace plonk {

Statistics_Window::Statistics_Window(Statistics_Keeper& keeper, std::function<bool()> confirm,
                                     QWidget* parent)
    : QDialog(parent), keeper_(keeper), confirm_(std::move(confirm)) {
    setObjectName("Statistics_Window");
    setWindowTitle("Statistics");
    auto* layout = new QVBoxLayout(this);

    // 1. The totals in two columns of name and value: the points on the left, the
    //    games' chances on the right.
    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(12);
    const std::vector<Statistics_Row> rows = Statistics_Rows(keeper_.Data());
    const size_t left_rows = (rows.size() + 1) / 2;
    for (size_t i = 0; i < rows.size(); ++i) {
        auto* name = new QLabel(this);
        auto* value = new QLabel(this);
        value->setObjectName(QString("Statistics_Value_%1").arg(i));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int row = static_cast<int>(i % left_rows), column = i < left_rows ? 0 : 3;
        totals->addWidget(name, row, column);
        totals->addWidget(value, row, column + 1);
        names_.push_back(name);
        values_.push_back(value);
    }
    totals->setColumnMinimumWidth(2, 24);
    layout->addLayout(totals);

    // 2. The chart, with its key.
    auto* title =
        new QLabel("The last 100 games: each game's net result (bars) and the running balance (line)", this);
    layout->addWidget(title);
    chart_ = new Statistics_Chart(this);
    layout->addWidget(chart_, 1);

    // 3. Reset and close.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* reset = buttons->addButton("Reset statistics", QDialogButtonBox::ResetRole);
    reset->setObjectName("Reset_Statistics");
    connect(reset, &QPushButton::clicked, this, &Statistics_Window::Reset_Asked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    // No button is the default: Return does nothing here, so it never resets by
    // accident, and the focus starts on "Close".
    for (QAbstractButton* b : buttons->buttons()) {
        auto* push = qobject_cast<QPushButton*>(b);
        push->setAutoDefault(false);
        push->setDefault(false);
    }
    buttons->button(QDialogButtonBox::Close)->setFocus();
    Update();
}

void Statistics_Window::Update() {
    const Statistics& s = keeper_.Data();
    const std::vector<Statistics_Row> rows = Statistics_Rows(s);
    for (size_t i = 0; i < rows.size() && i < values_.size(); ++i) {
        const bool part = rows[i].Name.rfind("  ", 0) == 0;
        names_[i]->setText(QString::fromStdString(part ? rows[i].Name.substr(2) : rows[i].Name));
        names_[i]->setIndent(part ? 14 : 0);
        values_[i]->setText(QString::fromStdString(rows[i].Value));
    }
    chart_->Set_Games(s.Last_Games);
}

void Statistics_Window::Reset_Asked() {
    if (confirm_ && !confirm_()) return;
    keeper_.Reset();
    Update();
}

}  // namespace plonk
