#pragma once

// Helpers of the NVR window tests: a simulated NVR logged in over loopback,
// and a way to know that everything it sent has reached the window.

#include "DevicePagesTestUtil.h"
#include "KelvoSDKHelper.h"
#include "PrivateProto.h"
#include "SimDevice.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <memory>

namespace NvrWindowTest {

// A fresh NVR listening on address, logged in; the record points at it.
inline bool startNvr(std::unique_ptr<SimDevice> &nvr, FUN_DEV_INFO &record, const QString &address)
{
    nvr = std::make_unique<SimDevice>(SimDevice::Nvr);
    if (!nvr->listen(QHostAddress(address)))
        return false;
    record = FUN_DEV_INFO();
    record.devType = 1;
    record.ip = nvr->address().toString();
    record.devPort = nvr->port();
    KelvoSDKHelper::instance()->connectDev(toLoginDev(&record));
    return DevicePagesTest::waitFor([&] { return KelvoSDKHelper::instance()->isConnected(toLoginDev(&record)); });
}

// Replies of one connection arrive in order: once the answer to a later
// request has been relayed, everything the NVR sent before has reached the
// window.
inline bool flush(SimDevice &nvr, const FUN_DEV_INFO &record)
{
    bool seen = false;
    nvr.setHandler(19999, [](SimConnection *c, const SimRequest &) { c->reply(19999, 0); });
    const QMetaObject::Connection watch =
        QObject::connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, [&](const RecvInfo &info) {
            if (info.ip == record.ip && PrivateProto::headCommand(info.xml) == 19999)
                seen = true;
        });
    KelvoSDKHelper::instance()->sendCmd(toLoginDev(&record), 19999, 0);
    const bool ok = DevicePagesTest::waitFor([&] { return seen; });
    QObject::disconnect(watch);
    nvr.removeHandler(19999);
    return ok;
}

// What the operator does, as the pages hear it (a Save sends only what he
// acted on): a text typed over the field's, an entry chosen, a box clicked.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

inline void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

inline void tick(QAbstractButton *box, bool on)
{
    if (box->isChecked() != on)
        box->click();
}

inline QString lastBody(const SimDevice &nvr, unsigned cmd)
{
    const QList<SimRequest> list = nvr.requests(cmd);
    return list.isEmpty() ? QString() : list.last().bodyText;
}

// Pictures for people (KELVO_SCREENSHOT_DIR set): the client's own look.
inline void saveShot(QWidget *widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("KELVO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    if (qApp->styleSheet().isEmpty()) {
        QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
        if (css.open(QIODevice::ReadOnly))
            qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
    }
    // The style sheet and the layouts it changes arrive as posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    widget->grab().save(QDir(dir).filePath(name));
}

} // namespace NvrWindowTest
