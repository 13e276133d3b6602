#include "Authentication.h"
#include "../support/StoredRows.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "CustomDialog.h"
#include "MaskWidget.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "Platform.h"

#include "../support/Keyboard.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QCursor>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

// Runs `action` on the dialog once it is the active modal widget.
void closeModal(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

// A dialog left open would block exec() until the test run times out: a
// failed check inside `action` closes it at once, a dialog the action simply
// leaves open is closed after 10 s and fails the test. Polling stops when the
// test function that armed it ends.
void whenModal(std::function<void(QWidget *)> action)
{
    const QByteArray test = QTest::currentTestFunction();
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action, test] {
        if (test != QTest::currentTestFunction()) {
            poll->stop();
            poll->deleteLater();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        QPointer<QWidget> guard(modal);
        action(modal);
        if (!guard || !guard->isVisible())
            return;
        if (QTest::currentTestFailed()) {
            closeModal(guard);
            return;
        }
        QTimer::singleShot(10000, guard, [guard, test] {
            if (guard && guard->isVisible() && test == QTest::currentTestFunction()) {
                QTest::qFail("whenModal's action left its dialog open", __FILE__, __LINE__);
                closeModal(guard);
            }
        });
    });
    poll->start();
}

template <class T> T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class TstDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void tipsDialogResults_data();
    void tipsDialogResults();
    void tipsDialogEscKeepsItOpen();
    void showMessageShowsOnlyAskedButtonsAndIcon();
    void showMessageUnknownIconShowsEmptyPlaces();
    void baseDialogDragStopsAtScreenEdge();
    void baseDialogHooksAndLook();

    void toastSlidesAndCloses();
    void toastHoverHoldsIt();
    void toastWithLinkStaysToBeClicked_data();
    void toastWithLinkStaysToBeClicked();
    void toastRestsClearOfControls_data();
    void toastRestsClearOfControls();
    void toastRestsOverItsWindow_data();
    void toastRestsOverItsWindow();
    void toastsTakeTheirOwnPlaces_data();
    void toastsTakeTheirOwnPlaces();
    void toastMovesOffWhatComesUnderIt_data();
    void toastMovesOffWhatComesUnderIt();
    void toastTextIsLiteral();
    void toastLinkOpensFolder();
    void toastBecomesChildOfModalDialog();

    void maskFollowsNestedDialogs();
    void maskIgnoresUnlistedAndUnshown();
    void maskSameNameDialogsAreTrackedApart();
    void maskSurvivesDeletedDialog();
    void maskWithoutCompositorIsPaintedInside();

    void authenticationPasswords_data();
    void authenticationPasswords();
    void authenticationIgnoresRememberedPassword();
    void authenticationCancelAndEnter();
    void passwordViewAsksForAuthentication();

private:
    QTemporaryDir m_dir;
    QList<QUrl> m_launched;
};

void TstDialogs::initTestCase()
{
    Q_INIT_RESOURCE(Resources);
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QString error;
    QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
    Platform::setUrlLauncher([this](const QUrl &url) {
        m_launched.append(url);
        return true;
    });
    MaskWidget::instance()->setDialogNames();
}

void TstDialogs::tipsDialogResults_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "ok" << 1;
    QTest::newRow("Return") << "return" << 1;
    QTest::newRow("Enter") << "enter" << 1;
    QTest::newRow("Cancel") << "cancel" << 0;
    QTest::newRow("close button") << "close" << 0;
    QTest::newRow("window closed") << "closeWindow" << 0;
    // Esc does nothing: OK after it still confirms.
    QTest::newRow("Esc, then OK") << "escape" << 1;
}

void TstDialogs::tipsDialogResults()
{
    QFETCH(QString, action);
    QFETCH(int, result);
    whenModal([action](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("TipsWidget"));
        if (action == QLatin1String("ok"))
            QTest::mouseClick(child<QPushButton>(dialog, "pushButtonOK"), Qt::LeftButton);
        else if (action == QLatin1String("return"))
            QTest::keyClick(dialog, Qt::Key_Return);
        else if (action == QLatin1String("enter"))
            QTest::keyClick(dialog, Qt::Key_Enter);
        else if (action == QLatin1String("cancel"))
            QTest::mouseClick(child<QPushButton>(dialog, "pushButtonCancel"), Qt::LeftButton);
        else if (action == QLatin1String("close"))
            QTest::mouseClick(child<QPushButton>(dialog, "pushButtonClose"), Qt::LeftButton);
        else if (action == QLatin1String("escape")) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            if (dialog->isVisible())
                QTest::mouseClick(child<QPushButton>(dialog, "pushButtonOK"), Qt::LeftButton);
        } else
            dialog->close();
    });
    QCOMPARE(CustomDialog::showMessage(QStringLiteral("Are you sure?"), true, true, 0), result);
}

void TstDialogs::tipsDialogEscKeepsItOpen()
{
    whenModal([](QWidget *dialog) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(); // a close the key posted
        if (dialog->isVisible())
            QTest::keyClick(dialog, Qt::Key_Return); // confirms with OK hidden
    });
    QCOMPARE(CustomDialog::showMessage(QStringLiteral("Esc stays"), false, false, 1), 1);
}

void TstDialogs::showMessageShowsOnlyAskedButtonsAndIcon()
{
    bool checked = false;
    whenModal([&checked](QWidget *dialog) {
        QVERIFY(child<QPushButton>(dialog, "pushButtonOK")->isVisible());
        QVERIFY(!child<QPushButton>(dialog, "pushButtonCancel")->isVisible());
        QVERIFY(child<QPushButton>(dialog, "pushButtonIcon")->isVisible());
        QVERIFY(child<QPushButton>(dialog, "pushButtonIcon")->styleSheet().contains(QStringLiteral("icon/info.png")));
        auto *icon = child<QLabel>(dialog, "labelInfoIcon");
        QVERIFY(icon->isVisible());
        QVERIFY(!icon->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(icon->pixmap(Qt::ReturnByValue).size(), QSize(30, 30));
        QCOMPARE(child<QLabel>(dialog, "labelInfo")->text(), QStringLiteral("Saved"));
        QCOMPARE(child<QLabel>(dialog, "labelTitle")->text(), QStringLiteral("Tips"));
        checked = true;
        QTest::mouseClick(child<QPushButton>(dialog, "pushButtonClose"), Qt::LeftButton);
    });
    QCOMPARE(CustomDialog::showMessage(QStringLiteral("Saved"), false, true, 1), 0);
    QVERIFY(checked);
}

void TstDialogs::showMessageUnknownIconShowsEmptyPlaces()
{
    bool checked = false;
    whenModal([&checked](QWidget *dialog) {
        auto *icon = child<QLabel>(dialog, "labelInfoIcon");
        QVERIFY(icon->pixmap(Qt::ReturnByValue).isNull());
        checked = true;
        QTest::mouseClick(child<QPushButton>(dialog, "pushButtonOK"), Qt::LeftButton);
    });
    QCOMPARE(CustomDialog::showMessage(QStringLiteral("No icon"), true, true, 7), 1);
    QVERIFY(checked);
    QVERIFY(CustomDialog::iconPath(7).isEmpty());
}

void TstDialogs::baseDialogDragStopsAtScreenEdge()
{
    QRect all;
    for (QScreen *s : QGuiApplication::screens())
        all = all.united(s->geometry());

    DropShadowWidget dialog;
    dialog.setModal(false);
    dialog.resize(300, 200);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // A right-button press does not start a drag.
    QTest::mousePress(&dialog, Qt::RightButton, {}, QPoint(10, 10));
    QMouseEvent rightMove(QEvent::MouseMove, QPoint(60, 60), Qt::RightButton, Qt::RightButton, {});
    QApplication::sendEvent(&dialog, &rightMove);
    QCOMPARE(dialog.pos(), QPoint(100, 100));
    QTest::mouseRelease(&dialog, Qt::RightButton, {}, QPoint(60, 60));

    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPoint(40, 30), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&dialog, &move);
    QCOMPARE(dialog.pos(), QPoint(130, 120));
    QMouseEvent far(QEvent::MouseMove, QPoint(-5000, -5000), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&dialog, &far);
    QCOMPARE(dialog.pos(), all.topLeft());
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(0, 0));
    QMouseEvent after(QEvent::MouseMove, QPoint(50, 50), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&dialog, &after);
    QCOMPARE(dialog.pos(), all.topLeft());

    // The tips dialog drags without the clamp.
    CustomDialog tips;
    tips.setModal(false);
    tips.move(100, 100);
    tips.show();
    QTest::mousePress(&tips, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent off(QEvent::MouseMove, QPoint(-4990, 10), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&tips, &off);
    QCOMPARE(tips.pos(), QPoint(100 - 5000, 100));
    QTest::mouseRelease(&tips, Qt::LeftButton, {}, QPoint(0, 0));
}

void TstDialogs::baseDialogHooksAndLook()
{
    DropShadowWidget dialog;
    QCOMPARE(dialog.windowFlags(), Qt::Dialog | Qt::FramelessWindowHint);
    QVERIFY(dialog.isModal());
    dialog.resize(200, 120);
    auto *edit = new QLineEdit(&dialog);
    edit->setGeometry(20, 80, 60, 24);
    dialog.setModal(false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(edit->property("contextMenuBound").toBool());

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(dialog.isVisible());

    const QImage shot = dialog.grab().toImage();
    QCOMPARE(QColor(shot.pixel(100, 10)), QColor(19, 22, 27));
    QCOMPARE(QColor(shot.pixel(100, 60)), QColor(40, 43, 48));
    QCOMPARE(QColor(shot.pixel(0, 60)), QColor(19, 22, 27));
    QCOMPARE(QColor(shot.pixel(199, 119)), QColor(19, 22, 27));

    CustomDialog tips;
    QCOMPARE(tips.objectName(), QStringLiteral("TipsWidget"));
    QCOMPARE(tips.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(tips.windowFlags() & Qt::FramelessWindowHint);
}

void TstDialogs::toastSlidesAndCloses()
{
    QPointer<MsgTipInfoDlg> tip = MsgTipInfoDlg::showTip(QStringLiteral("Configuration successful"), 300);
    QVERIFY(tip);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->size(), QSize(300, 150));
    QVERIFY(tip->testAttribute(Qt::WA_DeleteOnClose));
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const QPoint end(area.right() - 300 - 10, area.bottom() - 150);
    QCOMPARE(tip->endPosition(), end);
    QVERIFY(tip->pos().y() > end.y()); // still sliding up
    QCOMPARE(tip->pos().x(), end.x());
    QVERIFY(!tip->isWaiting());

    QTRY_COMPARE_WITH_TIMEOUT(tip->pos(), end, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(tip->isWaiting(), 1000);
    QTRY_VERIFY_WITH_TIMEOUT(tip.isNull(), 2000);
}

void TstDialogs::toastHoverHoldsIt()
{
    // A toast with a link waits for the pointer: the link is there to click.
    QPointer<MsgTipInfoDlg> tip = MsgTipInfoDlg::showTipWithLink(QStringLiteral("Hold me"), QDir::tempPath(), 200);
    QTRY_COMPARE_WITH_TIMEOUT(tip->pos(), tip->endPosition(), 2000);
    QTRY_VERIFY(tip->isWaiting());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(tip, &enter);
    QVERIFY(!tip->isWaiting());
    // A toast of the same duration shown now comes, waits and goes: had the
    // pointer not held the first one, it would have gone before.
    const QPointer<MsgTipInfoDlg> witness = MsgTipInfoDlg::showTip(QStringLiteral("Witness"), 200);
    QTRY_VERIFY_WITH_TIMEOUT(witness.isNull(), 5000);
    QVERIFY(tip); // the pointer rests on it: it stays

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(tip, &leave);
    QVERIFY(tip->isWaiting());
    // The full duration again, not what was left when the pointer came: the
    // hide timer runs with the whole interval (no wall clock involved).
    const QList<QTimer *> timers = tip->findChildren<QTimer *>();
    const bool fullAgain = std::any_of(timers.cbegin(), timers.cend(), [](const QTimer *t) {
        return t->isActive() && t->isSingleShot() && t->interval() == MsgTipInfoDlg::LinkMinMs;
    });
    QVERIFY(fullAgain);
    QTRY_VERIFY_WITH_TIMEOUT(tip.isNull(), MsgTipInfoDlg::LinkMinMs + 4000);

    // The close button closes it at once.
    QPointer<MsgTipInfoDlg> other = MsgTipInfoDlg::showTipWithLink(QStringLiteral("Close me"), QDir::tempPath(), 5000);
    QTest::mouseClick(other->findChild<QPushButton *>(QStringLiteral("m_btnClose")), Qt::LeftButton);
    QTRY_VERIFY(other.isNull());

    // A plain toast takes no mouse input, so nothing holds it and it offers
    // no button.
    QPointer<MsgTipInfoDlg> plain = MsgTipInfoDlg::showTip(QStringLiteral("Just so"), 200);
    QVERIFY(plain->windowFlags() & Qt::WindowTransparentForInput);
    QVERIFY(plain->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(!plain->findChild<QPushButton *>(QStringLiteral("m_btnClose"))->isVisible());
    QTRY_VERIFY(plain->isWaiting());
    QApplication::sendEvent(plain, &enter);
    QVERIFY(plain->isWaiting());
    QTRY_VERIFY_WITH_TIMEOUT(plain.isNull(), 2000);
}

void TstDialogs::toastWithLinkStaysToBeClicked_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("stays");
    QTest::newRow("plain, short") << QString() << 2000 << 2000;
    QTest::newRow("download path, short") << QDir::tempPath() << 2000 << int(MsgTipInfoDlg::LinkMinMs);
    QTest::newRow("snapshot path, 3 s") << QDir::tempPath() << 3000 << int(MsgTipInfoDlg::LinkMinMs);
    QTest::newRow("path, longer than the least") << QDir::tempPath() << 9000 << 9000;
}

void TstDialogs::toastWithLinkStaysToBeClicked()
{
    QFETCH(QString, link);
    QFETCH(int, asked);
    QFETCH(int, stays);
    QPointer<MsgTipInfoDlg> tip = MsgTipInfoDlg::showTipWithLink(QStringLiteral("Download successful"), link, asked);
    QTRY_VERIFY_WITH_TIMEOUT(tip->isWaiting(), 3000);
    QCOMPARE(tip->timeout(), stays);
    const QList<QTimer *> timers = tip->findChildren<QTimer *>();
    QVERIFY(std::any_of(timers.cbegin(), timers.cend(),
                        [stays](const QTimer *t) { return t->isActive() && t->interval() == stays; }));
    tip->close();
    QTRY_VERIFY(tip.isNull());
}

void TstDialogs::toastRestsClearOfControls_data()
{
    QTest::addColumn<QVector<QRect>>("avoid");
    QTest::addColumn<QPoint>("at");
    const QRect area(0, 0, 1280, 700);
    // The corner is (969, 549) for a 300x150 toast; it moves up in steps of
    // 8 pixels, then left in steps of 16.
    QTest::newRow("nothing in the way") << QVector<QRect>{} << QPoint(969, 549);
    QTest::newRow("Save in the corner") << QVector<QRect>{QRect(1150, 660, 100, 30)} << QPoint(969, 509);
    QTest::newRow("a column of buttons on the right") << QVector<QRect>{QRect(1200, 0, 80, 700)} << QPoint(889, 549);
    QTest::newRow("no room anywhere") << QVector<QRect>{area} << QPoint(969, 549);
}

// The resting place avoids what can be clicked, nearest the corner first.
void TstDialogs::toastRestsClearOfControls()
{
    QFETCH(QVector<QRect>, avoid);
    QFETCH(QPoint, at);
    QCOMPARE(MsgTipInfoDlg::restingPlace(QRect(0, 0, 1280, 700), QSize(300, 150), avoid), at);

    // A window whose button sits where a toast lands by default.
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    QWidget window;
    window.setGeometry(area);
    auto *save = new QPushButton(QStringLiteral("Save"), &window);
    save->setGeometry(window.width() - 130, window.height() - 60, 100, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect saveRect(save->mapToGlobal(QPoint(0, 0)), save->size());
    QVERIFY(MsgTipInfoDlg::shownControls().contains(saveRect));
    for (const QString &link : {QString(), QDir::tempPath()}) {
        QPointer<MsgTipInfoDlg> tip = MsgTipInfoDlg::showTipWithLink(QStringLiteral("Saved"), link, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(tip->pos(), tip->endPosition(), 2000);
        QVERIFY2(!tip->frameGeometry().intersects(saveRect), qPrintable(link));
        QVERIFY(area.contains(tip->frameGeometry()));
        tip->close();
    }
}

void TstDialogs::toastRestsOverItsWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("link");
    QTest::newRow("centred window") << QSize(700, 400) << QString();
    QTest::newRow("centred window, a toast with a link") << QSize(700, 400) << QDir::tempPath();
    QTest::newRow("window too small for a toast: the screen's corner") << QSize(200, 120) << QString();
}

// A toast rests over the main window it belongs to, not in the far corner of
// a large screen; it leaves the keyboard alone: an address typed on while it
// shows arrives whole in the field it was typed into.
void TstDialogs::toastRestsOverItsWindow()
{
    QFETCH(QSize, size);
    QFETCH(QString, link);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QMainWindow window;
    auto *field = new QLineEdit(&window);
    field->setGeometry(5, 5, 120, 24);
    window.setFixedSize(size);
    window.move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    window.show();
    // The operator works in it (no window manager activates it on every platform).
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(field, Qt::LeftButton);
    QTRY_VERIFY(field->hasFocus());
    Keyboard::typeToFocus(QStringLiteral("10.0"));
    QPointer<MsgTipInfoDlg> tip = MsgTipInfoDlg::showTipWithLink(QStringLiteral("Saved"), link, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(tip->pos(), tip->endPosition(), 2000);
    if (size.width() > 300)
        QVERIFY(window.frameGeometry().contains(tip->frameGeometry()));
    else
        QCOMPARE(tip->endPosition(), QPoint(area.right() - 300 - 10, area.bottom() - 150));
    Keyboard::typeToFocus(QStringLiteral(".0.7"));
    QCOMPARE(field->text(), QStringLiteral("10.0.0.7"));
    QVERIFY(tip->isVisible());
    delete tip.data();
}

void TstDialogs::toastsTakeTheirOwnPlaces_data()
{
    QTest::addColumn<bool>("overDialog");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("leastMs");
    const QString longer =
        QStringLiteral("The device has not answered earlier requests of this kind yet. Nothing was saved.");
    QTest::newRow("three at once") << false
                                   << QStringList{QStringLiteral("Configuration successful"),
                                                  QStringLiteral("The device took 26 from an earlier Save"),
                                                  QStringLiteral("Configuration failed")}
                                   << QList<int>{2000, 2000, 2000};
    QTest::newRow("three at once from a small dialog with OK and Cancel")
        << true << QStringList{QStringLiteral("Configuration failed"), longer, QStringLiteral("Configuration failed")}
        << QList<int>{2000, 4000, 2000};
    // A notice naming a file and what to do, with a path wider than a toast.
    const QString notice = QStringLiteral(
        "The client's settings table CMS_Settings in the database file "
        "/home/operator/surveillance/installations/site-north/client/Kelvo.sqlite cannot be read (no such column: "
        "Name Unable to execute statement); the file may be damaged. The storage folder "
        "/media/operator/recordings-disk-2/Tavik/Backup cannot be checked, and nothing is recorded until the "
        "settings can be read.");
    QTest::newRow("a long notice with a long path")
        << false << QStringList{notice, QStringLiteral("Saved")} << QList<int>{MsgTipInfoDlg::readingMs(notice), 2000};
}

// Toasts made together each take a place of their own, all at rest at once
// and readable: none over another, none over the buttons of the dialog that
// raised them, each waiting its whole time, long words longer.
void TstDialogs::toastsTakeTheirOwnPlaces()
{
    QFETCH(bool, overDialog);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, leastMs);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QDialog dialog;
    QVector<QRect> buttons;
    if (overDialog) {
        dialog.setFixedSize(360, 200);
        dialog.move(area.center() - QPoint(180, 100));
        (new QPushButton(QStringLiteral("OK"), &dialog))->setGeometry(170, 160, 85, 30);
        (new QPushButton(QStringLiteral("Cancel"), &dialog))->setGeometry(265, 160, 85, 30);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            buttons << QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
    }
    QList<QPointer<MsgTipInfoDlg>> tips;
    for (const QString &text : qAsConst(texts))
        tips << MsgTipInfoDlg::showTip(text, 2000);
    for (const QPointer<MsgTipInfoDlg> &tip : qAsConst(tips)) {
        QTRY_COMPARE_WITH_TIMEOUT(tip->pos(), tip->endPosition(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(tip->isWaiting(), 3000);
    }
    for (int i = 0; i < tips.size(); ++i) {
        QVERIFY(tips[i]);
        QVERIFY(tips[i]->isVisible());
        QVERIFY(area.contains(tips[i]->frameGeometry()));
        // Its words whole in it: every line, and the widest word across.
        const auto *label = tips[i]->findChild<QLabel *>(QStringLiteral("labelText"));
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        for (const QString &word : texts[i].split(QLatin1Char(' ')))
            QVERIFY2(label->fontMetrics().horizontalAdvance(word) <= label->contentsRect().width(), qPrintable(word));
        for (int j = i + 1; j < tips.size(); ++j)
            QVERIFY2(!tips[i]->frameGeometry().intersects(tips[j]->frameGeometry()),
                     qPrintable(texts[i] + QStringLiteral(" / ") + texts[j]));
        for (const QRect &button : qAsConst(buttons))
            QVERIFY2(!tips[i]->frameGeometry().intersects(button), qPrintable(texts[i]));
        QVERIFY(tips[i]->timeout() >= leastMs[i]);
        // Waiting its whole time from where it rests.
        const QList<QTimer *> timers = tips[i]->findChildren<QTimer *>();
        QVERIFY(std::any_of(timers.cbegin(), timers.cend(),
                            [&](const QTimer *t) { return t->isActive() && t->interval() == tips[i]->timeout(); }));
    }
    // The short ones are no longer than asked.
    for (int i = 0; i < tips.size(); ++i) {
        if (MsgTipInfoDlg::readingMs(texts[i]) <= 2000)
            QCOMPARE(tips[i]->timeout(), 2000);
    }
    for (const QPointer<MsgTipInfoDlg> &tip : qAsConst(tips))
        delete tip.data();
}

void TstDialogs::toastMovesOffWhatComesUnderIt_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("toasts");
    QTest::newRow("a button shown under it") << "shown" << 1;
    QTest::newRow("a button moved under it") << "moved" << 1;
    QTest::newRow("its dialog moved so that a button lies under it") << "moved with its window" << 1;
    QTest::newRow("a button shown under the first of two") << "shown" << 2;
}

// A toast at rest and a button that shows, moves or is carried under it by
// its window afterwards (the way back a failed read offers, beside the words that told
// of the failure): the toast moves off it, over no other toast, keeps its
// time, and the keyboard stays in the field the operator types into.
void TstDialogs::toastMovesOffWhatComesUnderIt()
{
    QFETCH(QString, how);
    QFETCH(int, toasts);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QDialog dialog;
    dialog.setFixedSize(760, 460);
    dialog.move(area.center() - QPoint(380, 230));
    auto *field = new QLineEdit(&dialog);
    field->setGeometry(10, 10, 200, 28);
    auto *button = new QPushButton(QStringLiteral("Reconnect and read again"), &dialog);
    button->setGeometry(10, 60, 220, 30);
    button->setVisible(how != QLatin1String("shown"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::mouseClick(field, Qt::LeftButton);
    QTRY_VERIFY(field->hasFocus());
    Keyboard::typeToFocus(QStringLiteral("10.0"));

    QList<QPointer<MsgTipInfoDlg>> tips;
    // Gone with the test, whatever its outcome: none lies over the next one.
    const auto closeTips = qScopeGuard([&tips] {
        for (const QPointer<MsgTipInfoDlg> &tip : qAsConst(tips))
            delete tip.data();
    });
    for (int i = 0; i < toasts; ++i)
        tips << MsgTipInfoDlg::showTip(QStringLiteral("The device has not answered earlier requests of this kind yet"),
                                       60000);
    for (const QPointer<MsgTipInfoDlg> &tip : qAsConst(tips))
        QTRY_VERIFY_WITH_TIMEOUT(tip->pos() == tip->endPosition() && tip->isWaiting(), 3000);
    const QPointer<MsgTipInfoDlg> tip = tips.first();
    const QRect was = tip->frameGeometry();
    QVERIFY(dialog.frameGeometry().contains(was));

    if (how == QLatin1String("moved with its window")) {
        dialog.move(dialog.pos() + was.center() - button->mapToGlobal(button->rect().center()));
    } else {
        button->move(dialog.mapFromGlobal(was.center()) - button->rect().center());
        button->show();
    }
    const QRect buttonRect(button->mapToGlobal(QPoint(0, 0)), button->size());
    QVERIFY(buttonRect.intersects(was));
    QTRY_VERIFY_WITH_TIMEOUT(!tip->frameGeometry().intersects(buttonRect), 3000);
    QVERIFY(tip);
    QCOMPARE(tip->pos(), tip->endPosition());
    QVERIFY(tip->isVisible() && tip->isWaiting());
    QVERIFY(area.contains(tip->frameGeometry()));
    for (const QPointer<MsgTipInfoDlg> &other : qAsConst(tips)) {
        QVERIFY(other && !other->frameGeometry().intersects(buttonRect));
        if (other != tip)
            QVERIFY(!other->frameGeometry().intersects(tip->frameGeometry()));
    }
    Keyboard::typeToFocus(QStringLiteral(".0.7"));
    QCOMPARE(field->text(), QStringLiteral("10.0.0.7"));
}

void TstDialogs::toastTextIsLiteral()
{
    QPointer<MsgTipInfoDlg> plain = MsgTipInfoDlg::showTip(QStringLiteral("a < b & <b>c</b>"), 5000);
    auto *label = plain->findChild<QLabel *>(QStringLiteral("labelText"));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), QStringLiteral("a < b & <b>c</b>"));
    plain->close();

    QPointer<MsgTipInfoDlg> linked =
        MsgTipInfoDlg::showTipWithLink(QStringLiteral("Saved <1> & done"), QStringLiteral("/tmp/a&b.mp4"), 5000);
    label = linked->findChild<QLabel *>(QStringLiteral("labelText"));
    QCOMPARE(label->textFormat(), Qt::RichText);
    QVERIFY(label->text().startsWith(QStringLiteral("Saved &lt;1&gt; &amp; done <a href=\"/tmp/a&amp;b.mp4\"")));
    QTextDocument doc;
    doc.setHtml(label->text());
    QCOMPARE(doc.toPlainText(), QStringLiteral("Saved <1> & done /tmp/a&b.mp4"));
    linked->close();
    QTRY_VERIFY(plain.isNull() && linked.isNull());
}

void TstDialogs::toastLinkOpensFolder()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("clip.mp4"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();

    m_launched.clear();
    QPointer<MsgTipInfoDlg> tip = MsgTipInfoDlg::showTipWithLink(QStringLiteral("Recorded"), file, 5000);
    auto *label = tip->findChild<QLabel *>(QStringLiteral("labelText"));
    emit label->linkActivated(file);
    QCOMPARE(m_launched.size(), 1);
    QCOMPARE(m_launched.at(0), QUrl::fromLocalFile(dir.path()));
    tip->close();

    m_launched.clear();
    tip = MsgTipInfoDlg::showTipWithLink(QStringLiteral("Folder"), dir.path(), 5000);
    tip->onLinkActivated(QString());
    QCOMPARE(m_launched.size(), 1);
    QCOMPARE(m_launched.at(0), QUrl::fromLocalFile(dir.path()));
    tip->close();

    m_launched.clear();
    tip = MsgTipInfoDlg::showTip(QStringLiteral("No link"), 5000);
    tip->onLinkActivated(QStringLiteral("whatever"));
    QVERIFY(m_launched.isEmpty());
    tip->close();
}

void TstDialogs::toastBecomesChildOfModalDialog()
{
    QPointer<MsgTipInfoDlg> tip;
    whenModal([&tip](QWidget *dialog) {
        tip = MsgTipInfoDlg::showTip(QStringLiteral("Inside"), 5000);
        QCOMPARE(tip->parentWidget(), dialog);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QCOMPARE(CustomDialog::showMessage(QStringLiteral("Parent"), true, true, 2), 1);
    QTRY_VERIFY(tip.isNull()); // closed with its dialog
}

void TstDialogs::maskFollowsNestedDialogs()
{
    MaskWidget *mask = MaskWidget::instance();
    QMainWindow main;
    main.setObjectName(QStringLiteral("MainWindow"));
    main.setGeometry(50, 60, 640, 480);
    mask->setMainWidget(&main);
    main.show();
    QVERIFY(!mask->isVisible());

    QDialog search;
    search.setObjectName(QStringLiteral("SearchManage"));
    search.show();
    QVERIFY(mask->isVisible());
    QCOMPARE(mask->geometry(), main.geometry());

    CustomDialog tips; // "TipsWidget" over the search dialog
    tips.setModal(false);
    tips.show();
    QVERIFY(mask->isVisible());
    tips.hide();
    QVERIFY(mask->isVisible());
    search.hide();
    QVERIFY(!mask->isVisible());
    mask->setMainWidget(nullptr);
}

void TstDialogs::maskIgnoresUnlistedAndUnshown()
{
    MaskWidget *mask = MaskWidget::instance();
    QDialog auth;
    auth.setObjectName(QStringLiteral("Authentication"));
    auth.show();
    QVERIFY(!mask->isVisible());
    auth.hide();

    QDialog never;
    never.setObjectName(QStringLiteral("addClientDev"));
    QDialog shown;
    shown.setObjectName(QStringLiteral("editClientDev"));
    shown.show();
    QVERIFY(mask->isVisible());
    QHideEvent hide;
    QApplication::sendEvent(&never, &hide); // hidden without having been shown
    QVERIFY(mask->isVisible());
    shown.hide();
    QVERIFY(!mask->isVisible());

    QDialog lower;
    lower.setObjectName(QStringLiteral("tipswidget")); // names match exactly
    lower.show();
    QVERIFY(!mask->isVisible());
}

void TstDialogs::maskSameNameDialogsAreTrackedApart()
{
    MaskWidget *mask = MaskWidget::instance();
    QDialog first;
    QDialog second;
    first.setObjectName(QStringLiteral("IPCUser"));
    second.setObjectName(QStringLiteral("IPCUser"));
    first.show();
    second.show();
    QCOMPARE(mask->shownDialogCount(), 2);
    first.hide();
    QVERIFY(mask->isVisible()); // the other one is still open
    second.hide();
    QVERIFY(!mask->isVisible());
}

void TstDialogs::maskSurvivesDeletedDialog()
{
    MaskWidget *mask = MaskWidget::instance();
    QDialog keep;
    keep.setObjectName(QStringLiteral("NVRConfig"));
    auto *gone = new QDialog;
    gone->setObjectName(QStringLiteral("ChannelManage"));
    keep.show();
    gone->show();
    gone->setObjectName(QStringLiteral("renamed while shown"));
    delete gone;
    QCOMPARE(mask->shownDialogCount(), 1);
    QVERIFY(mask->isVisible());
    keep.hide();
    QVERIFY(!mask->isVisible());
    QCOMPARE(mask->shownDialogCount(), 0);
}

// Without a compositing manager the shade is painted by the main window: a
// translucent window of its own would show solid black there.
void TstDialogs::maskWithoutCompositorIsPaintedInside()
{
    MaskWidget *mask = MaskWidget::instance();
    MaskWidget::setCompositingProbe([] { return false; });
    QMainWindow main;
    auto *surface = new QWidget(&main);
    surface->setStyleSheet(QStringLiteral("background: #ffffff;"));
    main.setCentralWidget(surface);
    main.resize(640, 480);
    mask->setMainWidget(&main);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    QDialog dialog;
    dialog.setObjectName(QStringLiteral("addClientDev"));
    dialog.show();
    QVERIFY(!mask->isVisible());
    QVERIFY(mask->isShading());
    QCOMPARE(mask->overlay()->parentWidget(), &main);
    main.resize(700, 500);
    QTRY_COMPARE(mask->overlay()->geometry(), main.rect());
    const QColor shaded = main.grab().toImage().pixelColor(300, 300);
    QCOMPARE(shaded.red(), qRound(255 * 0.4)); // 60 % black over white, not solid black
    dialog.hide();
    QVERIFY(!mask->isShading());
    MaskWidget::setCompositingProbe({});
    mask->setMainWidget(nullptr);
}

void TstDialogs::authenticationPasswords_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    const QString pw = DEFAULT_LOCAL_PASSWORD;
    QTest::newRow("right") << pw << pw << true;
    // Taken as typed, as at login: the blanks are part of what was typed.
    QTest::newRow("right with blanks") << pw << (QStringLiteral("  ") + pw + QStringLiteral(" ")) << false;
    QTest::newRow("account password with blanks") << QStringLiteral(" edge pw ") << QStringLiteral(" edge pw ") << true;
    QTest::newRow("wrong") << pw << QStringLiteral("wrong") << false;
    QTest::newRow("wrong case") << pw << pw.toUpper() << false;
    QTest::newRow("empty") << pw << QString() << false;
    QTest::newRow("blanks only") << pw << QStringLiteral("   ") << false;
}

void TstDialogs::authenticationPasswords()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QSharedPointer<CMS_User> account;
    for (const QSharedPointer<CMS_User> &u : storedUsers())
        if (u->Name == DEFAULT_LOCAL_USER)
            account = u;
    QVERIFY(account);
    account->password = stored;
    QVERIFY(OrmHelper::saveUser(account));
    auto restore = qScopeGuard([account] {
        account->password = DEFAULT_LOCAL_PASSWORD;
        OrmHelper::saveUser(account);
    });
    Authentication auth(nullptr);
    auth.setModal(false);
    auth.show();
    auto *user = child<QLineEdit>(&auth, "m_UserNamelineEdit");
    auto *password = child<QLineEdit>(&auth, "m_ConfirmUserPasswordlineEdit");
    auto *info = child<QLabel>(&auth, "m_lblTextInfo");
    QCOMPARE(user->text(), DEFAULT_LOCAL_USER);
    QVERIFY(user->isReadOnly());
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QVERIFY(info->text().isEmpty());

    QSignalSpy finished(&auth, &QDialog::finished);
    password->setText(typed);
    QTest::mouseClick(child<QPushButton>(&auth, "m_OKBtn"), Qt::LeftButton);
    if (accepted) {
        QCOMPARE(finished.size(), 1);
        QCOMPARE(auth.result(), int(QDialog::Accepted));
        QVERIFY(info->text().isEmpty());
    } else {
        QCOMPARE(finished.size(), 0);
        QVERIFY(auth.isVisible());
        QCOMPARE(info->text(), CommonHelper::incorrectLoginText());
        // Another try is allowed.
        password->setText(stored);
        QTest::keyClick(&auth, Qt::Key_Return);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(auth.result(), int(QDialog::Accepted));
    }
}

void TstDialogs::authenticationIgnoresRememberedPassword()
{
    // The settings row remembers an empty (or stale) password: it unlocks nothing.
    auto config = storedConfig();
    const QString saved = config->password;
    config->password.clear();
    QVERIFY(OrmHelper::saveConfig(config));

    Authentication auth(nullptr);
    auth.setModal(false);
    auth.show();
    QSignalSpy finished(&auth, &QDialog::finished);
    QTest::mouseClick(child<QPushButton>(&auth, "m_OKBtn"), Qt::LeftButton);
    QCOMPARE(finished.size(), 0);

    config->password = QStringLiteral("stale");
    QVERIFY(OrmHelper::saveConfig(config));
    child<QLineEdit>(&auth, "m_ConfirmUserPasswordlineEdit")->setText(QStringLiteral("stale"));
    QTest::mouseClick(child<QPushButton>(&auth, "m_OKBtn"), Qt::LeftButton);
    QCOMPARE(finished.size(), 0);

    child<QLineEdit>(&auth, "m_ConfirmUserPasswordlineEdit")->setText(DEFAULT_LOCAL_PASSWORD);
    QTest::mouseClick(child<QPushButton>(&auth, "m_OKBtn"), Qt::LeftButton);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(auth.result(), int(QDialog::Accepted));

    config->password = saved;
    QVERIFY(OrmHelper::saveConfig(config));
}

void TstDialogs::authenticationCancelAndEnter()
{
    Authentication auth(nullptr);
    QCOMPARE(auth.objectName(), QStringLiteral("Authentication"));
    auth.setModal(false);
    auth.show();
    auto *password = child<QLineEdit>(&auth, "m_ConfirmUserPasswordlineEdit");
    password->setText(QStringLiteral("bad"));
    QTest::keyClick(&auth, Qt::Key_Enter);
    QVERIFY(!child<QLabel>(&auth, "m_lblTextInfo")->text().isEmpty());
    QTest::keyClick(&auth, Qt::Key_Escape); // nothing
    QVERIFY(auth.isVisible());
    QVERIFY(!child<QLabel>(&auth, "m_lblTextInfo")->text().isEmpty());
    QTest::mouseClick(child<QPushButton>(&auth, "m_CancelBtn"), Qt::LeftButton);
    QVERIFY(!auth.isVisible());
    QCOMPARE(auth.result(), int(QDialog::Rejected));
    QVERIFY(child<QLabel>(&auth, "m_lblTextInfo")->text().isEmpty());

    // The view button of the password field does not ask again.
    QAction *view = password->findChild<QAction *>(QStringLiteral("passwordViewAction"));
    QVERIFY(view);
    view->trigger();
    QCOMPARE(password->echoMode(), QLineEdit::Normal);
}

void TstDialogs::passwordViewAsksForAuthentication()
{
    QLineEdit edit;
    edit.setEchoMode(QLineEdit::Password);
    CommonHelper::addPasswordViewAction(&edit, true);
    QAction *view = edit.findChild<QAction *>(QStringLiteral("passwordViewAction"));

    whenModal([](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("Authentication"));
        QTest::mouseClick(child<QPushButton>(dialog, "m_CancelBtn"), Qt::LeftButton);
    });
    view->trigger();
    QCOMPARE(edit.echoMode(), QLineEdit::Password);

    whenModal([](QWidget *dialog) {
        child<QLineEdit>(dialog, "m_ConfirmUserPasswordlineEdit")->setText(QStringLiteral("nope"));
        QTest::keyClick(dialog, Qt::Key_Return);
        QTest::mouseClick(child<QPushButton>(dialog, "m_btnClose"), Qt::LeftButton);
    });
    view->trigger();
    QCOMPARE(edit.echoMode(), QLineEdit::Password);

    // The operator just types: the password field has the focus.
    whenModal([](QWidget *dialog) {
        auto *password = child<QLineEdit>(dialog, "m_ConfirmUserPasswordlineEdit");
        QTRY_COMPARE(dialog->focusWidget(), static_cast<QWidget *>(password));
        QTest::keyClicks(dialog->focusWidget(), DEFAULT_LOCAL_PASSWORD);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    view->trigger();
    QCOMPARE(edit.echoMode(), QLineEdit::Normal);
}

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
