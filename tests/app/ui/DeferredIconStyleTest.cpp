// The application style that reads some standard icons only when they are drawn: each such
// icon draws exactly what the platform's style would have drawn, at every size and mode, with
// or without the option a widget passes; other icons come from the style as they are.

#include <QPainter>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "app/ui/DeferredIconStyle.h"

using namespace tsw::ui;

class DeferredIconStyleTest : public QObject {
    Q_OBJECT
private slots:
    void deferredIconsDrawWhatTheStyleDraws_data();
    void deferredIconsDrawWhatTheStyleDraws();
    void otherIconsComeFromTheStyle();
    void toolBarExtensionShowsTheStylesIcon();
};

void DeferredIconStyleTest::deferredIconsDrawWhatTheStyleDraws_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("withOption");
    const QStyle::StandardPixmap icons[] = {QStyle::SP_ToolBarHorizontalExtensionButton,
                                            QStyle::SP_ToolBarVerticalExtensionButton,
                                            QStyle::SP_TitleBarMenuButton,
                                            QStyle::SP_TitleBarMinButton,
                                            QStyle::SP_TitleBarMaxButton,
                                            QStyle::SP_TitleBarCloseButton,
                                            QStyle::SP_TitleBarNormalButton,
                                            QStyle::SP_TitleBarContextHelpButton};
    for (QStyle::StandardPixmap icon : icons) {
        QVERIFY(DeferredIconStyle::isDeferred(icon));
        QTest::addRow("%d", int(icon)) << int(icon) << false;
        QTest::addRow("%d with option", int(icon)) << int(icon) << true;
    }
}

void DeferredIconStyleTest::deferredIconsDrawWhatTheStyleDraws() {
    QFETCH(int, icon);
    QFETCH(bool, withOption);
    DeferredIconStyle style;
    const auto which = QStyle::StandardPixmap(icon);
    QStyleOption option;
    option.direction = Qt::LeftToRight;
    const QStyleOption* opt = withOption ? &option : nullptr;
    const QIcon deferred = style.standardIcon(which, opt);
    const QIcon direct = style.baseStyle()->standardIcon(which, opt);

    QCOMPARE(deferred.isNull(), direct.isNull());
    QCOMPARE(deferred.availableSizes(), direct.availableSizes());
    for (const QSize size : {QSize(16, 16), QSize(24, 24), QSize(48, 48)}) {
        QCOMPARE(deferred.actualSize(size), direct.actualSize(size));
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
            QCOMPARE(deferred.pixmap(size, 1.0, mode).toImage(),
                     direct.pixmap(size, 1.0, mode).toImage());
            QCOMPARE(deferred.pixmap(size, 2.0, mode).toImage(),
                     direct.pixmap(size, 2.0, mode).toImage());
        }
        QImage painted(size, QImage::Format_ARGB32_Premultiplied);
        QImage expected(size, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        expected.fill(Qt::transparent);
        QPainter p1(&painted);
        deferred.paint(&p1, QRect(QPoint(), size));
        p1.end();
        QPainter p2(&expected);
        direct.paint(&p2, QRect(QPoint(), size));
        p2.end();
        QCOMPARE(painted, expected);
    }
    // A copy made before the first drawing draws the same.
    const QIcon copy = style.standardIcon(which, opt);
    const QIcon copied = copy; // NOLINT: the copy is the point
    QCOMPARE(copied.pixmap(QSize(16, 16), 1.0).toImage(),
             direct.pixmap(QSize(16, 16), 1.0).toImage());
}

void DeferredIconStyleTest::otherIconsComeFromTheStyle() {
    DeferredIconStyle style;
    for (QStyle::StandardPixmap which :
         {QStyle::SP_MessageBoxWarning, QStyle::SP_ArrowUp, QStyle::SP_MediaPlay}) {
        QVERIFY(!DeferredIconStyle::isDeferred(which));
        const QIcon icon = style.standardIcon(which);
        QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).toImage(),
                 style.baseStyle()->standardIcon(which).pixmap(QSize(16, 16), 1.0).toImage());
    }
}

void DeferredIconStyleTest::toolBarExtensionShowsTheStylesIcon() {
    // A tool bar too narrow for its actions shows its extension button with the style's icon.
    installDeferredIconStyle();
    QVERIFY(qobject_cast<DeferredIconStyle*>(QApplication::style()));
    QToolBar bar;
    for (int i = 0; i < 20; ++i)
        bar.addAction(QStringLiteral("Action %1").arg(i));
    bar.resize(120, 40);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QToolButton* extension = nullptr;
    for (auto* button : bar.findChildren<QToolButton*>())
        if (button->objectName() == QLatin1String("qt_toolbar_ext_button"))
            extension = button;
    QVERIFY(extension);
    QTRY_VERIFY(extension->isVisible());
    const auto* base = static_cast<QProxyStyle*>(QApplication::style())->baseStyle();
    QStyleOption option;
    option.initFrom(extension);
    QCOMPARE(extension->icon().pixmap(QSize(16, 16), 1.0).toImage(),
             base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option)
                 .pixmap(QSize(16, 16), 1.0)
                 .toImage());
}

QTEST_MAIN(DeferredIconStyleTest)
#include "DeferredIconStyleTest.moc"
