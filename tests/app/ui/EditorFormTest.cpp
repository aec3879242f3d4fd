// Widget tests of the form conventions: filtered typing, Enter as Tab, F1 by control id,
// spin buttons (clicked and stepped by the arrow keys), the row builder, and where the focus
// goes when a form opens.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <vector>

#include "app/CharacterFilter.h"
#include "app/ui/EditorForm.h"
#include "app/ui/FilterEdit.h"
#include "app/ui/FormBuilder.h"
#include "app/ui/Help.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using tsw::test::RecordingHelp;

namespace {

class TestForm : public EditorForm {
public:
    TestForm() : EditorForm(152) {
        auto* layout = new QVBoxLayout(body());
        first = new FilterEdit;
        list = new QComboBox;
        list->addItems({"one", "two"});
        last = new FilterEdit;
        setControlId(first, 1239);
        setControlId(list, 1244);
        setControlId(last, 1241);
        layout->addWidget(first);
        layout->addWidget(list);
        layout->addWidget(last);
    }
    FilterEdit* first;
    QComboBox* list;
    FilterEdit* last;
};

void showAndFocus(QWidget* w, QWidget* focus) {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::setActiveWindow(w->window());
    focus->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focus);
}

} // namespace

class EditorFormTest : public QObject {
    Q_OBJECT
private slots:
    void filterEditTypesWhatItsModeAccepts_data();
    void filterEditTypesWhatItsModeAccepts();
    void filterEditModeTwentyOneKeepsASingleA();
    void altGrCharactersPassTheFilter();
    void filterEditSelectsAllOnFocusAndHasNoContextMenu();
    void filterEditBlocksPasteInRestrictedModes();
    void inputMethodTextPassesTheFilter_data();
    void inputMethodTextPassesTheFilter();
    void digitEditTakesOnlyDigits();
    void enterMovesOnLikeTabExceptOnCloseAndHelp();
    void f1OpensTheControlsTopicElseTheForms();
    void closeButtonClosesTheMdiChild();
    void spinButtonsWrap();
    void arrowKeysInABoxStepItsSpinButtons();
    void rowBuilderCreatesTaggedControls();
    void formOpensWithTheFocusOnItsFirstInput();
    void formGetsBackItsLastFocusWhenActivatedAgain();
};

void EditorFormTest::filterEditTypesWhatItsModeAccepts_data() {
    // Which characters each mode takes is the filter's own table (unit-tested); here: what
    // the box does with an accepted, a refused and an upper-cased character.
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0 nothing") << 0 << "12ab"
                               << "";
    QTest::newRow("2 digits") << 2 << "1a.2"
                              << "12";
    QTest::newRow("5 dtmf turns a-d") << 5 << "1b*e#"
                                      << "1B*#";
    QTest::newRow("8 message") << 8 << "hi @x!"
                               << "HI @X";
    QTest::newRow("99 outside the table") << 99 << "x?1"
                                          << "x?1";
}

void EditorFormTest::filterEditTypesWhatItsModeAccepts() {
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FilterEdit edit;
    edit.setMode(static_cast<std::uint8_t>(mode));
    showAndFocus(&edit, &edit);
    for (QChar c : typed) {
        QTest::keyClicks(&edit, QString(c));
        QCoreApplication::processEvents(); // re-sent upper-case letters arrive posted
    }
    QTRY_COMPARE(edit.text(), shown);
    // Backspace works in every mode but 0.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), mode == 0 ? QString() : shown.left(shown.size() - 1));
}

// AltGr arrives as Ctrl+Alt on some systems; what it types is filtered like any character.
void EditorFormTest::altGrCharactersPassTheFilter() {
    FilterEdit edit;
    edit.setMode(filter::Digits);
    showAndFocus(&edit, &edit);
    const auto altGr = [&](int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier | Qt::AltModifier, text);
        QApplication::sendEvent(&edit, &press);
    };
    altGr(Qt::Key_E, QString::fromUtf8("\u20AC"));
    altGr(Qt::Key_7, QStringLiteral("7"));
    QCOMPARE(edit.text(), QStringLiteral("7"));
}

void EditorFormTest::filterEditModeTwentyOneKeepsASingleA() {
    FilterEdit edit;
    edit.setMode(filter::DigitsOrA);
    showAndFocus(&edit, &edit);
    QTest::keyClicks(&edit, "a");
    QTRY_COMPARE(edit.text(), QString("A"));
    QTest::keyClicks(&edit, "7");
    QCOMPARE(edit.text(), QString("A"));
    edit.selectAll();
    QTest::keyClicks(&edit, "7");
    QCOMPARE(edit.text(), QString("7"));
    QTest::keyClicks(&edit, "A");
    QCOMPARE(edit.text(), QString("7"));
}

void EditorFormTest::filterEditSelectsAllOnFocusAndHasNoContextMenu() {
    QWidget w;
    auto* other = new QLineEdit(&w);
    auto* edit = new FilterEdit(&w);
    edit->setText("446.00625");
    auto* layout = new QVBoxLayout(&w);
    layout->addWidget(other);
    layout->addWidget(edit);
    showAndFocus(&w, other);
    edit->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(edit->selectedText(), QString("446.00625"));
    QCOMPARE(edit->contextMenuPolicy(), Qt::PreventContextMenu);
}

void EditorFormTest::filterEditBlocksPasteInRestrictedModes() {
    QApplication::clipboard()->setText("12x");
    for (std::uint8_t mode : {filter::Digits, filter::All}) {
        FilterEdit edit;
        edit.setMode(mode);
        showAndFocus(&edit, &edit);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), mode == filter::All ? QString("12x") : QString());
    }
}

void EditorFormTest::inputMethodTextPassesTheFilter_data() {
    QTest::addColumn<int>("mode"); // -1: a DigitEdit
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("shown");
    QTest::newRow("hex turns and drops") << int(filter::Hex) << "1a2x"
                                         << "1A2";
    QTest::newRow("digits") << int(filter::Digits) << "12ab3"
                            << "123";
    QTest::newRow("unrestricted") << int(filter::All) << "x y"
                                  << "x y";
    QTest::newRow("digit box") << -1 << "4-5"
                               << "45";
}

void EditorFormTest::inputMethodTextPassesTheFilter() {
    QFETCH(int, mode);
    QFETCH(QString, commit);
    QFETCH(QString, shown);
    FilterEdit filtered;
    DigitEdit digits;
    QLineEdit* edit = &digits;
    if (mode >= 0) {
        filtered.setMode(static_cast<std::uint8_t>(mode));
        edit = &filtered;
    }
    showAndFocus(edit, edit);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(edit, &event);
    QCOMPARE(edit->text(), shown);
}

void EditorFormTest::digitEditTakesOnlyDigits() {
    DigitEdit edit;
    showAndFocus(&edit, &edit);
    QTest::keyClicks(&edit, "1a-2 3");
    QCOMPARE(edit.text(), QString("123"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString("12"));
}

void EditorFormTest::enterMovesOnLikeTabExceptOnCloseAndHelp() {
    RecordingHelp help;
    help.known = std::vector<int>{152};
    TestForm form;
    showAndFocus(&form, form.first);
    QTest::keyClick(form.first, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.list));
    QTest::keyClick(form.list, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.last));
    QCOMPARE(form.list->currentIndex(), 0);

    form.helpButton()->setFocus();
    QTest::keyClick(form.helpButton(), Qt::Key_Return);
    QCOMPARE(help.opened, std::vector<int>{152});
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.helpButton()));
}

void EditorFormTest::f1OpensTheControlsTopicElseTheForms() {
    RecordingHelp help;
    help.known = std::vector<int>{1239, 152};
    TestForm form;
    showAndFocus(&form, form.first);
    QTest::keyClick(form.first, Qt::Key_F1);
    form.last->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.last));
    QTest::keyClick(form.last, Qt::Key_F1); // 1241 has no topic: the form's
    QCOMPARE(help.opened, (std::vector<int>{1239, 152}));

    help.known = std::vector<int>{};
    QTest::keyClick(form.last, Qt::Key_F1); // nothing opens: the default topic
    QCOMPARE(help.opened.back(), -1);
}

void EditorFormTest::closeButtonClosesTheMdiChild() {
    QMdiArea area;
    auto* form = new TestForm;
    QPointer<QMdiSubWindow> sub = area.addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    form->closeButton()->click();
    QTRY_VERIFY(sub.isNull());
}

void EditorFormTest::spinButtonsWrap() {
    SpinButtons spin;
    spin.setRange(1, 40);
    std::vector<int> seen;
    QObject::connect(&spin, &SpinButtons::stepped, [&](int v, int) { seen.push_back(v); });
    spin.setValue(40);
    spin.upButton()->click();   // 40 -> 1
    spin.downButton()->click(); // 1 -> 40
    spin.downButton()->click(); // 40 -> 39
    QCOMPARE(seen, (std::vector<int>{1, 40, 39}));
}

// Up and Down in a box with spin buttons are clicks on the buttons; in a list they stay the
// list's own, and a box whose buttons are disabled does not step.
void EditorFormTest::arrowKeysInABoxStepItsSpinButtons() {
    const FormRow rows[] = {
        {1009, 1239, 1240, 0, RowKind::Number},
        {1231, 1267, 0, 0, RowKind::List},
        {1356, 1357, 0, 0, RowKind::Number},
    };
    QWidget form;
    const std::vector<BuiltRow> built = buildFormRows(&form, rows);
    SpinButtons* spin = built[0].spin;
    spin->setRange(1, 3);
    spin->setValue(2);
    std::vector<std::pair<int, int>> seen; // value, direction
    QObject::connect(spin, &SpinButtons::stepped, [&](int v, int direction) {
        seen.emplace_back(v, direction);
        built[0].edit->setText(QString::number(v));
    });
    built[1].list->addItems({"one", "two", "three"});
    built[1].list->setCurrentIndex(1);
    showAndFocus(&form, built[0].edit);

    QTest::keyClick(built[0].edit, Qt::Key_Up);
    QTest::keyClick(built[0].edit, Qt::Key_Up);                       // 3 wraps to 1
    QTest::keyClick(built[0].edit, Qt::Key_Down, Qt::KeypadModifier); // 1 wraps to 3
    QTest::keyClick(built[0].edit, Qt::Key_Up, Qt::ControlModifier);  // not a step
    QCOMPARE(seen, (std::vector<std::pair<int, int>>{{3, +1}, {1, +1}, {3, -1}}));
    QCOMPARE(built[0].edit->text(), QString("3"));

    spin->setEnabled(false);
    QTest::keyClick(built[0].edit, Qt::Key_Up);
    QCOMPARE(seen.size(), std::size_t{3});

    built[1].list->setFocus();
    QTRY_VERIFY(built[1].list->hasFocus());
    QTest::keyClick(built[1].list, Qt::Key_Down);
    QCOMPARE(built[1].list->currentIndex(), 2);
    QTest::keyClick(built[2].edit, Qt::Key_Up); // no spin buttons: nothing happens
    QCOMPARE(seen.size(), std::size_t{3});
}

void EditorFormTest::rowBuilderCreatesTaggedControls() {
    const FormRow rows[] = {
        {1009, 1239, 1240, 0, RowKind::Number},  {1017, 0, 0, 0, RowKind::Group},
        {1231, 1267, 0, 0, RowKind::List, 1017}, {1268, 1268, 0, 0, RowKind::Check, 1017},
        {1029, 1030, 0, 0, RowKind::Hidden},     {1356, 1357, 0, 0, RowKind::Number, 0, 1},
    };
    QWidget form;
    const std::vector<BuiltRow> built = buildFormRows(&form, rows);
    QCOMPARE(built.size(), std::size(rows));
    QCOMPARE(findControl<FilterEdit>(&form, 1239), built[0].edit);
    QCOMPARE(built[0].edit->mode(), filter::Digits);
    QCOMPARE(findControl<SpinButtons>(&form, 1240), built[0].spin);
    QCOMPARE(findControl<QGroupBox>(&form, 1017), built[1].group);
    QCOMPARE(built[2].list->parentWidget(), static_cast<QWidget*>(built[1].group));
    QCOMPARE(built[3].check->parentWidget(), static_cast<QWidget*>(built[1].group));
    QCOMPARE(controlId(built[3].check), 1268);
    QVERIFY(!built[4].label && !built[4].value && !findControl(&form, 1030));
    QVERIFY(built[5].edit && !built[5].spin);
    QCOMPARE(built[2].label->buddy(), static_cast<QWidget*>(built[2].list));
}

namespace {

// A form whose first controls are no input (a button), disabled or hidden.
class ButtonFirstForm : public EditorForm {
public:
    ButtonFirstForm() : EditorForm(152) {
        auto* layout = new QVBoxLayout(body());
        button = new QPushButton("Play");
        disabled = new FilterEdit;
        disabled->setEnabled(false);
        hidden = new FilterEdit;
        list = new QComboBox;
        last = new FilterEdit;
        for (QWidget* w : {static_cast<QWidget*>(button), static_cast<QWidget*>(disabled),
                           static_cast<QWidget*>(hidden), static_cast<QWidget*>(list),
                           static_cast<QWidget*>(last)})
            layout->addWidget(w);
        hidden->hide();
    }
    QPushButton* button;
    FilterEdit* disabled;
    FilterEdit* hidden;
    QComboBox* list;
    FilterEdit* last;
};

// A form that names the control it opens with.
class ChosenFocusForm : public ButtonFirstForm {
public:
    QWidget* firstFocus() const override { return last; }
};

QMdiSubWindow* openInArea(QMdiArea& area, EditorForm* form) {
    QMdiSubWindow* sub = area.addSubWindow(form);
    sub->show();
    area.setActiveSubWindow(sub);
    return sub;
}

} // namespace

void EditorFormTest::formOpensWithTheFocusOnItsFirstInput() {
    QMdiArea area;
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QApplication::setActiveWindow(&area);
    auto* form = new ButtonFirstForm;
    openInArea(area, form);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->list));
    // Enter on it moves on, it does not close the window.
    QTest::keyClick(form->list, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->last));
    QCOMPARE(area.subWindowList().size(), 1);

    auto* chosen = new ChosenFocusForm;
    openInArea(area, chosen);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chosen->last));

    TestForm bare; // a form outside any MDI area
    bare.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bare));
    QApplication::setActiveWindow(&bare);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(bare.first));
}

void EditorFormTest::formGetsBackItsLastFocusWhenActivatedAgain() {
    QMdiArea area;
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QApplication::setActiveWindow(&area);
    auto* form = new TestForm;
    QMdiSubWindow* first = openInArea(area, form);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->first));
    form->last->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->last));

    auto* other = new TestForm;
    QMdiSubWindow* second = openInArea(area, other);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(other->first));
    area.setActiveSubWindow(first);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->last));
    area.setActiveSubWindow(second); // and the other one keeps its own
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(other->first));
}

QTEST_MAIN(EditorFormTest)
#include "EditorFormTest.moc"
