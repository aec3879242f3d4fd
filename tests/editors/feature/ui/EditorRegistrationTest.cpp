// The six feature editors are registered for their menu commands (DTMF and CrewLink for
// commands no menu offers) with their help topics and captions.

#include <QtTest>

#include "app/CommandIds.h"
#include "app/ui/EditorRegistry.h"
#include "editors/feature/ui/CCrewLinkView.h"
#include "editors/feature/ui/CDtmfView.h"
#include "editors/feature/ui/CEmbView.h"
#include "editors/feature/ui/CFeatureView.h"
#include "editors/feature/ui/CKeyView.h"
#include "editors/feature/ui/CScanView.h"
#include "editors/feature/ui/FieldBinder.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"

using namespace tsw;
using namespace tsw::ui;

class EditorRegistrationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpGlobals(); }
    void eachCommandOpensItsEditor_data();
    void eachCommandOpensItsEditor();
};

void EditorRegistrationTest::eachCommandOpensItsEditor_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("help");
    QTest::addColumn<int>("title");
    QTest::addColumn<QString>("className");
    QTest::newRow("optional features")
        << cmd::OptionalFeatures << 152 << int(StrId::TitleOptionalFeatures)
        << CFeatureView::staticMetaObject.className();
    QTest::newRow("keys") << cmd::KeyAssignment << 153 << int(StrId::TitleKeyAssignment)
                          << CKeyView::staticMetaObject.className();
    QTest::newRow("scan") << cmd::ScanInformation << 154 << int(StrId::TitleScanInformation)
                          << CScanView::staticMetaObject.className();
    QTest::newRow("dtmf") << cmd::Dtmf << 155 << int(StrId::TitleDtmf)
                          << CDtmfView::staticMetaObject.className();
    QTest::newRow("crewlink") << cmd::CrewLink << 156 << int(StrId::TitleCrewLink)
                              << CCrewLinkView::staticMetaObject.className();
    QTest::newRow("message") << cmd::EmbeddedMessage << 159 << int(StrId::TitleEmbeddedMessage)
                             << CEmbView::staticMetaObject.className();
}

void EditorRegistrationTest::eachCommandOpensItsEditor() {
    QFETCH(int, command);
    QFETCH(int, help);
    QFETCH(int, title);
    QFETCH(QString, className);
    const EditorFactory* factory = findEditorFactory(command);
    QVERIFY(factory);
    std::unique_ptr<EditorForm> form((*factory)());
    QCOMPARE(QString(form->metaObject()->className()), className);
    QCOMPARE(form->helpContext(), help);
    QCOMPARE(form->windowTitle(), langText(title));
}

QTEST_MAIN(EditorRegistrationTest)
#include "EditorRegistrationTest.moc"
