#pragma once
// Shared by the feature editor widget tests: the English texts and the default image in the
// globals, showing and focusing, typing into a box, screenshots. The tests' shell is an
// MdiTestShell, whose scripted prompt records every message.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/DefaultImage.h"
#include "app/ModelTable.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MdiTestShell.h"

namespace tsw::test {

// Loads the English language file from the program directory and builds the default image.
inline void setUpGlobals() {
    AppGlobals& g = globals();
    g.language.setDirectory(TSW_BIN_DIR);
    QVERIFY(g.language.load(kRequiredStringIds, 2) == LanguageTable::Loaded);
    parseIdentityText(kDefaultIdentityText, g.identity);
    resetImageToDefaults(g);
    g.programDirectory = TSW_BIN_DIR;
}

inline void showAndFocus(QWidget* w, QWidget* focus) {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::setActiveWindow(w->window());
    focus->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), focus);
}

// Replaces the text of a focused box as a user would, then leaves the box with Tab.
inline void typeAndLeave(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (QChar c : text) {
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
        QCoreApplication::processEvents();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
}

// With TSW_SCREENSHOT_DIR set, saves the widget's picture there.
inline void saveScreenshot(QWidget* w, const QString& name) {
    const QByteArray dir = qgetenv("TSW_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    w->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

} // namespace tsw::test
