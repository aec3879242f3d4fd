// The program under a dark desktop palette (Fusion with a dark QPalette, as a dark desktop
// theme gives it): what the program paints itself takes the palette's colours, and no window
// shows a light surface of its own.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/CommandIds.h"
#include "app/Settings.h"
#include "app/ui/EditorForm.h"
#include "app/ui/MainWindow.h"
#include "app/ui/main/EditorWindows.h"
#include "editors/feature/ui/RadioPicture.h"
#include "link/ui/ProgressBar.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DarkPalette.h"
#include "tests/support/ui/ModalAnswerer.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

int lightness(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// The largest difference in lightness between `background` and any pixel of `area`.
int contrastIn(const QImage& image, const QRect& area, const QColor& background) {
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            most = std::max(most,
                            std::abs(lightness(image.pixel(x, y)) - lightness(background.rgb())));
    return most;
}

// The share of pixels of `image` that are nearly white.
double lightShare(const QImage& image) {
    qint64 light = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            light += lightness(image.pixel(x, y)) > 225 ? 1 : 0;
    return static_cast<double>(light) / (static_cast<double>(image.width()) * image.height());
}

QImage picture(QWidget* w) {
    return w->grab().toImage().scaled(w->size()); // one pixel a logical pixel
}

const int kEditors[] = {cmd::ChannelInformation, cmd::OpenChannelEdit, cmd::OptionalFeatures,
                        cmd::KeyAssignment,      cmd::ScanInformation, cmd::Dtmf,
                        cmd::CrewLink,           cmd::TestFrequency,   cmd::EmbeddedMessage};
const int kDialogs[] = {cmd::ModelInformation, cmd::HelpAbout, cmd::MemoryMap, cmd::QtDqtTable,
                        cmd::FilePrint};

} // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void paintedWidgetsTakeThePalette_data();
    void paintedWidgetsTakeThePalette();
    void noWindowShowsALightSurface();

private:
    QTemporaryDir dir_;
};

void DarkPaletteTest::initTestCase() {
    ui::registerEditorWindows(); // the program's windows behind the commands
    QVERIFY(dir_.isValid());
    QVERIFY(test::loadTestLanguage(2));
    test::resetGlobals(dir_.path());
    test::applyDarkLook();
}

void DarkPaletteTest::paintedWidgetsTakeThePalette_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

// Each widget that paints itself, in a light and a dark palette: its background is the
// palette's, and what it writes on it stands out from it.
void DarkPaletteTest::paintedWidgetsTakeThePalette() {
    QFETCH(bool, dark);
    QPalette palette = dark ? test::darkPalette() : QPalette(Qt::white);
    if (!dark) {
        palette.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Base, Qt::white);
    }
    struct Sample {
        const char* what;
        std::function<QWidget*()> make;
        QPoint background;
        QPalette::ColorRole role;
        QRect writing; // where it writes on the background (empty: nothing)
    };
    const Sample samples[] = {
        {"radio picture", [] { return new RadioPicture; }, QPoint(3, 3), QPalette::Window,
         QRect(206, 174, 60, 22)}, // the key name "PF2", not marked
        {"progress bar",
         [] {
             auto* bar = new ProgressBar;
             bar->resize(300, 30);
             bar->setRange(0, 100);
             bar->setPos(0);
             return bar;
         },
         QPoint(20, 15), QPalette::Base, QRect(130, 6, 40, 18)}, // "0%" on the empty bar
    };
    for (const Sample& s : samples) {
        std::unique_ptr<QWidget> w(s.make());
        w->setPalette(palette);
        const QImage image = picture(w.get());
        QCOMPARE(QColor(image.pixel(s.background)).name(), palette.color(s.role).name());
        if (!s.writing.isEmpty())
            QVERIFY2(contrastIn(image, s.writing, palette.color(s.role)) > 60, s.what);
    }
}

// Every editor and some dialogs under the dark palette: no light surface (light text aside).
void DarkPaletteTest::noWindowShowsALightSurface() {
    MemorySettingsStore settings;
    test::ScriptedPrompt prompt;
    MainWindow frame(settings, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt);
    frame.resize(1400, 1000);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QStringList problems;
    auto check = [&](QWidget* w, const QString& name) {
        QCoreApplication::processEvents();
        const double share = lightShare(picture(w));
        if (share > 0.05) // text in a light colour is some 1%; a light surface far more
            problems << QStringLiteral("%1: %2% light").arg(name).arg(share * 100, 0, 'f', 1);
    };
    for (const int command : kEditors) {
        frame.runCommand(command);
        QCoreApplication::processEvents();
        EditorForm* form = frame.openEditorOf(command);
        QVERIFY(form);
        check(form->parentWidget(), form->windowTitle());
    }
    check(&frame, QStringLiteral("main window"));
    for (const int command : kDialogs) {
        test::ModalAnswerer answerer([&](QWidget* modal) {
            check(modal, modal->windowTitle());
            modal->close();
            return true;
        });
        frame.runCommand(command);
        QCoreApplication::processEvents();
    }
    frame.closeAllEditors();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(DarkPaletteTest)
#include "DarkPaletteTest.moc"
