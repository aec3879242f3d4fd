#include "editors/feature/ui/KeyAssignmentView.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ui/Help.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

using feature::ProgrammableKey;

namespace {
constexpr int kPf1CaptionId = 1041;
constexpr int kPf2CaptionId = 1043;
} // namespace

KeyAssignmentView::KeyAssignmentView(QWidget* parent)
    : EditorForm(feature::kKeyHelpContext, parent), form_(globals().image) {
    setWindowTitle(uiText(StrId::TitleKeyAssignment));
    picture_ = new RadioPicture(body());
    setControlId(picture_, feature::kKeyPictureId);
    pf1_ = createList(ProgrammableKey::Pf1);
    pf2_ = createList(ProgrammableKey::Pf2);

    auto* lists = new QGridLayout;
    int row = 0;
    for (auto [caption, id, list] :
         {std::tuple{"PF1", kPf1CaptionId, pf1_}, std::tuple{"PF2", kPf2CaptionId, pf2_}}) {
        auto* label = new QLabel(QString::fromLatin1(caption), body());
        setControlId(label, id);
        label->setBuddy(list);
        lists->addWidget(label, row, 0);
        lists->addWidget(list, row++, 1);
    }
    lists->setRowStretch(row, 1);
    auto* layout = new QHBoxLayout(body());
    layout->addWidget(picture_);
    layout->addLayout(lists);
    layout->addStretch(1);

    // One application filter sees the lists' keys and focus changes before the program's key
    // conventions do: F1 on a list opens the topic of the function it shows.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { showMarkedKey(); });
    showMarkedKey();
}

QComboBox* KeyAssignmentView::createList(ProgrammableKey key) {
    auto* list = new QComboBox(body());
    setControlId(list,
                 key == ProgrammableKey::Pf1 ? feature::kKeyPf1ListId : feature::kKeyPf2ListId);
    for (int position = 0; position < feature::kKeyFunctionCount; ++position)
        list->addItem(QString::fromStdString(feature::keyEntryText(position, tsw::tr)));
    list->setCurrentIndex(form_.position(key));
    return list;
}

QComboBox* KeyAssignmentView::list(ProgrammableKey key) const {
    return key == ProgrammableKey::Pf1 ? pf1_ : pf2_;
}

void KeyAssignmentView::showMarkedKey() {
    picture_->setMarked(QApplication::focusWidget() == pf2_ ? RadioPicture::Marked::Pf2
                                                            : RadioPicture::Marked::Pf1);
}

bool KeyAssignmentView::enterActsAsTab(const QWidget*) const {
    return false; // Enter goes back and forth between the lists, and nowhere else
}

bool KeyAssignmentView::keyPressOnList(QComboBox* list, const QKeyEvent& key) {
    const auto mods = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Insert && mods == Qt::ShiftModifier)
        return true; // no paste
    if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        (list == pf1_ ? pf2_ : pf1_)->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

bool KeyAssignmentView::eventFilter(QObject* watched, QEvent* event) {
    auto* list = watched == pf1_ ? pf1_ : watched == pf2_ ? pf2_ : nullptr;
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_F1 && key.modifiers() == Qt::NoModifier &&
            (QApplication::focusWidget() == pf1_ || QApplication::focusWidget() == pf2_)) {
            showHelp(feature::keyHelpContext(
                static_cast<QComboBox*>(QApplication::focusWidget())->currentIndex()));
            return true;
        }
        if (list)
            return keyPressOnList(list, key);
    }
    if (list && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        form_.commit(list == pf1_ ? ProgrammableKey::Pf1 : ProgrammableKey::Pf2,
                     list->currentIndex());
    return EditorForm::eventFilter(watched, event);
}

bool KeyAssignmentView::showImageAgain() {
    pf1_->setCurrentIndex(form_.position(ProgrammableKey::Pf1));
    pf2_->setCurrentIndex(form_.position(ProgrammableKey::Pf2));
    return true;
}

} // namespace tsw::ui
