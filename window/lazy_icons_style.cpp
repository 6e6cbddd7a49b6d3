#include "window/lazy_icons_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QStyleOption>
#include <QWidget>

namespace plonk {
namespace {

// A style's icon, asked of the style the first time it is drawn or measured.
class Icon_When_Drawn final : public QIconEngine {
public:
    Icon_When_Drawn(const QStyle* style, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : style_(style), which_(which), direction_(direction) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    // The style has a picture for each of the bars' buttons.
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new Icon_When_Drawn(*this); }
    QString key() const override { return QStringLiteral("Icon_When_Drawn"); }

private:
    const QIcon& Icon() {
        if (!read_) {
            read_ = true;
            QStyleOption option;
            option.direction = direction_;
            icon_ = style_->standardIcon(which_, &option, nullptr);
        }
        return icon_;
    }

    const QStyle* style_;
    QStyle::StandardPixmap which_;
    Qt::LayoutDirection direction_;
    bool read_ = false;
    QIcon icon_;
};

}  // namespace

QIcon Lazy_Icons_Style::standardIcon(StandardPixmap which, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(which, option, widget);
    // The arrows point the way the text runs.
    const Qt::LayoutDirection direction = option   ? option->direction
                                          : widget ? widget->layoutDirection()
                                                   : QGuiApplication::layoutDirection();
    return QIcon(new Icon_When_Drawn(baseStyle(), which, direction));
}

}  // namespace plonk
