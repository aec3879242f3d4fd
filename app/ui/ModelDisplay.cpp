#include "app/ui/ModelDisplay.h"

#include <QHBoxLayout>

#include "app/AppGlobals.h"
#include "app/ModelTable.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

// The band entry's text after the frequency: "446 MHz(E)(T)" -> "(E)(T)".
QString versionOf(std::string_view bandEntryText) {
    const auto at = bandEntryText.find('(');
    return at == std::string_view::npos ? QString() : fromStd(bandEntryText.substr(at));
}

} // namespace

ModelDisplay::ModelDisplay(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(6);
    for (auto** pair : {&modelLabel_, &model_, &bandLabel_, &band_, &versionLabel_, &version_,
                        &fileLabel_, &file_}) {
        *pair = new QLabel(this);
        layout->addWidget(*pair);
    }
    for (QLabel* value : {model_, band_, version_, file_}) {
        value->setFrameShape(QFrame::StyledPanel);
        value->setFrameShadow(QFrame::Sunken);
        value->setMinimumWidth(60);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    layout->addStretch(1);
    refresh();
}

void ModelDisplay::refresh() {
    const AppGlobals& g = globals();
    const ModelEntry& model = modelEntry(g.modelIndex);
    modelLabel_->setText(plainText(StrId::ModelNameLabel));
    bandLabel_->setText(plainText(StrId::BandLabel));
    versionLabel_->setText(plainText(StrId::ModelVersionLabel));
    fileLabel_->setText(plainText(StrId::FileNameLabel));
    model_->setText(fromStd(model.displayName));
    band_->setText(fromStd(model.bandText));
    version_->setText(versionOf(bandEntry(g.modelIndex, lookupBand(g.identity)).text));
    file_->setText(QString::fromStdString(g.currentFileName));
}

} // namespace tsw::ui
