// The window's widgets: one for every control on the window, kept in step with the
// control data.
#include "window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <thread>

#include "window/face_button.h"
#include "window/screen_widget.h"
#include "window/zoom_style.h"

namespace plonk {

namespace {

int Pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / Main_Window::kTwips_Per_Pixel));
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The caption fits its box: the font shrinks a pixel at a time from `size` until it
// does. A caption that fits at `size` keeps the font it inherits, measured once.
void Fit_Font(QWidget* w, const QString& text, int room, const QFontMetrics& inherited, int size) {
    const QString shown = QString(text).remove('&');
    if (inherited.horizontalAdvance(shown) <= room) {
        if (w->testAttribute(Qt::WA_SetFont)) w->setFont(QFont());
        return;
    }
    QFont font = w->font();
    for (--size; size > 7; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(shown) <= room) break;
    }
    font.setPixelSize(size);
    w->setFont(font);
}

}  // namespace

Step_Pacer::Duration Display_Frame(const QScreen* screen) {
    // A screen that gives no sensible rate is taken to show 60 frames a second.
    const double rate = screen ? screen->refreshRate() : 0.0;
    const double hz = rate >= 24.0 && rate <= 500.0 ? rate : 60.0;
    return std::chrono::nanoseconds(std::llround(1e9 / hz));
}

Main_Window::Main_Window(Window_Options options, QWidget* parent, Controls made)
    : QWidget(parent),
      options_(std::move(options)),
      pacer_({[] { return Step_Pacer::Clock::now(); },
              [](Step_Pacer::Time t) { std::this_thread::sleep_until(t); }, [this] { Show_Steps(); }},
             Display_Frame(nullptr)) {
    sound_ = options_.Sound ? std::move(options_.Sound) : Make_Sound_Output();

    setWindowTitle("Plonk for Windows");
    setFixedSize(kWidth, kHeight);
    QPalette classic = palette();
    classic.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    classic.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    // Greyed captions stay readable on the grey face.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        classic.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    setPalette(classic);
    // The face paints its own grey, also where it lies inside a frame whose holder
    // is black (around the face in full screen).
    setAutoFillBackground(true);
    QFont font = this->font();
    font.setPixelSize(kFont_Pixels);
    setFont(font);

    Listen([this](const Game_Event& e) {
        if (screen_) screen_->Follow(e);
    });
    Watch_Runs([this](const std::string& event, bool done) {
        if (screen_ && !done && Players_Action(event)) screen_->End_Marks();
    });
    if (made == Controls::With_Window) Make_Controls();
}

void Main_Window::Make_Controls() {
    if (controls_made_) return;
    controls_made_ = true;
    folder_ = Program_Folder();
    if (folder_.empty() || folder_.back() != '/') folder_ += '/';
    m_ = std::make_unique<Hoofdvenster>(*this, options_.Settings_Path);
    Build_Widgets();
    // The zoom also brings every widget up to date with its control.
    Set_Zoom(zoom_);
    Connect_Events();
}

Main_Window::~Main_Window() {
    qApp->removeEventFilter(this);
    for (const auto& [name, w] : widgets_) w->setStyle(nullptr);
    sound_->Close();
}

QWidget* Main_Window::Widget_For(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void Main_Window::Build_Widgets() {
    // Created in the machine's order, so the game buttons lie over the screen's
    // lower edge.
    for (Control* c : m_->All_Controls()) {
        if (!c->Container.empty()) continue;
        QWidget* w = Make_Widget(*c);
        if (!w) continue;
        w->setObjectName(Text(c->Name));
        w->setGeometry(Place(*c));
        widgets_[c->Name] = w;
        widget_names_[w] = c->Name;
    }

    // The caption-less focus keeper lies under the "&Close" button it overlaps, and
    // holding the focus between actions it shows no focus mark.
    if (QWidget* keeper = Widget_For(App_Part::Key_Sink)) {
        keeper->setProperty(Zoom_Style::kNo_Focus_Mark, true);
        if (QWidget* close = Widget_For("Knop_Sluiten")) keeper->stackUnder(close);
    }

    menu_ = new QMenu(Text(m_->dummie01.Caption), this);
    menu_->setObjectName("dummie01");
    for (Control* item : {&m_->Mnu_BallSpeedOffsetInc, &m_->Mnu_BallSpeedOffsetDec}) {
        QAction* a = menu_->addAction(Text(item->Caption));
        a->setObjectName(Text(item->Name));
        menu_items_[item->Name] = a;
    }
}

QWidget* Main_Window::Make_Widget(Control& c) {
    switch (c.Kind) {
        case Control_Kind::Picture_Box:
            screen_ = new Screen_Widget(*m_, pictures_, folder_, this);
            return screen_;
        case Control_Kind::Picture_Button: {
            auto* b = new Face_Button(this);
            b->setToolTip(Text(c.ToolTipText));
            return b;
        }
        case Control_Kind::Button: {
            auto* b = new QPushButton(Text(c.Caption), this);
            b->setFocusPolicy(Qt::StrongFocus);
            b->setAutoDefault(false);
            return b;
        }
        case Control_Kind::Check_Box: {
            return new QCheckBox(Text(c.Caption), this);
        }
        case Control_Kind::Slider: {
            auto* s = new QSlider(Qt::Horizontal, this);
            s->setSingleStep(1);
            s->setPageStep(5);
            s->setTickInterval(5);
            s->setTickPosition(QSlider::TicksBelow);
            return s;
        }
        case Control_Kind::Label: {
            auto* l = new QLabel(Text(c.Caption), this);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return l;
        }
        default:
            return nullptr;  // timers, the menu and the sound control have no widget
    }
}

void Main_Window::Sync() {
    syncing_ = true;
    for (const auto& [name, w] : widgets_) Sync_Widget(*m_->Find_Control(name), w);
    for (const auto& [name, a] : menu_items_) {
        const Control& item = *m_->Find_Control(name);
        a->setEnabled(item.Enabled);
        a->setVisible(item.Visible);
        a->setText(Text(item.Caption));
    }
    Sync_Timer(timer1_, m_->Timer1);
    Sync_Timer(timer2_, m_->Timer2);
    syncing_ = false;
}

QRect Main_Window::Face_Place(const Control& c) {
    return QRect(Pixels(c.Left), Pixels(c.Top), Pixels(c.Width), Pixels(c.Height));
}

QRect Main_Window::Place(const Control& c) const {
    const QRect p = Face_Place(c);
    return QRect(p.x() * zoom_, p.y() * zoom_, p.width() * zoom_, p.height() * zoom_);
}

void Main_Window::Fit_Captions() {
    // A check box keeps room for its tick box.
    const QFontMetrics inherited(font());
    for (const auto& [name, w] : widgets_) {
        const Control& c = *m_->Find_Control(name);
        const int room = Pixels(c.Width) * zoom_;
        if (auto* box = qobject_cast<QCheckBox*>(w))
            Fit_Font(box, box->text(), room - 20 * zoom_, inherited, kFont_Pixels * zoom_);
        else if (auto* label = qobject_cast<QLabel*>(w))
            Fit_Font(label, label->text(), room, inherited, kFont_Pixels * zoom_);
    }
}

void Main_Window::Set_Zoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, kMost_Full_Screen_Zoom);
    setFixedSize(kWidth * zoom_, kHeight * zoom_);
    QFont grown = font();
    grown.setPixelSize(kFont_Pixels * zoom_);
    setFont(grown);
    // Without its controls the face only takes its size: they are fitted as they are made.
    if (!controls_made_) return;
    Fit_Captions();
    screen_->Set_Zoom(zoom_);
    // The Qt controls measure themselves grown with the zoom. A style is let go only
    // once no control uses it.
    auto style = std::make_unique<Zoom_Style>(zoom_);
    for (const auto& [name, w] : widgets_) {
        if (auto* button = dynamic_cast<Face_Button*>(w))
            button->Set_Zoom(zoom_);
        else if (w != screen_)
            w->setStyle(style.get());
    }
    zoom_style_ = std::move(style);
    Sync();
}

void Main_Window::Sync_Widget(const Control& c, QWidget* w) {
    w->setGeometry(Place(c));
    w->setVisible(c.Visible);
    w->setEnabled(c.Enabled);
    const QString tip = Text(c.ToolTipText);
    if (w->toolTip() != tip) w->setToolTip(tip);
    switch (c.Kind) {
        case Control_Kind::Picture_Box:
            screen_->Update_Changes();
            break;
        case Control_Kind::Picture_Button: {
            const std::string file = c.Picture.empty() ? folder_ + c.Face : c.Picture;
            std::string& shown = shown_pictures_[w];
            if (shown != file) {
                shown = file;
                const QPixmap& face = pictures_.Get(file);
                auto* b = static_cast<QToolButton*>(w);
                b->setIcon(QIcon(face));
                b->setIconSize(face.size());
            }
            break;
        }
        case Control_Kind::Button:
            if (auto* b = static_cast<QPushButton*>(w); b->text() != Text(c.Caption))
                b->setText(Text(c.Caption));
            break;
        case Control_Kind::Check_Box:
            static_cast<QCheckBox*>(w)->setChecked(c.Value != 0);
            break;
        case Control_Kind::Slider: {
            auto* s = static_cast<QSlider*>(w);
            s->setRange(c.Min, c.Max);
            s->setValue(c.Value);
            break;
        }
        case Control_Kind::Label:
            if (auto* l = static_cast<QLabel*>(w); l->text() != Text(c.Caption)) l->setText(Text(c.Caption));
            break;
        default:
            break;
    }
}

void Main_Window::Sync_Timer(QTimer& timer, const Control& c) {
    // A running timer keeps its count unless its interval changed.
    if (c.Enabled && c.Interval > 0) {
        if (!timer.isActive() || timer.interval() != c.Interval) timer.start(c.Interval);
    } else if (timer.isActive()) {
        timer.stop();
    }
}

void Main_Window::Apply_Focus() {
    QWidget* w = Widget_For(m_->Focus);
    if (w && w->focusPolicy() != Qt::NoFocus && w->isVisible() && w->isEnabled())
        w->setFocus(Qt::OtherFocusReason);
}

int Main_Window::Start() {
    Make_Controls();
    // The window's own pictures are part of the program: one that cannot be loaded
    // ends it before the window is shown.
    if (!m_->Load_Faces()) return status_;
    // Shown with the frame it sits in, if any.
    window()->show();
    Run("Form_Load", [this] { m_->Form_Load(); });
    return ended_ ? status_ : -1;
}

}  // namespace plonk
