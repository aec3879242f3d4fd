#pragma once
// The MDI client area of the main window with its background, settings section "MDIClient":
//   "BkColor"     integer colour 0x00BBGGRR (default: the style's workspace colour)
//   "FileName"    a picture file (default empty: no picture)
//   "DisplayMode" how the picture is drawn: 0 centred, 1 tiled, 2 stretched over the area
//                 (any other value: centred)
//   "OriginX", "OriginY"  offset of the picture in pixels: added to the centred position, the
//                 start of the tiles; ignored when stretched
// The values are read when the area is created and written back when it is destroyed; the
// program offers no dialog for them.

#include <QMdiArea>
#include <QPixmap>

#include "app/Settings.h"

namespace tsw::ui {

struct MdiBackground {
    QColor colour;
    QString fileName;
    int displayMode = 0;
    int originX = 0;
    int originY = 0;
};

// Reads the section; the colour defaults to `defaultColour`.
MdiBackground readMdiBackground(const SettingsStore& store, const QColor& defaultColour);
void writeMdiBackground(SettingsStore& store, const MdiBackground& background);
// COLORREF coding: red in the low byte.
int colourToInt(const QColor& c);
QColor colourFromInt(int value);

class MdiClient : public QMdiArea {
    Q_OBJECT
public:
    explicit MdiClient(SettingsStore& store, QWidget* parent = nullptr);
    ~MdiClient() override;
    const MdiBackground& backgroundSettings() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SettingsStore& store_;
    MdiBackground background_;
    QPixmap picture_;
};

} // namespace tsw::ui
