#include "window/statistics_menu.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <memory>

#include "stats/statistics_file.h"
#include "window/game_frame.h"
#include "window/statistics_window.h"

namespace plonk {

namespace {

// Lives as long as the frame: the keeper saves what is left when it goes.
class Statistics_Hookup : public QObject {
public:
    Statistics_Hookup(Game_Frame& frame, std::string path)
        : QObject(&frame), frame_(frame), path_(std::move(path)) {}

    void Report(const Game_Event& e) { Keeper().Report(e); }

    void Show() {
        if (!window_) {
            window_ = new Statistics_Window(
                Keeper(),
                [this] {
                    return frame_.Face().Ask("Forget all the statistics kept so far?", "Reset statistics",
                                             "They cannot be brought back.", QMessageBox::No) == Answer::Yes;
                },
                &frame_);
            window_->setWindowFlag(Qt::Window);
        }
        window_->Update();
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

private:
    // The statistics file is read when they are first needed.
    Statistics_Keeper& Keeper() {
        if (!keeper_) {
            keeper_ = std::make_unique<Statistics_Keeper>(path_);
            keeper_->On_Change = [this] {
                if (window_ && window_->isVisible()) window_->Update();
            };
            // Told as a failed save of the settings is.
            keeper_->On_Save_Failure = [this](const std::string& reason) {
                frame_.Face().Message(
                    "The statistics could not be saved to \"" + keeper_->Path() + "\": " + reason + ".",
                    "Statistics");
            };
        }
        return *keeper_;
    }

    Game_Frame& frame_;
    std::string path_;
    std::unique_ptr<Statistics_Keeper> keeper_;
    QPointer<Statistics_Window> window_;
};

}  // namespace

void Add_Statistics(Game_Frame& frame, const std::string& settings_path) {
    auto* hookup = new Statistics_Hookup(frame, Statistics_Path_Beside(settings_path));
    frame.Face().Listen([hookup](const Game_Event& e) { hookup->Report(e); });

    // The item goes above the menu's first separator, with the game's other actions.
    QMenu* menu = frame.Game_Menu();
    auto* item = new QAction("&Statistics", menu);
    item->setObjectName("Menu_Statistics");
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QAction* before = nullptr;
    for (QAction* a : menu->actions())
        if (a->isSeparator()) {
            before = a;
            break;
        }
    menu->insertAction(before, item);
    QObject::connect(item, &QAction::triggered, hookup, [hookup] { hookup->Show(); });
}

}  // namespace plonk
