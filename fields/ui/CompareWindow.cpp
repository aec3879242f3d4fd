#include "fields/ui/CompareWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DataFile.h"
#include "app/TextTemplate.h"
#include "app/ui/DataFileDialog.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Help.h"
#include "app/ui/Modules.h"
#include "app/ui/Shell.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"
#include "fields/ImageDiff.h"

namespace tsw::ui {

namespace {

constexpr int kListId = 1421;
constexpr int kFilterId = 1422;
constexpr int kSummaryId = 1423;
constexpr int kCopyId = 1424;
constexpr int kPrintId = 1425;
constexpr int kCompareAgainId = 1426;
constexpr char kCannotOpenFile[] = "Cannot open file."; // the program's literal for Open too

QPointer<CompareWindow>& theWindow() {
    static QPointer<CompareWindow> window;
    return window;
}

std::string labelText(StringId id) {
    std::string t = tsw::tr(id);
    std::erase(t, '&');
    return t;
}

} // namespace

CompareWindow::CompareWindow(QWidget* parent) : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setUpDialog(this, cmd::CompareWithFile); // the comparison sets its own topic
    setWindowIcon(svgIcon(kAppIcon));
    createControls();
    resize(820, 460);
}

void CompareWindow::createControls() {
    list_ = new QTreeWidget(this);
    setControlId(list_, kListId);
    list_->setColumnCount(3);
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->header()->setStretchLastSection(true);
    filter_ = new QLineEdit(this);
    setControlId(filter_, kFilterId);
    filter_->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(uiText(StrId::CompareFilterLabel), this);
    filterLabel->setBuddy(filter_);
    summary_ = new QLabel(this);
    setControlId(summary_, kSummaryId);
    copy_ = makeButton(this, kCopyId, StrId::CompareCopyButton);
    print_ = makeButton(this, kPrintId, StrId::ComparePrintButton);
    again_ = makeButton(this, kCompareAgainId, StrId::CompareAgainButton);
    auto* close = makeButton(this, kCloseButtonId, StrId::CloseButton);
    auto* help = makeButton(this, kHelpButtonId, StrId::HelpButton);
    connect(filter_, &QLineEdit::textChanged, this, &CompareWindow::applyFilter);
    connect(copy_, &QPushButton::clicked, this, &CompareWindow::copyToClipboard);
    connect(print_, &QPushButton::clicked, this, &CompareWindow::printLines);
    connect(again_, &QPushButton::clicked, this, &CompareWindow::compareAgain);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [this] { showHelp(helpContext_); });

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);
    layout->addLayout(buttonRow({copy_, print_, again_, close, help}));
}

void CompareWindow::compareWith(const RadioImage& other, const QString& title,
                                const QString& otherHeader, int helpContext) {
    other_ = other;
    otherHeader_ = otherHeader;
    helpContext_ = helpContext;
    setHelpContext(this, helpContext);
    setWindowTitle(title);
    compareAgain();
}

void CompareWindow::compareAgain() {
    list_->setHeaderLabels(
        {plainText(StrId::CheckColumnField), plainText(StrId::CompareEditorsColumn), otherHeader_});
    list_->clear();
    for (const fields::DiffLine& line : fields::diffImages(globals().image, other_, &labelText))
        new QTreeWidgetItem(list_, {fromStd(line.field), fromStd(line.a), fromStd(line.b)});
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);
    applyFilter();
}

void CompareWindow::applyFilter() {
    const QString wanted = filter_->text().trimmed();
    int shown = 0;
    const int total = list_->topLevelItemCount();
    for (int row = 0; row < total; ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        bool match = wanted.isEmpty();
        for (int c = 0; c < 3 && !match; ++c)
            match = item->text(c).contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!match);
        shown += match ? 1 : 0;
    }
    if (total == 0)
        summary_->setText(plainText(StrId::DiffNoDifferences));
    else if (shown == total)
        summary_->setText(
            fromStd(fillTemplate(labelText(StrId::CompareCount), {std::to_string(total)})));
    else
        summary_->setText(fromStd(fillTemplate(labelText(StrId::CompareFilteredCount),
                                               {std::to_string(total), std::to_string(shown)})));
    copy_->setEnabled(shown > 0);
    print_->setEnabled(shown > 0);
}

print::Listing CompareWindow::shownLines() const {
    print::Listing listing;
    listing.title = labelText(StrId::ComparePrintTitle);
    const QTreeWidgetItem* header = list_->headerItem();
    for (int c = 0; c < 3; ++c)
        listing.headers[static_cast<std::size_t>(c)] = toStd(header->text(c));
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list_->topLevelItem(row);
        if (!item->isHidden())
            listing.rows.push_back(
                {toStd(item->text(0)), toStd(item->text(1)), toStd(item->text(2))});
    }
    return listing;
}

QString CompareWindow::clipboardText() const {
    const print::Listing listing = shownLines();
    QString text;
    const auto line = [&text](const std::array<std::string, 3>& cells) {
        text += fromStd(cells[0]) + '\t' + fromStd(cells[1]) + '\t' + fromStd(cells[2]) + '\n';
    };
    line(listing.headers);
    for (const auto& row : listing.rows)
        line(row);
    return text;
}

void CompareWindow::copyToClipboard() {
    QApplication::clipboard()->setText(clipboardText());
}

void CompareWindow::printLines() {
    const auto print = reinterpret_cast<ListingPrintEntry>(
        moduleEntry(moduleDirectory(), kPrintModuleFile, kListingPrintEntry));
    if (print == nullptr)
        return; // without the print module there is no printing, as for File > Print
    const print::Listing listing = shownLines();
    print(&listing, this);
}

CompareWindow* compareWindow(Shell& shell) {
    QPointer<CompareWindow>& window = theWindow();
    if (!window) {
        window = new CompareWindow(shell.window());
        window->setWindowFlag(Qt::Tool);
    }
    return window;
}

void showComparison(Shell& shell, const RadioImage& other, const QString& title,
                    const QString& otherHeader, int helpContext) {
    CompareWindow* window = compareWindow(shell);
    window->compareWith(other, title, otherHeader, helpContext);
    window->show();
    window->raise();
    window->activateWindow();
    window->filterBox()->setFocus(Qt::OtherFocusReason); // typing narrows the list at once
}

void compareWithFile(Shell& shell) {
    DataFileDialog dialog(DataFileDialog::Kind::Open, fromStd(globals().dataDirectory), QString(),
                          shell.window());
    dialog.setWindowTitle(plainText(StrId::MenuCompareWithFile));
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    const QString path = dialog.chosenPath();
    RadioImage other;
    switch (datafile::readDataFile(toStd(path), other)) {
    case datafile::ReadResult::CannotOpen:
        shell.prompt().ask(composedErrorPrompt(kCannotOpenFile));
        return;
    case datafile::ReadResult::WrongFormat:
        shell.prompt().ask(
            composedErrorPrompt(tsw::tr(StrId::WrongFileFormat), StrId::WrongFileFormat));
        return;
    case datafile::ReadResult::Ok:
        break;
    }
    const QString name = QFileInfo(path).fileName();
    showComparison(shell, other,
                   fromStd(fillTemplate(labelText(StrId::CompareWithFileTitle), {toStd(name)})),
                   name, cmd::CompareWithFile);
}

} // namespace tsw::ui
