#pragma once

// The common options of every detection page: the detection switch and its
// sensitivity, the linked white light and voice alarm and, for the crying page
// (mode 1), the source check and the soothing music instead of the voice
// alarm. Filled from one reply's ipcCfgParams; hands its state back as body
// fragments. It holds no device and sends nothing.
//
// The fragments carry the camera's own texts for every value whose control
// the operator left as it was shown (a sensitivity of 0, a light status or
// sound this client has no entry for), the control's value otherwise.

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

#include <QWidget>

class QLayout;

namespace Ui {
class CommonDetection;
}

class CommonDetection : public QWidget
{
    Q_OBJECT

public:
    explicit CommonDetection(QWidget *parent = nullptr);
    ~CommonDetection() override;

    void setUi(const RemoteCfg_Widget::ipcCfgParams &params);
    // 0: voice alarm; 1: source check and music.
    void setMode(int mode);
    int mode() const { return m_mode; }
    void setEnableEditable(bool editable);
    static void setLayoutVisible(QLayout *layout, bool visible);

    QString enableXml() const;
    // Empty while the row is hidden within the panel (not on screen is not
    // hidden: a page saved while another is shown still sends them).
    QString whiteLightXml() const;
    QString voiceAlarmXml() const;
    QString checkSourceXml() const;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fillVoiceList();
    // freshTexts: every text as the form or a translation just set it.
    void keepTextsWhole(bool freshTexts);

    Ui::CommonDetection *ui;
    int m_mode = 0;
    // What the last reply held, and how the controls showed it.
    IpcBody::Values m_own;
    IpcBody::Values m_light;
    IpcBody::Values m_voice;
    OperatorEdits m_shownOwn;
    OperatorEdits m_shownLight;
    OperatorEdits m_shownVoice;
};
