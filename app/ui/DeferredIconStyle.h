#pragma once
// The application style, with the pictures of a few standard icons read only when first drawn.
//
// Qt's menu bar, tool bars and MDI windows ask the style for their extension-button and
// title-bar icons as they are created, and the style reads those pictures at once. Reading the
// first picture loads every image format plugin (ten libraries with their own dependencies)
// although none of these icons is on screen at start-up: the extension buttons appear only when
// a bar is too narrow, the title-bar icons in a window's system menu or beside a maximized
// editor. Everything else is the platform's default style unchanged.

#include <QProxyStyle>

namespace tsw::ui {

class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    DeferredIconStyle(); // around the platform's default style

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // The icons whose pictures wait until they are drawn.
    static bool isDeferred(StandardPixmap icon);
};

// Makes DeferredIconStyle the application style (once; before the first window is built).
void installDeferredIconStyle();

} // namespace tsw::ui
