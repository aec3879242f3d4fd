// The six compiled help books: every help context number the program can ask for (listed in
// help/contexts.txt) resolves to its page in every language, as does the default topic, and
// the pages the books hold link only to pages that are there.

#include <QFile>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

namespace {

const char* const kLetters[] = {"d", "e", "f", "g", "i", "s"};

struct Context {
    int number = 0;
    QString page;   // "optional-features.html"
    QString anchor; // "tot", or empty
};

QString bookPath(const QString& letter) {
    return QStringLiteral(TSW_BIN_DIR "/tsw62m_%1.qch").arg(letter);
}

QList<Context> readContexts() {
    QList<Context> contexts;
    QFile file(QStringLiteral(TSW_SOURCE_DIR "/help/contexts.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return contexts;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        const QStringList target = fields.value(1).split(QLatin1Char('#'));
        contexts.append({fields.value(0).toInt(), target.value(0), target.value(1)});
    }
    return contexts;
}

} // namespace

class HelpBooksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void booksCarryTheirLanguagesNamespace_data();
    void booksCarryTheirLanguagesNamespace();
    void everyContextOpensItsPageInEveryLanguage_data();
    void everyContextOpensItsPageInEveryLanguage();
    void linksBetweenPagesLeadToPagesInTheBook_data();
    void linksBetweenPagesLeadToPagesInTheBook();

private:
    QHelpEngineCore& engine(const QString& letter);

    QTemporaryDir dir_;
    std::map<QString, std::unique_ptr<QHelpEngineCore>> engines_;
    QList<Context> contexts_;
};

void HelpBooksTest::initTestCase() {
    QVERIFY(dir_.isValid());
    contexts_ = readContexts();
    QVERIFY2(contexts_.size() > 100, "help/contexts.txt is missing or nearly empty");
    for (const auto& c : contexts_)
        QVERIFY2(c.number > 0 && c.page.endsWith(QLatin1String(".html")), qPrintable(c.page));
}

// One engine per book, each with its own collection, so a book is checked on its own.
QHelpEngineCore& HelpBooksTest::engine(const QString& letter) {
    auto& slot = engines_[letter];
    if (!slot) {
        slot = std::make_unique<QHelpEngineCore>(dir_.filePath(letter + QStringLiteral(".qhc")));
        slot->setReadOnly(false); // a read-only engine (the default) cannot register a book
        slot->setupData();
        slot->registerDocumentation(bookPath(letter));
    }
    return *slot;
}

void HelpBooksTest::booksCarryTheirLanguagesNamespace_data() {
    QTest::addColumn<QString>("letter");
    for (const char* l : kLetters)
        QTest::newRow(l) << QString::fromLatin1(l);
}

void HelpBooksTest::booksCarryTheirLanguagesNamespace() {
    QFETCH(QString, letter);
    QVERIFY2(QFile::exists(bookPath(letter)), qPrintable(bookPath(letter)));
    QCOMPARE(QHelpEngineCore::namespaceName(bookPath(letter)),
             QStringLiteral("talvern.tsw62m.") + letter);
    const QList<QHelpLink> start =
        engine(letter).documentsForIdentifier(QStringLiteral("ctx.default"));
    QCOMPARE(start.size(), 1);
    QCOMPARE(start.first().url.fileName(), QStringLiteral("index.html"));
    QVERIFY(!engine(letter).fileData(start.first().url).isEmpty());
}

void HelpBooksTest::everyContextOpensItsPageInEveryLanguage_data() {
    booksCarryTheirLanguagesNamespace_data();
}

void HelpBooksTest::everyContextOpensItsPageInEveryLanguage() {
    QFETCH(QString, letter);
    QHelpEngineCore& help = engine(letter);
    QStringList failures;
    for (const Context& c : contexts_) {
        const QList<QHelpLink> links =
            help.documentsForIdentifier(QStringLiteral("ctx.%1").arg(c.number));
        if (links.size() != 1) {
            failures << QStringLiteral("ctx.%1: %2 topics").arg(c.number).arg(links.size());
            continue;
        }
        const QUrl url = links.first().url;
        if (url.fileName() != c.page || url.fragment() != c.anchor) {
            failures << QStringLiteral("ctx.%1 opens %2, contexts.txt says %3#%4")
                            .arg(c.number)
                            .arg(url.toString(), c.page, c.anchor);
            continue;
        }
        const QString page = QString::fromUtf8(help.fileData(url));
        if (page.isEmpty())
            failures
                << QStringLiteral("ctx.%1: page %2 is not in the book").arg(c.number).arg(c.page);
        else if (!c.anchor.isEmpty() && !page.contains(QStringLiteral("name=\"%1\"").arg(c.anchor)))
            failures << QStringLiteral("ctx.%1: %2 has no anchor %3")
                            .arg(c.number)
                            .arg(c.page, c.anchor);
        if (links.first().title.isEmpty())
            failures << QStringLiteral("ctx.%1 has no index entry").arg(c.number);
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void HelpBooksTest::linksBetweenPagesLeadToPagesInTheBook_data() {
    booksCarryTheirLanguagesNamespace_data();
}

void HelpBooksTest::linksBetweenPagesLeadToPagesInTheBook() {
    QFETCH(QString, letter);
    QHelpEngineCore& help = engine(letter);
    const QString ns = QStringLiteral("talvern.tsw62m.") + letter;
    const QList<QUrl> files = help.files(ns, QString(), QStringLiteral("html"));
    QVERIFY(files.size() >= 20);
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+\\.html)(?:#([^\"]+))?\""));
    QStringList failures;
    for (const QUrl& file : files) {
        const QString page = QString::fromUtf8(help.fileData(file));
        QVERIFY2(page.contains(QLatin1String("<h1>")), qPrintable(file.toString()));
        for (auto m = href.globalMatch(page); m.hasNext();) {
            const auto match = m.next();
            const QString target =
                QString::fromUtf8(help.fileData(file.resolved(QUrl(match.captured(1)))));
            if (target.isEmpty())
                failures << file.fileName() + QStringLiteral(" links to missing ") +
                                match.captured(1);
            else if (!match.captured(2).isEmpty() &&
                     !target.contains(QStringLiteral("name=\"%1\"").arg(match.captured(2))))
                failures << file.fileName() + QStringLiteral(" links to missing anchor ") +
                                match.captured(0);
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

QTEST_MAIN(HelpBooksTest)
#include "HelpBooksTest.moc"
