// Tooltips on the editors' fields, as the user sees them in two languages: a sample of fields
// of each editor, boxes and grid cells, with the values each takes.

#include <QHelpEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/Settings.h"
#include "app/ui/EditorForm.h"
#include "app/ui/MainWindow.h"
#include "app/ui/main/EditorWindows.h"
#include "fields/FieldCatalogue.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

struct Sample {
    const char* field; // the catalogue's name in English
    const char* english;
    const char* german; // the values line of the tip
};

const Sample kSamples[] = {
    {"Optional Features / Time Out Timer (TOT) [s]", "15–600 s in steps of 15 s",
     "15–600 s in Schritten von 15 s"},
    {"Optional Features / VOX Gain Level", "1–10, or Off", "1–10 oder Aus"},
    {"Scan Information / Look Back Time A [s]", "0.50–5.00 s in steps of 0.05 s",
     "0.50–5.00 s in Schritten von 0.05 s"},
    {"DTMF / First Digit Delay [ms]", "100–1000 ms in steps of 50 ms",
     "100–1000 ms in Schritten von 50 ms"},
    {"CrewLink / ID (Own)", "1000–4999", "1000–4999"},
    {"CrewLink / Fleet/ID Table 2 / Fleet", "100–349, or All", "100–349 oder Alle"},
    {"Channel 3 / RX Frequency [MHz]", "in MHz", "in MHz"},
    {"Channel 16 / QT/DQT Table", "1–38", "1–38"},
    {"Test Frequency 2 / TX", "in MHz", "in MHz"},
};

const fields::Field* named(const std::vector<fields::Field>& all, const std::string& name,
                           const TextLookup& english) {
    for (const fields::Field& f : all)
        if (f.name(english) == name)
            return &f;
    return nullptr;
}

// The tip of a control once the pointer has rested on it.
QString tipOf(QWidget* control) {
    const QPoint centre = control->rect().center();
    QHelpEvent event(QEvent::ToolTip, centre, control->mapToGlobal(centre));
    QCoreApplication::sendEvent(control, &event);
    return control->toolTip();
}

// The tip the user sees over a grid cell (grid row and column, the headers being 0).
QString cellTip(QTableWidget* table, int row, int column) {
    const QRect cell = table->visualRect(table->model()->index(row - 1, column - 1));
    QHelpEvent event(QEvent::ToolTip, cell.center(), table->viewport()->mapToGlobal(cell.center()));
    QCoreApplication::sendEvent(table->viewport(), &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class FieldTipsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ui::registerEditorWindows(); // the program's windows behind the commands
        QVERIFY(dir_.isValid());
    }
    void fieldsShowTheirValuesInTheUsersLanguage_data();
    void fieldsShowTheirValuesInTheUsersLanguage();

private:
    QTemporaryDir dir_;
};

void FieldTipsTest::fieldsShowTheirValuesInTheUsersLanguage_data() {
    QTest::addColumn<int>("code");
    QTest::newRow("English") << 2;
    QTest::newRow("German") << 4;
}

void FieldTipsTest::fieldsShowTheirValuesInTheUsersLanguage() {
    QFETCH(int, code);
    QVERIFY(test::loadTestLanguage(2));
    const std::vector<fields::Field> all = fields::fieldCatalogue();
    std::vector<std::pair<const fields::Field*, const Sample*>> samples;
    for (const Sample& s : kSamples) {
        const fields::Field* f = named(all, s.field, tsw::tr);
        QVERIFY2(f, s.field);
        samples.emplace_back(f, &s);
    }
    QVERIFY(test::loadTestLanguage(code));
    test::resetGlobals(dir_.path());
    MemorySettingsStore settings;
    MainWindow frame(settings, MainWindow::Options{false, nullptr, {}});
    frame.resize(1400, 1000);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    for (const auto& [f, s] : samples) {
        const QString values = QString::fromUtf8(code == 2 ? s->english : s->german);
        const QString label = QString::fromStdString(f->label(tsw::tr));
        frame.runCommand(f->place.command);
        QCoreApplication::processEvents();
        EditorForm* form = frame.openEditorOf(f->place.command);
        QVERIFY2(form, s->field);
        QString tip;
        if (f->place.column < 0) {
            QWidget* control = findControl(form, f->place.control);
            QVERIFY2(control, s->field);
            tip = tipOf(control);
        } else {
            auto* table = form->findChild<QTableWidget*>();
            QVERIFY2(table, s->field);
            if (auto* tabs = form->findChild<QTabWidget*>())
                tabs->setCurrentIndex(f->place.tab);
            QCoreApplication::processEvents();
            tip = cellTip(table, f->place.row, f->place.column);
        }
        QCOMPARE(tip, label + QLatin1Char('\n') + values);
    }
    // The channel edit window: one channel's fields, each with the tip of its kind.
    frame.runCommand(cmd::OpenChannelEdit);
    QCoreApplication::processEvents();
    EditorForm* edit = frame.openEditorOf(cmd::OpenChannelEdit);
    QVERIFY(edit);
    const fields::Field* receive = nullptr;
    for (const fields::Field& f : all)
        if (f.place.command == cmd::ChannelInformation && f.place.row == 1 && f.place.column == 1)
            receive = &f;
    QVERIFY(receive);
    QWidget* list = findControl(edit, receive->place.control);
    QVERIFY(list);
    QCOMPARE(tipOf(list),
             QString::fromStdString(receive->label(tsw::tr)) + QLatin1String("\nin MHz"));
    frame.closeAllEditors();
}

QTEST_MAIN(FieldTipsTest)
#include "FieldTipsTest.moc"
