// The left-panel toggle of each playback tab: a click hides or shows the
// device panel, and the toggle's image follows, the same on every tab.

#include "ArchiveRecord.h"
#include "CVideoPlayback.h"

#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

class TstReplayPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerReplayMetaTypes();
    }

    void toggleImageFollowsThePanel_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("local") << int(CVideoPlayback::LocalTab);
        QTest::newRow("NVR") << int(CVideoPlayback::NvrTab);
        QTest::newRow("cloud") << int(CVideoPlayback::CloudTab);
    }

    void toggleImageFollowsThePanel()
    {
        QFETCH(int, tab);
        CVideoPlayback page;
        page.setCloudTabVisible(true);
        page.tabWidget()->setCurrentIndex(tab);
        page.resize(1400, 900);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QWidget *tabPage = page.tabPage(tab);
        auto *toggle = tabPage->findChild<QPushButton *>(QStringLiteral("m_btnLeftShow"));
        QWidget *panel = tabPage->findChild<QWidget *>(QStringLiteral("widgetLeft"));
        QVERIFY(toggle && panel);

        QStringList seen;
        for (int click = 0; click < 3; ++click) {
            seen << QStringLiteral("%1 %2").arg(panel->isVisible() ? "shown" : "hidden",
                                                toggle->styleSheet().contains("mv_leftShow")   ? "mv_leftShow"
                                                : toggle->styleSheet().contains("mv_leftHide") ? "mv_leftHide"
                                                                                               : "no image");
            QTest::mouseClick(toggle, Qt::LeftButton);
        }
        QCOMPARE(seen, QStringList({"shown mv_leftShow", "hidden mv_leftHide", "shown mv_leftShow"}));
    }
};

QTEST_MAIN(TstReplayPanels)
#include "tst_replaypanels.moc"
