// Prints to PDF files and reads them back with poppler's pdfinfo and pdftotext: page counts,
// and the texts a dealer looks for (section titles, a channel frequency, a key function
// name, the embedded message). Set TSW_PRINT_KEEP=<folder> to keep the PDF files for a look.

#include <QProcess>
#include <QtTest>
#include <numeric>
#include <string>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "editors/feature/KeyForm.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrintJob.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::print;
using namespace tsw::print::ui;

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path) {
    const QString info = run("pdfinfo", {path});
    const QRegularExpression pages(R"(Pages:\s+(\d+))");
    const auto match = pages.match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfText(const QString& path) {
    return run("pdftotext", {"-layout", path, "-"});
}
// The page numbers as pdftotext gives them (it drops the blanks of "- 2 -").
bool hasPageNumber(const QString& text, int page) {
    return QString(text).remove(' ').contains(QString("-%1-").arg(page));
}

QString qtr(StringId id) {
    return QString::fromStdString(tr(id)).remove('&');
}

void writeMessage(RadioImage& image, std::size_t offset, const std::string& text) {
    for (std::size_t i = 0; i < layout::kMessageLineLength; ++i)
        image.setByte(offset + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF);
}

} // namespace

// The print module's entry for an editor's own print request (what its window menu calls).
extern "C" bool tsw62m_print_editor(int editorCommand, QWidget* parent);

class PrintOutputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void allSections_data();
    void allSections();
    void printerDialogCancelledPrintsNothing();
    void pageRangeFromThePrintDialog();
    void tuningDataPrintOut_data();
    void tuningDataPrintOut();
    void editorRequestPrintsItsSection();
    void listingPrintsEveryRowOverItsPages();
    void channelTableOnOnePage_data();
    void channelTableOnOnePage();

private:
    QString pdfPath(const QString& name) const;
    void choosePdf(const QString& path, QPageLayout::Orientation orientation);
    test::TempDir dir_;
    QString keep_;
};

void PrintOutputTest::initTestCase() {
    AppGlobals& g = globals();
    g.language.setDirectory(std::string(TSW_SOURCE_DIR) + "/lang");
    QCOMPARE(g.language.load(kRequiredStringIds, 2), 0);
    keep_ = qEnvironmentVariable("TSW_PRINT_KEEP");
}

void PrintOutputTest::init() {
    AppGlobals& g = globals();
    buildDefaultImage(g.image, modelEntry(0).defaultIdentity);
    writeMessage(g.image, layout::kMessageLine1, "Fleet 7 - Harbour Works");
    writeMessage(g.image, layout::kMessageLine2, "Return to J. Doe, ext 42");
    g.currentFileName = "customer.dat";
    sharedPrinter().setPageOrientation(QPageLayout::Portrait);
}

void PrintOutputTest::cleanup() {
    setPrinterChooser(nullptr);
}

QString PrintOutputTest::pdfPath(const QString& name) const {
    const QString folder = keep_.isEmpty() ? QString::fromStdString(dir_.path().string()) : keep_;
    return folder + "/" + name + ".pdf";
}

void PrintOutputTest::choosePdf(const QString& path, QPageLayout::Orientation orientation) {
    setPrinterChooser([path, orientation](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageOrientation(orientation);
        printer.setPrintRange(QPrinter::AllPages);
        return true;
    });
}

void PrintOutputTest::allSections_data() {
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("blank");
    QTest::addColumn<int>("pages");
    // Six single pages and four channel pages; landscape splits Optional Features in two; an
    // image of 0xFF bytes has no channel in use but still one channel page.
    QTest::newRow("portrait") << false << false << 10;
    QTest::newRow("landscape") << true << false << 11;
    QTest::newRow("blank") << false << true << 7;
}

void PrintOutputTest::allSections() {
    QFETCH(bool, landscape);
    QFETCH(bool, blank);
    QFETCH(int, pages);
    if (blank)
        globals().image.fill(0xFF);
    const QString path = pdfPath(QTest::currentDataTag());
    choosePdf(path, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const PrintJob job(PrintSelection{printsel::All, false});
    QPrinter& printer = sharedPrinter();
    QVERIFY(choosePrinter(printer, nullptr));
    QCOMPARE(job.print(printer), pages);
    QCOMPARE(pdfPages(path), pages);

    const QString text = pdfText(path);
    for (StringId title :
         {StrId::PrintTitle, StrId::TitleOptionalFeatures, StrId::TitleKeyAssignment,
          StrId::TitleScanInformation, StrId::TitleTestFrequency, StrId::TitleEmbeddedMessage,
          StrId::TitleQtDqtTable, StrId::TitleChannelInformation})
        QVERIFY2(text.contains(qtr(title)), qPrintable(qtr(title)));
    QVERIFY(hasPageNumber(text, pages));
    QCOMPARE(text.contains("446.00625"), !blank);
    if (blank)
        return;
    const std::string pf1 =
        feature::keyFunctionName(globals().image.byte(layout::kKeyPf1), tsw::tr);
    QVERIFY2(!pf1.empty() && text.contains(QString::fromStdString(pf1)), pf1.c_str());
    QVERIFY(text.contains("Fleet 7 - Harbour Works"));
    QVERIFY(text.contains("Return to J. Doe, ext 42"));
    QVERIFY(text.contains("customer.dat"));
    QVERIFY(text.contains("H5520"));
}

void PrintOutputTest::printerDialogCancelledPrintsNothing() {
    setPrinterChooser([](QPrinter&, QWidget*) { return false; });
    QVERIFY(!printRequest(cmd::KeyAssignment));
    QVERIFY(!printTuningData(nullptr, {}, {}));
}

void PrintOutputTest::pageRangeFromThePrintDialog() {
    const QString path = pdfPath("range");
    setPrinterChooser([path](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        return true;
    });
    const PrintJob job(PrintSelection{printsel::All, false});
    QPrinter& printer = sharedPrinter();
    QVERIFY(choosePrinter(printer, nullptr));
    QCOMPARE(job.print(printer), 2);
    QCOMPARE(pdfPages(path), 2);
    const QString text = pdfText(path);
    QVERIFY(hasPageNumber(text, 2));
    QVERIFY(hasPageNumber(text, 3));
    QVERIFY(!hasPageNumber(text, 1));
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
}

void PrintOutputTest::tuningDataPrintOut_data() {
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << false;
    QTest::newRow("landscape") << true;
}

void PrintOutputTest::tuningDataPrintOut() {
    QFETCH(bool, landscape);
    const QString path = pdfPath(landscape ? "tuning-landscape" : "tuning");
    choosePdf(path, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    std::array<std::uint8_t, kTuningDataSize> tuning{};
    for (std::size_t i = 0; i < tuning.size(); ++i)
        tuning[i] = static_cast<std::uint8_t>(200 + i % 50);
    std::array<std::uint8_t, kTestChannelTableSize> channels{};
    channels.fill(0xFF);
    for (std::size_t i = 0; i < 8; ++i)
        channels[i] = globals().image.byte(layout::kTestFrequencies + i);
    QVERIFY(printTuningData(nullptr, tuning, channels));
    QCOMPARE(pdfPages(path), 1);
    const QString text = pdfText(path);
    QVERIFY(text.contains(qtr(StrId::MenuTestMode)));
    QVERIFY(text.contains(qtr(StrId::TuningVox1)));
    QVERIFY(text.contains("446.00625"));
    QVERIFY(text.contains("211")); // byte 11
    QVERIFY(text.contains("206")); // VOX1 starts from byte 56

    // From the link's tuning values as the Test Mode dialog holds them: 80 values 0..79.
    std::array<int, 80> values{};
    std::iota(values.begin(), values.end(), 0);
    const QString valuesPath = pdfPath(landscape ? "tuning-values-landscape" : "tuning-values");
    choosePdf(valuesPath, QPageLayout::Portrait);
    QVERIFY(printTuningValues(nullptr, values, channels));
    QVERIFY(pdfText(valuesPath).contains("61"));
}

void PrintOutputTest::editorRequestPrintsItsSection() {
    const QString path = pdfPath("editor");
    choosePdf(path, QPageLayout::Portrait);
    QVERIFY(printRequest(cmd::TestFrequency));
    QCOMPARE(pdfPages(path), 1);
    QVERIFY(pdfText(path).contains(qtr(StrId::TitleTestFrequency)));
    QVERIFY(!printRequest(cmd::Dtmf));

    const QString scanPath = pdfPath("editor-entry");
    choosePdf(scanPath, QPageLayout::Portrait);
    QVERIFY(tsw62m_print_editor(cmd::ScanInformation, nullptr));
    const QString text = pdfText(scanPath);
    QVERIFY(text.contains(qtr(StrId::TitleScanInformation)));
    QVERIFY(!text.contains(qtr(StrId::TitleTestFrequency)));
}

// The compare window's print-out: every row on some page, the header on each, the pages
// numbered, the long values apart from each other.
void PrintOutputTest::listingPrintsEveryRowOverItsPages() {
    const QString path = pdfPath("listing");
    choosePdf(path, QPageLayout::Portrait);
    Listing listing{"Differences", {"Field", "In the editors", "other.dat"}, {}};
    for (int i = 1; i <= 30; ++i)
        listing.rows.push_back({"Channel " + std::to_string(i) + " / RX Frequency [MHz]",
                                "446.00625", "446.0" + std::to_string(1000 + i)});
    listing.rows.push_back({"Embedded Message 1", "\"" + std::string(32, 'A') + "\"",
                            "\"" + std::string(32, 'B') + "\""});
    QVERIFY(printListing(nullptr, listing));
    const int pages = pdfPages(path);
    QCOMPARE(pages, static_cast<int>(listingBodies(listing, false).size()));
    QVERIFY(pages >= 2);
    const QString text = pdfText(path);
    QCOMPARE(text.count("other.dat"), pages);
    for (int i = 1; i <= 30; ++i)
        QVERIFY2(text.contains(QStringLiteral("446.0%1").arg(1000 + i)),
                 qPrintable(QString::number(i)));
    QVERIFY(text.contains(QString(32, 'A')));
    QVERIFY(text.contains(QString(32, 'B')));
    QVERIFY(hasPageNumber(text, pages));
}

void PrintOutputTest::channelTableOnOnePage_data() {
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << false;
    QTest::newRow("landscape") << true;
}

// All 16 channels as rows of one table on one page, whatever the orientation: each row starts
// with its number and the receive frequency the channel table shows.
void PrintOutputTest::channelTableOnOnePage() {
    QFETCH(bool, landscape);
    const QString path = pdfPath(landscape ? "channel-table-landscape" : "channel-table");
    choosePdf(path, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const PrintJob job(PrintSelection{printsel::ChannelInformation, false, true});
    QPrinter& printer = sharedPrinter();
    QVERIFY(choosePrinter(printer, nullptr));
    QCOMPARE(job.print(printer), 1);
    QCOMPARE(pdfPages(path), 1);
    const QString text = pdfText(path);
    QVERIFY(text.contains(qtr(StrId::TitleChannelInformation)));
    QVERIFY(text.contains(qtr(StrId::EncodeToneLabel).split(' ').last()));
    const QRegularExpression row(R"(^\s*(\d+)\s+(446\.\d{5})\s+446\.\d{5}\s)",
                                 QRegularExpression::MultilineOption);
    QStringList numbers;
    for (auto it = row.globalMatch(text); it.hasNext();)
        numbers << it.next().captured(1);
    QStringList expected;
    for (int n = 1; n <= 16; ++n)
        expected << QString::number(n);
    QCOMPARE(numbers, expected);
}

QTEST_MAIN(PrintOutputTest)
#include "PrintOutputTest.moc"
