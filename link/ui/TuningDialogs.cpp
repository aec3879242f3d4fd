#include "link/ui/TuningDialogs.h"

#include <QWidget>

#include "app/AppGlobals.h"
#include "app/ui/UiText.h"
#include "link/TestModeForm.h"
#include "link/ui/SingleTuningDialog.h"
#include "link/ui/TabbedTuningDialog.h"

namespace tsw::ui {

bool runAdjustmentDialog(QWidget* parent, SerialLink& link, const TuningItem& item,
                         int testChannel) {
    if (item.dialog == TuningDialog::Tabbed) {
        TabbedTuningDialog dialog(link, item, testChannel, parent);
        dialog.exec();
        return dialog.gaveUp();
    }
    SingleTuningDialog dialog(link, item, testChannel, parent);
    dialog.exec();
    return dialog.gaveUp();
}

QString tuningReceiveText(const RadioImage& image, int testChannel) {
    const auto f = testChannelFrequencies(image, testChannel, &tsw::tr);
    return plainText(StrId::RxLabel) + QLatin1Char(' ') + fromStd(f.rx) + QLatin1Char(' ') +
           plainText(StrId::MhzUnit);
}

QString tuningTransmitText(const RadioImage& image, int testChannel) {
    const auto f = testChannelFrequencies(image, testChannel, &tsw::tr);
    return plainText(StrId::TxLabel) + QLatin1Char(' ') + fromStd(f.tx) + QLatin1Char(' ') +
           plainText(StrId::MhzUnit);
}

std::uint8_t typedTuningValue(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < 0)
        return 0;
    return static_cast<std::uint8_t>(std::min(v, 255));
}

} // namespace tsw::ui
