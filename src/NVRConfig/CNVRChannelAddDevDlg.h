#pragma once

#include "DropShadowWidget.h"

#include <QHash>
#include <QList>

namespace Ui {
class CNVRChannelAddDevDlg;
}

// The camera of one NVR channel typed by hand, for a free channel or to
// change a used one. Sends nothing: OK hands one channel record and the
// channel's row to the channel dialog.
class CNVRChannelAddDevDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRChannelAddDevDlg(QWidget *parent = nullptr);
    ~CNVRChannelAddDevDlg() override;

    void setChannelId(int row);
    void setChannelInfo(const QHash<QString, QString> &record);
    int channelId() const { return m_channelIndex; }
    bool isModify() const { return m_modify; }

    void onEnterPressed() override;

public slots:
    void onbtnOkClicked();
    void onbtnCloseclicked();
    void onbtnCancleClicked();
    void protocolCmbBoxValueChanged(int index);

signals:
    void siganlAddChannel(QList<QHash<QString, QString>> addList, QList<int> indexList);
    void siganlModifyChannel(QList<QHash<QString, QString>> addList, QList<int> indexList);

protected:
    void changeEvent(QEvent *event) override;

private:
    void setOnvifMode(bool onvif);

    Ui::CNVRChannelAddDevDlg *ui;
    int m_channelIndex = 0;
    bool m_modify = false;
};
