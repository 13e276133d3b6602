#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"

#include <QHash>
#include <QList>

#include <functional>

class QPushButton;

namespace Ui {
class CNVRConfigSetting;
}

// Remote configuration of one NVR: four main buttons and two pairs of
// sub-tabs select the pages; selecting a page asks the NVR for its settings,
// and every reply of that NVR is routed by command id to the page that reads
// it. The pages send their own saves; the window reports the NVR's answer to
// them as a toast.
class CNVRConfigSetting : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRConfigSetting(QWidget *parent = nullptr);
    ~CNVRConfigSetting() override;

    void setDevInfo(FUN_DEV_INFO *dev);
    void recvCommonInfo(const RecvInfo &info);
    void updateButtonState(unsigned short cmd);

public slots:
    void onCloseBtnClicked();
    void onButtonsClicked();
    void changePage(QPushButton *btn);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void initWidget();
    void initReplyParsers();
    void initPageSelectors();

    Ui::CNVRConfigSetting *ui;
    FUN_DEV_INFO *m_dev = nullptr;
    QList<QPushButton *> m_mainButtons;
    QList<QPushButton *> m_subButtons;
    QPushButton *m_currentButton = nullptr;
    QHash<int, std::function<void(const QString &)>> m_replyParsers;
    QHash<QPushButton *, std::function<void(unsigned short &)>> m_pageSelectors;
};
