#pragma once
// The Embedded Message editor (form 159): the radio's two message lines of 32 characters.

#include <QLineEdit>
#include <array>

#include "app/ui/EditorForm.h"
#include "editors/feature/EmbeddedMessageForm.h"

namespace tsw::ui {

class EmbeddedMessageView : public EditorForm {
    Q_OBJECT
public:
    explicit EmbeddedMessageView(QWidget* parent = nullptr);

    QLineEdit* line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    // Writes both lines when either was typed into since it was shown.
    void commit();
    bool showImageAgain() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLines();

    feature::EmbeddedMessageForm form_;
    std::array<QLineEdit*, 2> lines_{};
    bool edited_ = false;
};

} // namespace tsw::ui
