#pragma once
// Set-up shared by the channel editor widget tests: English texts, a fresh default image and
// channel state, and small helpers to drive a grid.

#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/LanguageLoader.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ui/CMSFlexGrid.h"

namespace tsw::test {

inline void loadEnglishTexts() {
    globals().language.setDirectory(TSW_BIN_DIR);
    QVERIFY(loadLanguage(globals().language, 2) == LanguageTable::Loaded);
}

// The default image (16 channels in use) with channels from `firstEmpty` on emptied.
inline void resetImage(int firstEmpty = layout::kChannelCount) {
    AppGlobals& g = globals();
    parseIdentityText(kDefaultIdentityText, g.identity);
    buildDefaultImage(g.image, g.identity);
    for (int n = firstEmpty; n < layout::kChannelCount; ++n) {
        for (std::size_t i = 0; i < layout::kChannelSize; ++i)
            g.image.setByte(layout::channelOffset(n) + i, 0xFF);
        g.image.setFlag(layout::kBitmapA + static_cast<std::size_t>(n / 8),
                        static_cast<std::uint8_t>(1u << (n % 8)), false);
    }
    g.flags = SharedFlags{};
    channelEditorState() = ChannelEditorState{};
}

// Clicks the data cell (row, col) of a grid, as the user would.
inline void clickCell(ui::CMSFlexGrid* grid, int row, int col) {
    QTableWidget* table = grid->table();
    const QRect rect = table->visualRect(table->model()->index(row - 1, col - 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

inline void showActive(QWidget* w) {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::setActiveWindow(w);
}

inline QString qText(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace tsw::test
