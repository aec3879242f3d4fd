#include "app/ui/MdiClient.h"

#include <QPainter>

namespace tsw::ui {
namespace {

constexpr std::string_view kSection = "MDIClient";
constexpr std::string_view kDisplayMode = "DisplayMode";
constexpr std::string_view kOriginX = "OriginX";
constexpr std::string_view kOriginY = "OriginY";
constexpr std::string_view kBkColor = "BkColor";
constexpr std::string_view kFileName = "FileName";

enum DisplayMode { Centred = 0, Tiled = 1, Stretched = 2 };

} // namespace

int colourToInt(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QColor colourFromInt(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

MdiBackground readMdiBackground(const SettingsStore& store, const QColor& defaultColour) {
    MdiBackground b;
    b.displayMode = store.readInt(kSection, kDisplayMode).value_or(0);
    b.originX = store.readInt(kSection, kOriginX).value_or(0);
    b.originY = store.readInt(kSection, kOriginY).value_or(0);
    const auto colour = store.readInt(kSection, kBkColor);
    b.colour = colour ? colourFromInt(*colour) : defaultColour;
    b.fileName = QString::fromStdString(store.readString(kSection, kFileName).value_or(""));
    return b;
}

void writeMdiBackground(SettingsStore& store, const MdiBackground& b) {
    store.writeInt(kSection, kDisplayMode, b.displayMode);
    store.writeInt(kSection, kOriginX, b.originX);
    store.writeInt(kSection, kOriginY, b.originY);
    store.writeInt(kSection, kBkColor, colourToInt(b.colour));
    store.writeString(kSection, kFileName, b.fileName.toStdString());
}

MdiClient::MdiClient(SettingsStore& store, QWidget* parent) : QMdiArea(parent), store_(store) {
    background_ = readMdiBackground(store, palette().color(QPalette::Dark));
    setBackground(background_.colour);
    // Windows arranged or moved past the edge are scrolled to.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (!background_.fileName.isEmpty())
        picture_.load(background_.fileName);
}

MdiClient::~MdiClient() {
    writeMdiBackground(store_, background_);
}

void MdiClient::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event); // the colour
    if (picture_.isNull())
        return;
    QPainter p(viewport());
    const QRect area = viewport()->rect();
    const QPoint origin(background_.originX, background_.originY);
    switch (background_.displayMode) {
    case Stretched:
        p.drawPixmap(area, picture_);
        break;
    case Tiled:
        p.drawTiledPixmap(area, picture_, -origin);
        break;
    default: {
        QRect r = picture_.rect();
        r.moveCenter(area.center());
        p.drawPixmap(r.topLeft() + origin, picture_);
        break;
    }
    }
}

} // namespace tsw::ui
