// The window's events, each handed to the machine as the procedure of that name.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>
#include <iostream>

#include "window/main_window.h"

namespace plonk {

namespace {

// The mouse button and shift state as the machine counts them.
int Button_Code(Qt::MouseButton b) {
    return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0;
}
int Shift_Code(Qt::KeyboardModifiers k) {
    return (k & Qt::ShiftModifier ? 1 : 0) | (k & Qt::ControlModifier ? 2 : 0) |
           (k & Qt::AltModifier ? 4 : 0);
}

}  // namespace

bool Main_Window::Run(const std::string& event, const std::function<void()>& call) {
    if (ended_ || busy_) return false;
    busy_ = true;
    if (options_.On_Event) options_.On_Event(event);
    try {
        call();
    } catch (const Program_End& end) {
        if (!ended_) End(end.Status);
    } catch (const Not_Built_Yet& missing) {
        if (not_built_.insert(missing.Procedure).second)
            std::cerr << "plonk: " << missing.Procedure << " is not built yet\n";
    } catch (const std::exception& e) {
        // Nothing the machine does should throw anything else; if it does, the player
        // is told and the game ends rather than going on in an unknown state.
        std::cerr << "plonk: " << event << ": " << e.what() << '\n';
        Message(std::string("The game stopped: ") + e.what(), "Plonk for Windows");
        if (!ended_) End(2);
    }
    busy_ = false;
    if (!ended_) {
        Sync();
        Apply_Focus();
    }
    return true;
}

void Main_Window::Connect_Events() {
    for (const std::string& name : Hoofdvenster::Clickable_Controls()) {
        const std::string event = name + "_Click";
        auto run = [this, event, name] { Run(event, [this, name] { m_->Click(name); }); };
        if (auto it = menu_items_.find(name); it != menu_items_.end()) {
            connect(it->second, &QAction::triggered, this, run);
        } else if (auto* box = qobject_cast<QCheckBox*>(Widget_For(name))) {
            // A tick by the player: the box's value first, then its click.
            Control* c = m_->Find_Control(name);
            connect(box, &QCheckBox::clicked, this, [c, run](bool checked) {
                c->Value = checked ? 1 : 0;
                run();
            });
        } else if (auto* button = qobject_cast<QAbstractButton*>(Widget_For(name))) {
            connect(button, &QAbstractButton::clicked, this, run);
        }
    }

    auto* slider = static_cast<QSlider*>(Widget_For("Slider1"));
    connect(slider, &QSlider::valueChanged, this, [this](int value) {
        if (syncing_ || value == m_->Slider1.Value) return;
        m_->Slider1.Value = value;
        Run("Slider1_Change", [this] { m_->Slider1_Change(); });
    });

    connect(&timer1_, &QTimer::timeout, this,
            [this] { Run("Timer1_Timer", [this] { m_->Timer1_Timer(); }); });
    connect(&timer2_, &QTimer::timeout, this,
            [this] { Run("Timer2_Timer", [this] { m_->Timer2_Timer(); }); });

    // Every typed key, and the mouse on the held buttons and the slider, pass here.
    qApp->installEventFilter(this);
}

bool Main_Window::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return Preview_Key(watched, event);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return Mouse_On_Held_Button(watched, event);
        default:
            return false;
    }
}

bool Main_Window::Preview_Key(QObject* watched, QEvent* event) {
    // The key reaches the window's key handler before the control that has the focus,
    // once: only on its way to its first receiver. Alt combinations are menu keys.
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this) return false;
    QWidget* first = focusWidget() ? focusWidget() : this;
    if (w != first) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::AltModifier) return false;
    bool consumed = false;
    for (const QChar ch : key->text()) {
        if (ch.unicode() == 0 || ch.unicode() > 255) continue;
        Integer ascii = static_cast<Integer>(ch.unicode());
        Run("Form_KeyPress(" + std::to_string(ascii) + ")", [this, &ascii] { m_->Form_KeyPress(ascii); });
        // A handler that clears the key keeps it from the control.
        if (ascii == 0) consumed = true;
    }
    return consumed;
}

bool Main_Window::Mouse_On_Held_Button(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const float x = static_cast<float>(mouse->position().x() * kTwips_Per_Pixel);
    const float y = static_cast<float>(mouse->position().y() * kTwips_Per_Pixel);
    const int button = Button_Code(mouse->button());
    const int shift = Shift_Code(mouse->modifiers());
    const bool release = event->type() == QEvent::MouseButtonRelease;

    if (watched == Widget_For("Slider1") && release) {
        Run("Slider1_MouseUp", [&] { m_->Slider1_MouseUp(button, shift, x, y); });
        return false;
    }
    const bool f1 = watched == Widget_For("Knop_F1");
    if (!f1 && watched != Widget_For("Knop_F2")) return false;
    // Knop_F1 and Knop_F2 act on the press and stop on the release; a disabled
    // button hears neither.
    if (!release) {
        if (!static_cast<QWidget*>(watched)->isEnabled()) return false;
        mouse_down_[watched] = true;
        if (f1)
            Run("Knop_F1_MouseDown", [&] { m_->Knop_F1_MouseDown(button, shift, x, y); });
        else
            Run("Knop_F2_MouseDown", [&] { m_->Knop_F2_MouseDown(button, shift, x, y); });
    } else if (mouse_down_[watched]) {
        mouse_down_[watched] = false;
        if (f1)
            Run("Knop_F1_MouseUp", [&] { m_->Knop_F1_MouseUp(button, shift, x, y); });
        else
            Run("Knop_F2_MouseUp", [&] { m_->Knop_F2_MouseUp(button, shift, x, y); });
    }
    return false;
}

void Main_Window::changeEvent(QEvent* event) {
    // The held buttons take no focus; a held button loses it when the window does.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        if (m_->F1_Held) Run("Knop_F1_LostFocus", [this] { m_->Knop_F1_LostFocus(); });
        if (m_->F2_Held) Run("Knop_F2_LostFocus", [this] { m_->Knop_F2_LostFocus(); });
    }
    QWidget::changeEvent(event);
}

void Main_Window::closeEvent(QCloseEvent* event) {
    // 1. After the end the window simply closes.
    if (ended_) {
        event->accept();
        return;
    }
    // 2. The machine decides; it ends the program or cancels the close.
    Integer cancel = 0;
    const bool ran = Run("Form_QueryUnload", [this, &cancel] { m_->Form_QueryUnload(cancel, 0); });
    if (!ran || (!ended_ && cancel != 0))
        event->ignore();
    else
        event->accept();
}

}  // namespace plonk
