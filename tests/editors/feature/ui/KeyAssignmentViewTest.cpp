// Widget tests of the Key Assignment view: commit on leaving a list, the Enter ping-pong, the
// marked key in the picture, F1 by the shown function, no paste.

#include <QtTest>

#include "app/ImageLayout.h"
#include "app/ui/Help.h"
#include "editors/feature/ui/KeyAssignmentView.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"

using namespace tsw;
using namespace tsw::ui;
using feature::ProgrammableKey;

namespace {
class RecordingHelp : public HelpHandler {
public:
    std::vector<int> opened;
    bool openContext(int context) override {
        opened.push_back(context);
        return true;
    }
    void openDefault() override { opened.push_back(-1); }
    void closeAll() override {}
};
} // namespace

class KeyAssignmentViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::setUpGlobals(); }
    void leavingAListStoresItsFunction();
    void enterGoesBackAndForthBetweenTheLists();
    void pictureMarksTheKeyBeingEdited();
    void f1OpensTheTopicOfTheShownFunction();

private:
    test::MdiTestShell shell_;
};

void KeyAssignmentViewTest::leavingAListStoresItsFunction() {
    globals().image.setByte(layout::kKeyPf1, 0);
    KeyAssignmentView view;
    QComboBox* pf1 = view.list(ProgrammableKey::Pf1);
    QComboBox* pf2 = view.list(ProgrammableKey::Pf2);
    QCOMPARE(pf1->currentIndex(), 0);
    QCOMPARE(pf2->currentIndex(), 10);
    QVERIFY(pf2->currentText().startsWith("(10)  "));
    test::showAndFocus(&view, pf1);
    pf2->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(pf2));
    QCOMPARE(globals().image.byte(layout::kKeyPf1), 0xFF); // left unchanged: position 0 is 0xFF
    QTest::keyClick(pf2, Qt::Key_Down);
    QCOMPARE(pf2->currentIndex(), 11);
    QCOMPARE(globals().image.byte(layout::kKeyPf2), 10); // not before the list is left
    view.closeButton()->setFocus();
    QCOMPARE(globals().image.byte(layout::kKeyPf2), 11);
}

void KeyAssignmentViewTest::enterGoesBackAndForthBetweenTheLists() {
    KeyAssignmentView view;
    QComboBox* pf1 = view.list(ProgrammableKey::Pf1);
    QComboBox* pf2 = view.list(ProgrammableKey::Pf2);
    test::showAndFocus(&view, pf1);
    QTest::keyClick(pf1, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(pf2));
    QTest::keyClick(pf2, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(pf1));
    QTest::keyClick(pf1, Qt::Key_Insert, Qt::ShiftModifier); // swallowed
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(pf1));
}

void KeyAssignmentViewTest::pictureMarksTheKeyBeingEdited() {
    KeyAssignmentView view;
    test::showAndFocus(&view, view.list(ProgrammableKey::Pf2));
    QCOMPARE(view.picture()->marked(), RadioPicture::Marked::Pf2);
    test::saveScreenshot(&view, "key-assignment-pf2");
    view.closeButton()->setFocus();
    QTRY_COMPARE(view.picture()->marked(), RadioPicture::Marked::Pf1);
    QCOMPARE(view.picture()->size(), QSize(279, 350));
}

void KeyAssignmentViewTest::f1OpensTheTopicOfTheShownFunction() {
    RecordingHelp help;
    setHelpHandler(&help);
    KeyAssignmentView view;
    QComboBox* pf1 = view.list(ProgrammableKey::Pf1); // default: position 1
    test::showAndFocus(&view, pf1);
    QTest::keyClick(pf1, Qt::Key_F1);
    pf1->setCurrentIndex(4);
    QTest::keyClick(pf1, Qt::Key_F1);
    QCOMPARE(help.opened, (std::vector<int>{525, 517}));
    setHelpHandler(nullptr);
}

QTEST_MAIN(KeyAssignmentViewTest)
#include "KeyAssignmentViewTest.moc"
