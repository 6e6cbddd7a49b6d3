// Presses made while the machine is busy (a flight, a count-up, a line move, a
// pause: an event that shows its steps one after another) are dropped, not kept for
// later: a real machine ignores the buttons pressed while its ball runs. Letting go is never dropped, so a
// held F1 or F2 is released and the mouse lets go of a button; the space bar is read from the keyboard during
// the flight and needs no event. A game key held down acts once: its own repeat is dropped too, but for the
// start speed's + and -.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>

#include "machine/key_table.h"
#include "window/main_window.h"

namespace plonk {

namespace {

// An event by which the player asks for something: a key or button pressed, the
// wheel turned, a shortcut about to fire.
bool Is_Press(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

}  // namespace

void Main_Window::Drop_Presses_Made_Meanwhile() {
    // What arrived while the event ran waits in the queue: it is taken out now, the
    // presses on the game's frame dropped and everything else handled as usual. Only
    // what is waiting already: a few passes, never a wait for more.
    if (ended_ || !showed_steps_) return;
    ++dropping_;
    QAbstractEventDispatcher* queue = QAbstractEventDispatcher::instance();
    for (int pass = 0; pass < 4 && queue && queue->processEvents(QEventLoop::AllEvents); ++pass) {
    }
    --dropping_;
}

bool Main_Window::Dropped_Press(QObject* watched, QEvent* event) {
    if (dropping_ == 0 || !Is_Press(event->type())) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != window()) return false;
    // A shortcut is kept from firing by taking its key as the widget's own; the key
    // itself is dropped next.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    return true;
}

bool Main_Window::Key_Already_Down(const QKeyEvent& key) {
    // The display may repeat a held key as presses alone, with no release between
    // them and not marked as repeats.
    if (key.type() == QEvent::KeyRelease) {
        if (!key.isAutoRepeat()) keys_down_.erase(key.key());
        return false;
    }
    return !keys_down_.insert(key.key()).second || key.isAutoRepeat();
}

bool Main_Window::Repeat_Dropped(const QKeyEvent& key) const {
    if (key.text().size() != 1) return false;
    char c = static_cast<char>(key.text()[0].toUpper().toLatin1());
    if (c == '+' || c == '-') return false;
    for (const Key_Use& use : Key_Uses(*m_))
        if (use.Key == c) return true;
    return false;
}

}  // namespace plonk
