#pragma once

// The audio page: the camera's microphone encoding and speaker decoding with
// their volumes. The capability tokens decide which halves show; devices of
// the "BRELON" platform take volume steps 0 to 5, the others 0 to 100. A Save
// sends each value as the camera reported it unless the operator changed its
// control (a format outside the capability lists, a volume beyond the scale).

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

#include <QList>
#include <QMultiMap>

#include <optional>

namespace Ui {
class MD_AudioCode_Widget;
}

class MD_AudioCode_Widget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit MD_AudioCode_Widget(QWidget *parent = nullptr);
    ~MD_AudioCode_Widget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    bool replyComplete(int cmd, const QString &xml) const override;

    // Cmd::GetAudio on channel 0 after msec, dropped when context goes first.
    // Asks for the audio settings again after msec; nothing once the page is
    // gone.
    void refreshLater(int msec);
    // Format -> sampling rates of the entries with at least four fields; a
    // format keeps all its rates.
    static QMultiMap<QString, QString> parseCapList(const QString &list);
    static QList<QString> uniqueTexts(const QList<QString> &texts);
    void applyDecodeDefault(const QString &list);
    void applyEncodeDefault(const QString &list);

private slots:
    void on_pushButton_default_clicked();
    void on_pushButton_save_clicked();

protected:
    ConfigPageSession::Shown shownValues() const override;
    void changeEvent(QEvent *event) override;

private:
    void applyVolume(bool mic, int volume, bool fromReply);
    // The volume a reply brought.
    void showVolume(bool mic, const QString &reported);
    QWidget *volumeControl(bool mic) const;
    QString volumeValue(bool mic) const;

    Ui::MD_AudioCode_Widget *ui;
    // The last Cmd::GetAudio reply had no <audio> around its parts: the save
    // answers in the same form. False (wrapped) until such a reply comes.
    bool noAudioWrapper = false;
    bool capsHaveAudioDecode = false;
    bool capsHaveAudio = false;
    QString encodeFormatText;
    QString encodeRateText;
    QString decodeFormatText;
    QString decodeRateText;
    QString bitWidthText;
    QString soundModeText;
    QString decodeCapList;
    QString encodeCapList;
    bool volumeAsList = false;
    // The last Cmd::GetAudio as received, and how the controls showed it.
    IpcBody::Values m_receivedEncode;
    IpcBody::Values m_receivedDecode;
    OperatorEdits m_shown;
    // This read's replies, until both came.
    std::optional<QString> m_readCaps;
    std::optional<QString> m_readAudio;
};
