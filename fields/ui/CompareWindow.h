#pragma once
// File > Compare with File and Program > Compare with Radio: a modeless window listing every
// difference between the configuration in the editors and another one (a data file, or what
// the radio held when it was read), in the words of `tsw62m-cli diff`: the field, its value in
// the editors and its value in the other. A filter box shows only the lines containing its
// text; Copy puts the lines shown on the clipboard (tab-separated, with the column headers);
// Print prints them through the print module; Compare Again compares the editors as they are
// now with the same other configuration. One compare window at a time: a new comparison
// replaces what it shows.

#include <QDialog>
#include <QString>

#include "app/RadioImage.h"
#include "print/ListingLayout.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tsw::ui {

class Shell;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget* parent = nullptr);

    // Compares the editors' image with `other`; `title` is the window's title, `otherHeader`
    // the header of the other's column, `helpContext` the topic of Help and F1.
    void compareWith(const RadioImage& other, const QString& title, const QString& otherHeader,
                     int helpContext);
    void compareAgain();

    // The lines the filter shows, with the column headers first (Copy and Print take these).
    print::Listing shownLines() const;
    QString clipboardText() const;

    QTreeWidget* list() const { return list_; }
    QLineEdit* filterBox() const { return filter_; }
    QLabel* summary() const { return summary_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* compareAgainButton() const { return again_; }

private:
    void createControls();
    void applyFilter();
    void copyToClipboard();
    void printLines();

    RadioImage other_;
    QString otherHeader_;
    int helpContext_ = 0;
    QTreeWidget* list_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* again_ = nullptr;
};

// The compare window, made when first needed; it stays until closed.
CompareWindow* compareWindow(Shell& shell);

// Shows the compare window comparing the editors with `other` (compareWith) in front.
void showComparison(Shell& shell, const RadioImage& other, const QString& title,
                    const QString& otherHeader, int helpContext);

// File > Compare with File. (Program > Compare with Radio reads the radio first: it is one of
// the link's commands, link/ui/LinkCommands.h.)
void compareWithFile(Shell& shell);

} // namespace tsw::ui
