#include "app/ui/DataFileDialog.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "app/DataFile.h"
#include "app/ui/EditorForm.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

constexpr int kLine1Id = 1322;
constexpr int kLine2Id = 1323;

// Preview lines hold the file's raw bytes (one byte, one character).
QString previewText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

DataFileDialog::DataFileDialog(Kind kind, const QString& folder, const QString& name,
                               QWidget* parent)
    : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ReadOnly, false);
    setNameFilter(plainText(StrId::DataFileFilter));
    setDefaultSuffix(QString::fromLatin1(datafile::kExtension.data(),
                                         static_cast<qsizetype>(datafile::kExtension.size())));
    setDirectory(folder);
    if (kind == Kind::Open) {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::AnyFile); // a name that does not open is answered afterwards
        addPreviewPanel();
        // The selection shows in the file name box: follow both the list and the box.
        connect(this, &QFileDialog::currentChanged, this, &DataFileDialog::preview);
        if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            connect(name, &QLineEdit::textChanged, this, [this](const QString& text) {
                if (!text.isEmpty())
                    preview(directory().absoluteFilePath(text));
            });
    } else {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        if (!name.isEmpty())
            selectFile(name);
    }
}

void DataFileDialog::addPreviewPanel() {
    panel_ = new QGroupBox(plainText(StrId::MenuEmbeddedMessage), this);
    auto* layout = new QVBoxLayout(panel_);
    line1_ = new QLineEdit(panel_);
    line2_ = new QLineEdit(panel_);
    for (QLineEdit* l : {line1_, line2_}) {
        l->setReadOnly(true);
        l->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(l);
    }
    setControlId(line1_, kLine1Id);
    setControlId(line2_, kLine2Id);
    if (auto* grid = qobject_cast<QGridLayout*>(this->layout()))
        grid->addWidget(panel_, grid->rowCount(), 0, 1, grid->columnCount());
}

QString DataFileDialog::chosenPath() const {
    const QStringList files = selectedFiles();
    return result() == QDialog::Accepted && !files.isEmpty() ? files.first() : QString();
}

void DataFileDialog::preview(const QString& path) {
    if (!line1_ || !datafile::hasDataFileExtension(toStd(path)))
        return;
    const auto lines = datafile::previewDataFile(toStd(path));
    if (!lines)
        return;
    line1_->setText(previewText(lines->line1));
    line2_->setText(previewText(lines->line2));
}

} // namespace tsw::ui
