#pragma once
// Set-up shared by the channel editor widget tests: English texts, a fresh default image and
// channel state, and small helpers to drive a grid and the modal dialogs.

#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/LanguageLoader.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ui/TableGrid.h"
#include "tests/editors/channel/ChannelFormTestSupport.h"
#include "tests/support/ui/ModalAnswerer.h"

namespace tsw::test {

inline void loadEnglishTexts() {
    globals().language.setDirectory(TSW_BIN_DIR);
    QVERIFY(loadLanguage(globals().language, 2) == LanguageTable::Loaded);
}

// The default image with channels from `firstEmpty` on emptied, fresh flags and channel state.
inline void resetImage(int firstEmpty = layout::kChannelCount) {
    AppGlobals& g = globals();
    parseIdentityText(kDefaultIdentityText, g.identity);
    g.image = imageWithUsedChannels(firstEmpty);
    g.flags = SharedFlags{};
    channelEditorState() = ChannelEditorState{};
}

// Clicks the data cell (row, col) of a grid, as the user would.
inline void clickCell(ui::TableGrid* grid, int row, int col) {
    QTableWidget* table = grid->table();
    const QRect rect = table->visualRect(table->model()->index(row - 1, col - 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

inline void showActive(QWidget* w) {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::setActiveWindow(w);
}

inline std::size_t chByte(int channel, std::size_t field) {
    return layout::channelOffset(channel) + field;
}

// Acts on the next modal dialog of type T (the act may use the test macros) and rejects it if
// it is still open afterwards; ModalAnswerer::handled() counts the dialogs met.
template <class T>
ModalAnswerer::Action onDialog(std::function<void(T*)> act = [](T*) {}) {
    return [act](QWidget* modal) {
        auto* dialog = qobject_cast<T*>(modal);
        if (!dialog)
            return false;
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
        return true;
    };
}

inline QString qText(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace tsw::test
