#pragma once

// Base of every page of the camera configuration window. The window knows a
// page only through this class: it hands the page the camera on every
// selection (updateDevice, which asks the camera again), the camera's replies
// while the page is current (parseXml, with the whole reply text) and the
// results of set commands after its own toast (onSaveResult).

#include "KelvoCommon.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class RemoteCfg_Widget : public QWidget
{
    Q_OBJECT

public:
    explicit RemoteCfg_Widget(QWidget *parent = nullptr);
    ~RemoteCfg_Widget() override;

    // The low byte of the channel member: what the page's commands carry.
    uint8_t getChannel() const { return uint8_t(channel & 0xff); }
    QString pageTitle() const { return title; }

    // A null record changes nothing and sends nothing; otherwise the page
    // keeps the record and sends its get command(s).
    virtual void updateDevice(FUN_DEV_INFO *dev) = 0;
    // Acts only on the ids the page asked for.
    virtual void parseXml(int cmd, const QString &xml) = 0;
    virtual void onSaveResult(int cmd, bool ok);

signals:
    // A page that must end the window's exec (a restart, a reset) asks for it.
    void closeWindowRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

    // The window assigns the tree text of the page.
    friend class RemoteConfigSetting;
    QString title;
    bool supportChannel = false;
    int channel = 0;
    FUN_DEV_INFO *m_pDeviceInfo = nullptr;
};
