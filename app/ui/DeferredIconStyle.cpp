#include "app/ui/DeferredIconStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

namespace tsw::ui {
namespace {

// Stands for the style's icon until the icon is first asked for a picture or its sizes; then
// asks the style and hands everything on to that icon.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget)
        : style_(style), widget_(const_cast<QWidget*>(widget)), which_(which) {
        if (option)
            option_ = *option;
        hasOption_ = option != nullptr;
    }

    QIconEngine* clone() const override {
        auto* copy =
            new DeferredIconEngine(style_, which_, hasOption_ ? &option_ : nullptr, widget_);
        copy->icon_ = icon_;
        copy->resolved_ = resolved_;
        return copy;
    }
    QString key() const override { return QStringLiteral("tswdeferred"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }

private:
    const QIcon& icon() {
        if (!resolved_) {
            resolved_ = true;
            QStyle* style = style_ ? style_.data() : QApplication::style();
            icon_ = style->standardIcon(which_, hasOption_ ? &option_ : nullptr, widget_);
        }
        return icon_;
    }

    QPointer<QStyle> style_;   // the style that would have made the icon
    QPointer<QWidget> widget_; // the widget that asked, while it lives
    QStyle::StandardPixmap which_;
    QStyleOption option_; // a copy of the plain option the widget gave, if any
    bool hasOption_ = false;
    QIcon icon_;
    bool resolved_ = false;
};

} // namespace

DeferredIconStyle::DeferredIconStyle() = default;

bool DeferredIconStyle::isDeferred(StandardPixmap icon) {
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton:
    case SP_TitleBarMenuButton:
    case SP_TitleBarMinButton:
    case SP_TitleBarMaxButton:
    case SP_TitleBarCloseButton:
    case SP_TitleBarNormalButton:
    case SP_TitleBarShadeButton:
    case SP_TitleBarUnshadeButton:
    case SP_TitleBarContextHelpButton:
        return true;
    default:
        return false;
    }
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    // Only a plain option can be kept for later (the tool bars pass one).
    if (!isDeferred(icon) || (option && option->type != QStyleOption::SO_Default))
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredIconEngine(baseStyle(), icon, option, widget));
}

void installDeferredIconStyle() {
    static bool installed = false; // asking for the current style would build the default one
    if (installed)
        return;
    installed = true;
    QApplication::setStyle(new DeferredIconStyle);
}

} // namespace tsw::ui
