#pragma once

#include "DropShadowWidget.h"
#include "OperatorEdits.h"

#include <QHash>
#include <QList>

class QLineEdit;

namespace Ui {
class CNVRChannelAddDevDlg;
}

// The camera of one NVR channel typed by hand, for a free channel or to
// change a used one. Sends nothing: OK hands one channel record and the
// channel's row to the channel dialog. Each add starts from the defaults; a
// change starts from the channel's record and hands back every value of it
// the operator left alone (protocol, authentication, lens, video port) as the
// NVR listed it. When the channel dialog could not send, this one stays open
// with what was typed.
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
    // Called by the receiver of the signals when it could not send: the
    // dialog stays open.
    void keepOpen() { m_keepOpen = true; }

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
    void resetToDefaults();
    void refuse(const QString &text, QLineEdit *atFault);

    Ui::CNVRChannelAddDevDlg *ui;
    int m_channelIndex = 0;
    bool m_modify = false;
    bool m_keepOpen = false;
    // The channel's record as listed, and what the operator changed of it.
    QHash<QString, QString> m_record;
    OperatorEdits m_edits;
};
