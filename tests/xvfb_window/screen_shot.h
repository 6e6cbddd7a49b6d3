// Screenshots of the real X display while the window runs, and places on it.
#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdlib>
#include <string>

#include "window/main_window.h"
#include "window/screen_widget.h"

// The X11 headers define macros that clash with Qt's names: they come last.
#include <X11/Xlib.h>

namespace plonk::test {

// Where the screenshots are kept.
inline std::string Shot_Path(const std::string& name) {
    const std::string dir = PLONK_SHOTS;
    std::system(("mkdir -p '" + dir + "'").c_str());
    return dir + "/" + name;
}

// Everything the window asked of the X server is done, then the whole display is
// saved as `name` and read back; a null image when the grab failed.
inline QImage Grab_Display(const std::string& name) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->display()) XSync(x11->display(), False);
    const std::string path = Shot_Path(name);
    if (std::system(("import -window root '" + path + "'").c_str()) != 0) return {};
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

// A child of the game screen (pixel coordinates) as a rectangle on the display.
inline QRect On_Display(Main_Window& w, const Control& c) {
    const QPoint origin = w.Screen()->mapToGlobal(QPoint(Screen_Widget::kBorder, Screen_Widget::kBorder));
    return QRect(origin.x() + c.Left, origin.y() + c.Top, c.Width, c.Height);
}

// Whether a picture file appears exactly at `place` on the image; its transparent
// pixels show whatever lies beneath and are not compared.
inline bool Shows_Picture(const QImage& shot, const QRect& place, const std::string& file) {
    const QImage picture = QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull() || picture.size() != place.size()) return false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb want = picture.pixel(x, y);
            if (qAlpha(want) != 255) continue;
            if ((shot.pixel(place.x() + x, place.y() + y) & 0xFFFFFF) != (want & 0xFFFFFF)) return false;
        }
    }
    return true;
}

}  // namespace plonk::test
