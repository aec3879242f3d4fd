#pragma once
// The main window's model display: the model name, band, version and current file name, each
// after its label (strings 3001001, 3018001, 3018003, 3018005). Refreshed after Open, Save As,
// New, Model Information and a language change.

#include <QLabel>
#include <QWidget>

namespace tsw::ui {

class ModelDisplay : public QWidget {
    Q_OBJECT
public:
    explicit ModelDisplay(QWidget* parent = nullptr);
    void refresh(); // from the global identity, model table and current file name
    QString modelText() const { return model_->text(); }
    QString bandText() const { return band_->text(); }
    QString fileText() const { return file_->text(); }

private:
    QLabel* modelLabel_;
    QLabel* model_;
    QLabel* bandLabel_;
    QLabel* band_;
    QLabel* versionLabel_;
    QLabel* version_;
    QLabel* fileLabel_;
    QLabel* file_;
};

} // namespace tsw::ui
