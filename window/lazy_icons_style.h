// The application's style, as the desktop chose it, with one difference: the icon
// of a bar's "more" button is read when it is first drawn, not when the bar is
// made. A menu bar makes that button (hidden until its menus overflow) as it is
// made, and reading its icon loads every image reader the system has; the window
// makes its menu bar before it is shown, and so is on the screen that much sooner.
#pragma once

#include <QProxyStyle>

namespace plonk {

class Lazy_Icons_Style : public QProxyStyle {
public:
    // On the desktop's style, or on `base` (which it then owns).
    explicit Lazy_Icons_Style(QStyle* base = nullptr) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace plonk
