#pragma once
// The About box (dialog 100): product, version and release lines, the radio model, copyright.

#include <QDialog>

namespace tsw::ui {

inline constexpr char kProgramVersion[] = "1.00";
inline constexpr char kProgramRelease[] = "JULY/19/2004";

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    QStringList lines() const; // the texts shown, top to bottom
};

} // namespace tsw::ui
