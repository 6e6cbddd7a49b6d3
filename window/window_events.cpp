// The window's events, each handed to the machine through its table of events.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>

#include "machine/paid_row.h"
#include "window/main_window.h"
#include "window/space_key.h"

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

bool Main_Window::Players_Action(const std::string& event) { return plonk::Players_Action(event); }

bool Main_Window::Run(const std::string& event, const std::function<void()>& call) {
    if (ended_ || busy_) return false;
    busy_ = true;
    showed_steps_ = false;
    if (options_.On_Event) options_.On_Event(event);
    for (const auto& watch : run_watchers_) watch(event, false);
    // A flight inside this event paces its steps from its own first step, a frame
    // of the screen the window is on.
    pacer_.Set_Frame(Display_Frame(screen()));
    pacer_.Restart();
    try {
        call();
        pacer_.Finish();
    } catch (const std::exception& failure) {
        Stop_On_Failure(event, failure.what());
    } catch (...) {
        Stop_On_Failure(event, "an unknown error");
    }
    busy_ = false;
    Drop_Presses_Made_Meanwhile();
    if (!ended_) {
        Sync();
        Apply_Focus();
        for (const auto& watch : run_watchers_) watch(event, true);
    }
    return true;
}

void Main_Window::Stop_On_Failure(const std::string& event, const std::string& what) {
    // The failure is told, and the program ends as it does after a missing picture.
    Message("The game stopped: " + event + " failed: " + what + ".", "Plonk for Windows");
    if (!ended_) End(1);
}

bool Main_Window::Run_Event(const std::string& control, Event_Kind kind, Event_Args& args) {
    return Run(Event_Procedure(Window_Event{control.c_str(), kind, nullptr}),
               [&] { Fire(*m_, control, kind, args); });
}

bool Main_Window::Run_Event(const std::string& control, Event_Kind kind) {
    Event_Args args;
    return Run_Event(control, kind, args);
}

void Main_Window::Connect_Events() {
    for (const Window_Event& e : Window_Events()) {
        const std::string name = e.Control;
        if (e.Kind == Event_Kind::Timer) {
            QTimer* timer = name == "Timer1" ? &timer1_ : &timer2_;
            connect(timer, &QTimer::timeout, this, [this, name] { Run_Event(name, Event_Kind::Timer); });
        }
        if (e.Kind != Event_Kind::Click) continue;
        auto run = [this, name] { Run_Event(name, Event_Kind::Click); };
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
        Run_Event("Slider1", Event_Kind::Change);
    });

    // Every typed key, and the mouse on the controls with mouse events, pass here. A
    // held key (F1, F2) repeats without letting go in between.
    qApp->installEventFilter(this);
    Key_Repeat_Without_Release();
}

bool Main_Window::eventFilter(QObject* watched, QEvent* event) {
    // A key pressed again while it is down is its own repeat; noted also for the
    // presses that are dropped.
    // A key let go is no longer down wherever its release is delivered: the focus may
    // have moved since it was pressed.
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool let_go =
        event->type() == QEvent::KeyRelease && widget && (widget == this || isAncestorOf(widget));
    const bool repeat =
        key && (First_Receiver(watched) || let_go) && Key_Already_Down(*static_cast<QKeyEvent*>(event));
    if (Dropped_Press(watched, event)) return true;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return First_Receiver(watched) && Preview_Key(*static_cast<QKeyEvent*>(event), repeat);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return Mouse_On_Control(watched, event);
        default:
            return false;
    }
}

bool Main_Window::First_Receiver(QObject* watched) const {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || (w != this && !isAncestorOf(w))) return false;
    return w == (focusWidget() ? focusWidget() : this);
}

bool Main_Window::Preview_Key(const QKeyEvent& event, bool repeat) {
    // The key reaches the window's key handler before the control that has the focus,
    // once: only on its way to its first receiver. Alt combinations are menu keys.
    const QKeyEvent* key = &event;
    if (Held_Key(*key) || (repeat && Repeat_Dropped(*key))) return true;
    if (key->type() != QEvent::KeyPress || key->modifiers() & Qt::AltModifier) return false;
    bool consumed = false;
    for (const QChar ch : key->text()) {
        if (ch.unicode() == 0 || ch.unicode() > 255) continue;
        Event_Args args;
        args.Key = static_cast<Integer>(ch.unicode());
        Run("Form_KeyPress(" + std::to_string(args.Key) + ")",
            [this, &args] { Fire(*m_, "Form", Event_Kind::Key_Press, args); });
        // A handler that clears the key keeps it from the control.
        if (args.Key == 0) consumed = true;
    }
    return consumed;
}

bool Main_Window::Mouse_On_Control(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    auto named = widget ? widget_names_.find(widget) : widget_names_.end();
    if (named == widget_names_.end()) return false;
    const std::string& name = named->second;
    auto* mouse = static_cast<QMouseEvent*>(event);
    Event_Args args;
    // The machine counts in twips of the face at its own size, whatever the zoom.
    args.X = static_cast<float>(mouse->position().x() * kTwips_Per_Pixel / zoom_);
    args.Y = static_cast<float>(mouse->position().y() * kTwips_Per_Pixel / zoom_);
    args.Button = Button_Code(mouse->button());
    args.Shift = Shift_Code(mouse->modifiers());
    const bool release = event->type() == QEvent::MouseButtonRelease;

    // 1. A control that acts on the press (the held buttons) hears its release only
    //    after a press it heard; a disabled one hears neither.
    if (Has_Event(name, Event_Kind::Mouse_Down)) {
        if (!release) {
            if (!widget->isEnabled()) return false;
            mouse_down_[widget] = true;
            if (Run_Event(name, Event_Kind::Mouse_Down, args)) held_.insert(name);
        } else if (mouse_down_[widget]) {
            mouse_down_[widget] = false;
            held_.erase(name);
            Run_Event(name, Event_Kind::Mouse_Up, args);
        }
        return false;
    }
    // 2. Others hear every release (the slider's right-click menu).
    if (release && Has_Event(name, Event_Kind::Mouse_Up)) Run_Event(name, Event_Kind::Mouse_Up, args);
    return false;
}

void Main_Window::changeEvent(QEvent* event) {
    // The held buttons take no focus; a held button loses it when the window does.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        keys_down_.clear();
        const std::set<std::string> held = std::move(held_);
        held_.clear();
        for (const std::string& name : held)
            if (Has_Event(name, Event_Kind::Lost_Focus)) Run_Event(name, Event_Kind::Lost_Focus);
    }
    QWidget::changeEvent(event);
}

bool Main_Window::Close_Asked() {
    // 1. After the end the window simply closes.
    if (ended_) return true;
    // 2. The machine decides; it ends the program or cancels the close.
    Event_Args args;
    const bool ran = Run_Event("Form", Event_Kind::Query_Unload, args);
    return ran && (ended_ || args.Cancel == 0);
}

void Main_Window::closeEvent(QCloseEvent* event) {
    if (Close_Asked())
        event->accept();
    else
        event->ignore();
}

}  // namespace plonk
