#pragma once

// The "Port" page: the camera's RTSP and HTTP ports. A successful save also
// moves the client's record to the new RTSP port, so live video and the stored
// device list follow the camera. Each Save carries its port as a change of the
// record (ConfigRequest::change) and stands alone on its line: a second one
// waits until the first is answered, so that the record only ever takes a port
// the camera's own answer confirmed or a read of it shows, also once the
// window is closed (RecordKeeper.h). A
// port the operator did not change goes back as the camera reported it,
// unchecked; a typed one is checked.

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

namespace Ui {
class MediaPortWidget;
}

class MediaPortWidget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit MediaPortWidget(QWidget *parent = nullptr);
    ~MediaPortWidget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;

    // The refusal of a port pair, empty when it may be sent; checks in order.
    static QString checkPorts(const QString &rtsp, const QString &http);

private slots:
    void on_pushButton_default_clicked();
    void on_pushButton_save_clicked();

protected:
    ConfigPageSession::Shown shownValues() const override;
    bool takeSaveAnswer(const ConfigReply &reply) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::MediaPortWidget *ui;
    // The RTSP port each Cmd::SetPorts sent, by its tag, until its own answer
    // came: that answer confirms that port, not whatever the field holds by
    // then, nor another Save's.
    SentByTag<int> m_sentRtspPorts;
    IpcBody::Values m_received;
    OperatorEdits m_shown;
};
