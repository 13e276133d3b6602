#include "FFmpegReplayWidget.h"
#include "../support/StoredRows.h"
#include "I420Render2.h"
#include "OrmHelper.h"
#include "SettingsKeeper.h"
#include "TestMedia.h"
#include "../support/QueuedSpy.h"

#include <QImage>
#include <QMenu>
#include <QVBoxLayout>
#include <QScopeGuard>
#include <QtTest>

#include <atomic>
#include <thread>

class TestReplay : public QObject
{
    Q_OBJECT
private:
    QString m_clip[4];
    QString m_short, m_265;
    AVRational m_timeBase{1, 1000}; // of the pane clips' video

    static qint64 shown(FFmpegReplayWidget &w, int i) { return w.paneRender(i)->framesReceived(); }

    // Waits for `count` more pictures on a playing pane: a clock made of
    // pictures, for checks that nothing comes elsewhere meanwhile.
    static bool picturesOn(FFmpegReplayWidget &w, int i, int count)
    {
        const qint64 target = shown(w, i) + count;
        return QTest::qWaitFor([&] { return shown(w, i) >= target; }, 30000);
    }

    // Media time (ms) of the picture a pane shows, from the picture's own
    // stamp: pictures a busy display skipped do not change it.
    qint64 position(FFmpegReplayWidget &w, int i) const
    {
        const std::shared_ptr<AVFrame> frame = w.paneRender(i)->currentFrame();
        if (!frame || frame->best_effort_timestamp == AV_NOPTS_VALUE)
            return -1;
        return av_rescale_q(frame->best_effort_timestamp, m_timeBase, AVRational{1, 1000});
    }

    // Seconds reported for the focused pane.
    static QList<qlonglong> seconds(const QList<QList<QVariant>> &spy, int index)
    {
        QList<qlonglong> out;
        for (const auto &args : spy)
            if (args.at(0).toInt() == index)
                out << args.at(1).toLongLong();
        return out;
    }

private slots:
    void initTestCase()
    {
        player::registerMetaTypes();
        for (int i = 0; i < 4; ++i) {
            m_clip[i] = testmedia::makeClip(QString("pane%1.mp4").arg(i), "h264", 10);
            QVERIFY(!m_clip[i].isEmpty());
        }
        m_short = testmedia::makeClip("short.mp4", "h264", 3);
        m_265 = testmedia::makeClip("short265.mp4", "h265", 3);
        QVERIFY(!m_short.isEmpty() && !m_265.isEmpty());
        AVFormatContext *fmt = nullptr;
        QVERIFY(avformat_open_input(&fmt, m_clip[0].toUtf8().constData(), nullptr, nullptr) >= 0);
        m_timeBase = fmt->streams[0]->time_base;
        avformat_close_input(&fmt);
    }

    void fourPanesSpeedAndPause()
    {
        FFmpegReplayWidget w;
        w.resize(800, 600);
        w.show();
        for (int i = 0; i < 4; ++i)
            QVERIFY(w.playFile(i, m_clip[i]));
        w.setSpeed(1, 2.0f);
        QCOMPARE(w.speed(1), 2.0f);
        QTRY_VERIFY_WITH_TIMEOUT(shown(w, 2) > 0, 5000);
        QVERIFY(w.pause(2));
        QVERIFY(w.isPaused(2));
        QVERIFY(picturesOn(w, 0, 5)); // a picture already due may still come to pane 2
        const qint64 base[4] = {shown(w, 0), shown(w, 1), shown(w, 2), shown(w, 3)};
        const qint64 at[4] = {position(w, 0), position(w, 1), position(w, 2), position(w, 3)};
        QVERIFY(at[0] >= 0 && at[1] >= 0 && at[3] >= 0);
        // Two seconds of pane 0's pictures at 1x: the others' pictures went
        // by at their own speeds meanwhile (their stamps, not the wall clock).
        QTRY_VERIFY_WITH_TIMEOUT(position(w, 0) >= at[0] + 2000, 20000);
        const qint64 m0 = position(w, 0) - at[0], m1 = position(w, 1) - at[1], m3 = position(w, 3) - at[3];
        const qint64 d2 = shown(w, 2) - base[2];
        qInfo() << "media ms while pane 0 played 2 s:" << m0 << m1 << m3 << "pictures on the paused pane:" << d2;
        QVERIFY2(m3 * 10 >= m0 * 7 && m3 * 10 <= m0 * 13, qPrintable(QString("%1 %2").arg(m0).arg(m3)));
        QVERIFY2(m1 * 10 >= m0 * 16 && m1 * 10 <= m0 * 24, qPrintable(QString("%1 %2").arg(m0).arg(m1)));
        QCOMPARE(d2, qint64(0));
        QVERIFY(w.resume(2));
        QVERIFY(!w.isPaused(2));
        QTRY_VERIFY_WITH_TIMEOUT(shown(w, 2) > base[2], 2000);
        w.stopAll();
        for (int i = 0; i < 4; ++i) {
            QVERIFY(w.isStopped(i));
            QVERIFY(!w.isPlaying(i));
            QCOMPARE(w.speed(i), 1.0f);
            QVERIFY(!w.paneRender(i)->currentFrame());
        }
    }

    void seekIntoTheMiddle()
    {
        FFmpegReplayWidget w;
        w.show();
        w.setFocusIndex(1);
        QueuedSpy sec(&w, &FFmpegReplayWidget::emitReplayTimestampS);
        QVERIFY(w.playFile(1, m_clip[1]));
        QTRY_VERIFY_WITH_TIMEOUT(sec.count() > 0, 5000);
        QCOMPARE(seconds(sec, 1).first(), 0LL);
        w.seek(1, 5000);
        sec.clear();
        QTRY_VERIFY_WITH_TIMEOUT(sec.count() >= 2, 4000);
        const QList<qlonglong> after = seconds(sec, 1);
        QVERIFY2(after.first() >= 5 && after.first() <= 6, qPrintable(QString::number(after.first())));
        // Only the focused pane reports its time.
        QVERIFY(w.playFile(2, m_clip[2]));
        QVERIFY(picturesOn(w, 2, 5));
        QCOMPARE(seconds(sec, 2).size(), 0);
    }

    void endOfFile()
    {
        FFmpegReplayWidget w;
        QueuedSpy done(&w, &FFmpegReplayWidget::emitPlayFinished);
        QueuedSpy errors(&w, &FFmpegReplayWidget::emitPlayError);
        w.setSpeed(3, 4.0f);
        QVERIFY(w.playFile(3, m_short));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        QCOMPARE(done.first().at(0).toInt(), 3);
        QCOMPARE(done.first().at(1).toString(), m_short);
        QCOMPARE(w.playUrl(3), m_short);
        QCOMPARE(errors.count(), 0);
        w.setPlayUrl(0, QDir::current().filePath("missing.mp4"));
        w.play(0);
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 5000);
        QCOMPARE(errors.first().at(0).toInt(), 0);
    }

    void snapshot()
    {
        FFmpegReplayWidget w;
        QueuedSpy cap(&w, &FFmpegReplayWidget::emitCaptureResult);
        const QString none = QDir::current().filePath("none.jpg");
        w.setKey(2, none); // nothing plays there
        QTRY_COMPARE(cap.count(), 1);
        QCOMPARE(cap.first().at(0).toBool(), false);
        cap.clear();
        QVERIFY(w.playFile(2, m_clip[2]));
        const QString path = QDir::current().filePath("cap/replay.jpg");
        w.setKey(2, path);
        QTRY_COMPARE_WITH_TIMEOUT(cap.count(), 1, 5000);
        QVERIFY(cap.first().at(0).toBool());
        QCOMPARE(cap.first().at(1).toString(), path);
        QCOMPARE(QImage(path).size(), QSize(320, 240));
        // A paused pane shows no new picture: the one on screen is saved.
        QVERIFY(w.playFile(3, m_clip[3]));
        QVERIFY(w.pause(2));
        QVERIFY(picturesOn(w, 3, 4)); // a picture already due may still come
        cap.clear();
        const QString paused = QDir::current().filePath("cap/paused.jpg");
        w.setKey(2, paused);
        QTRY_COMPARE_WITH_TIMEOUT(cap.count(), 1, 2000);
        QVERIFY(cap.first().at(0).toBool());
        QCOMPARE(QImage(paused).size(), QSize(320, 240));
        // A request that no picture answers fails when the pane stops.
        w.initStream("k", 1, false, true);
        w.play(1);
        QTRY_VERIFY(w.isPlaying(1));
        cap.clear();
        w.setKey(1, QDir::current().filePath("cap/never.jpg"));
        QVERIFY(picturesOn(w, 3, 3));
        QCOMPARE(cap.count(), 0);
        w.stop(1);
        QTRY_COMPARE_WITH_TIMEOUT(cap.count(), 1, 1000);
        QCOMPARE(cap.first().at(0).toBool(), false);
    }

    void pushedStreams_data()
    {
        QTest::addColumn<bool>("h265");
        QTest::addColumn<qint64>("gapMs");
        QTest::newRow("h264") << false << qint64(0);
        QTest::newRow("h265") << true << qint64(0);
        // A hole in the device's times (a gap in the recording) is skipped,
        // not waited out.
        QTest::newRow("h264-gap") << false << qint64(3000);
    }
    void pushedStreams()
    {
        QFETCH(bool, h265);
        QFETCH(qint64, gapMs);
        const auto frames = testmedia::annexBFrames(h265 ? m_265 : m_short);
        QVERIFY(frames.size() >= 70);
        FFmpegReplayWidget w;
        w.show();
        w.setCustomIo(true);
        w.setFocusIndex(2);
        QueuedSpy sec(&w, &FFmpegReplayWidget::emitReplayTimestampS);
        QueuedSpy ms(&w, &FFmpegReplayWidget::emitReplayTimestampMS);
        const qint64 dayMs = 10 * 3600 * 1000LL; // the device's time: 10:00:00 into the day
        const QString key = "192.168.1.10_1";
        w.initStream(key, 2, h265, true);
        QVERIFY(w.isInitialized(2));
        // Data that comes before play() waits for the pane.
        std::atomic_bool go{false};
        std::atomic_bool stopWorker{false};
        std::thread worker([&] {
            for (int i = 0; i < frames.size() && !stopWorker; ++i) {
                if (i == 10)
                    go = true;
                const qint64 t = dayMs + frames[i].ms + (i >= 40 ? gapMs : 0);
                w.appendData(key, frames[i].data.constData(), frames[i].data.size(), t, 0);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        // A failed check must not leave the feeders running.
        auto joinWorker = qScopeGuard([&] {
            stopWorker = true;
            worker.join();
        });
        QTRY_VERIFY_WITH_TIMEOUT(go.load(), 3000);
        // The clock of this check: another pane, fed at its own pace with a
        // stream without holes, plays alongside. A hole skipped costs the pane
        // at most the player's one second of slack (25 pictures of the other
        // pane), a hole waited out the whole gap.
        const auto steady = testmedia::annexBFrames(m_clip[3]);
        QVERIFY(steady.size() >= 200);
        const QString steadyKey = "192.168.1.10_2";
        w.initStream(steadyKey, 3, false, true);
        QVERIFY(w.isInitialized(3));
        std::atomic_bool stopSteady{false};
        std::thread steadyFeed([&] {
            for (int i = 0; i < steady.size() && !stopSteady; ++i) {
                w.appendData(steadyKey, steady[i].data.constData(), steady[i].data.size(), dayMs + steady[i].ms, 0);
                std::this_thread::sleep_for(std::chrono::milliseconds(40));
            }
        });
        auto joinSteady = qScopeGuard([&] {
            stopSteady = true;
            steadyFeed.join();
        });
        w.play(3);
        w.play(2);
        // Pictures a busy display skipped count too: they had their time.
        QVERIFY(QTest::qWaitFor([&] { return w.framesDecoded(2) > 70; }, 30000));
        const qint64 steadyShown = shown(w, 3);
        // 75 pictures, with or without the hole: about as many on the other pane.
        QVERIFY2(steadyShown <= 70 + 50, qPrintable(QString::number(steadyShown)));
        joinSteady.dismiss();
        stopSteady = true;
        steadyFeed.join();
        w.stop(3);
        joinWorker.dismiss();
        worker.join();
        QCOMPARE(w.paneRender(2)->frameSize(), QSize(320, 240));
        const QList<qlonglong> s = seconds(sec, 2);
        QVERIFY(!s.isEmpty());
        QCOMPARE(s.first(), 36000LL);
        QVERIFY(s.last() >= 36001 + gapMs / 1000 && s.last() <= 36003 + gapMs / 1000);
        QVERIFY(!ms.isEmpty());
        const qulonglong first = ms.first().at(0).toULongLong();
        QVERIFY2(first >= qulonglong(dayMs) && first < qulonglong(dayMs + 100), qPrintable(QString::number(first)));
        // Data for a key no pane has is dropped.
        w.appendData("other", frames[0].data.constData(), frames[0].data.size(), 0, 0);
        // Seek of a pushed stream empties the queues; stop ends the pane.
        w.seek(2, 0);
        w.stop(2);
        QVERIFY(w.isStopped(2));
        QVERIFY(!w.isInitialized(2));
    }

    void foreignThreadsWhileStopping()
    {
        // The cloud window's receiver: initStream/play/appendData from the
        // library's thread while the GUI stops and restarts the panes.
        const auto frames = testmedia::annexBFrames(m_short);
        auto *w = new FFmpegReplayWidget;
        w->show();
        w->setCustomIo(true);
        std::atomic_bool quit{false};
        std::atomic_int pushes[2] = {{0}, {0}};
        // Waits until each receiver has pushed a few more frames.
        const auto morePushes = [&pushes](int count) {
            const int from[2] = {pushes[0].load(), pushes[1].load()};
            return QTest::qWaitFor([&] { return pushes[0] >= from[0] + count && pushes[1] >= from[1] + count; }, 10000);
        };
        std::vector<std::thread> workers;
        for (int t = 0; t < 2; ++t) {
            workers.emplace_back([&, t] {
                const QString key = QString::number(t);
                int i = 0;
                while (!quit) {
                    if (!w->isInitialized(t) && !w->isStopped(t)) {
                        w->initStream(key, t, false, true);
                        w->play(t);
                    }
                    const auto &f = frames[i % frames.size()];
                    w->appendData(key, f.data.constData(), f.data.size(), f.ms + 3000 * (i / frames.size()), 0);
                    ++i;
                    ++pushes[t];
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                }
            });
        }
        // A failed check must not leave the receivers running.
        auto joinWorkers = qScopeGuard([&] {
            quit = true;
            for (auto &t : workers)
                t.join();
        });
        for (int round = 0; round < 6; ++round) {
            // The pane plays again (set up by its receiver) unless stopped
            // with all the others, with data coming.
            const int pane = round % 2;
            QVERIFY(QTest::qWaitFor([&] { return w->isPlaying(pane) || w->isStopped(pane); }, 10000));
            QVERIFY(morePushes(100));
            w->stop(round % 2);
            QVERIFY(morePushes(10));   // data for the stopped pane
            w->resetParams(round % 2); // lets the receiver set the pane up again
            if (round == 3)
                w->stopAll();
        }
        QTRY_VERIFY_WITH_TIMEOUT(shown(*w, 0) + shown(*w, 1) > 0, 5000);
        w->stopAll(); // while the data still comes
        QVERIFY(morePushes(50));
        // The receiver is unregistered before its widget goes, as the cloud
        // window does; the players are still running when it is deleted.
        w->resetParams(0);
        QVERIFY(morePushes(50));
        joinWorkers.dismiss();
        quit = true;
        for (auto &t : workers)
            t.join();
        delete w;
    }

    void paneBookkeeping()
    {
        FFmpegReplayWidget w;
        QueuedSpy focus(&w, &FFmpegReplayWidget::emitFocusViewChanged);
        QCOMPARE(w.focusIndex(), 0);
        w.setFocusIndex(3);
        QCOMPARE(w.focusIndex(), 3);
        w.setFocusIndex(-1);
        w.setFocusIndex(7);
        QCOMPARE(w.focusIndex(), 3);
        // What was emitted is delivered by the first pass of the event loop.
        QTRY_COMPARE(focus.count(), 1);
        QCOMPARE(focus.first().at(0).toInt(), 3);
        QCOMPARE(w.playUrl(5), QString());
        QCOMPARE(w.speed(5), 0.0f);
        QVERIFY(!w.isPaused(5));
        QVERIFY(!w.pause(1)); // nothing plays
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("index  invalied"));
        w.resetParams(4);
        w.setOverlayText(1, "Cam A");
        QCOMPARE(w.paneRender(1)->overlayText(), QString("Connecting to [Cam A]"));
        w.setPlayUrl(1, "/x.mp4");
        QCOMPARE(w.playUrl(1), QString("/x.mp4"));
    }

    void hardwareDecodeFollowsSettings()
    {
        QVERIFY(!FFmpegReplayWidget::hardwareDecodeEnabled()); // no database yet
        QVERIFY(OrmHelper::instance()->init());
        QSharedPointer<CMS_Config_V2> config = storedConfig();
        QVERIFY(config);
        config->bHardwareDecode = true;
        QVERIFY(OrmHelper::saveConfig(config));
        QVERIFY(FFmpegReplayWidget::hardwareDecodeEnabled());
        // Unread, said and read again: the stored choice follows once read.
        OrmDatabase::setFailingStatementForTesting(QStringLiteral("FROM CMS_Config_V2"));
        SettingsKeeper::forgetForTesting();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Hardware decoding unknown, the settings cannot be read"));
        QVERIFY(!FFmpegReplayWidget::hardwareDecodeEnabled());
        OrmDatabase::setFailingStatementForTesting(QString());
        QTRY_VERIFY(FFmpegReplayWidget::hardwareDecodeEnabled());
        FFmpegReplayWidget::setHardwareDecodeEnabled(false); // the owner's choice wins
        QVERIFY(!FFmpegReplayWidget::hardwareDecodeEnabled());
    }

    void fullScreenAndEsc()
    {
        QWidget host;
        auto *layout = new QVBoxLayout(&host);
        auto *w = new FFmpegReplayWidget(&host);
        layout->addWidget(w);
        host.show();
        QueuedSpy changed(w, &FFmpegReplayWidget::sigFullScreenChanged);
        QueuedSpy moved(w, &FFmpegReplayWidget::sigFullScreenMouseMove);
        w->setFullScreen();
        QVERIFY(w->isFullScreenMode());
        QVERIFY(w->isWindow());
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(0).toBool(), true);
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->paneRender(0)->parentWidget(), &move);
        QTRY_COMPARE(moved.count(), 1);
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isFullScreenMode());
        QVERIFY(!w->isWindow());
        QTRY_COMPARE(changed.count(), 2);
        QCOMPARE(changed.last().at(0).toBool(), false);
    }

    void contextMenuActions()
    {
        FFmpegReplayWidget w;
        w.show();
        QVERIFY(w.playFile(0, m_clip[0]));
        QueuedSpy cap(&w, &FFmpegReplayWidget::emitSigCapture);
        QueuedSpy stop(&w, &FFmpegReplayWidget::emitSigStop);
        w.slotContextMenu(0, w.mapToGlobal(QPoint(10, 10)));
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = w.findChild<QMenu *>()) != nullptr);
        const auto actions = menu->actions();
        QCOMPARE(actions.size(), 4);
        actions[0]->trigger();
        actions[3]->trigger();
        QTRY_COMPARE(cap.count(), 1);
        QCOMPARE(stop.count(), 1);
        QCOMPARE(cap.first().at(0).toInt(), 0);
    }
};

QTEST_MAIN(TestReplay)
#include "tst_replay.moc"
