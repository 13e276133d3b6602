#pragma once

// The encoding of the camera's main and sub stream. Every list is built from
// the camera's capability report (Cmd::GetVideoCaps): which resolutions and
// encode types each stream offers, with frame-rate and bitrate ranges and
// defaults, and which sub-stream entries go with each main-stream entry.
// "Default" applies the camera's recommended parameters; "Save" sends both
// streams at once, each value as the camera reported it unless the operator
// changed it (a resolution or bitrate outside the lists included).

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace Ui {
class VideoEncodeWidget;
}

class VideoEncodeWidget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    struct VideoCapabilitySet
    {
        uint16_t id = 0;
        QString resolution;
        QString encodeFormat;
        uint8_t streamType = 0;
        int bitRate = 0;
        int bitRateMin = 0;
        int bitRateMax = 0;
        int frameRate = 0;
        int frameRateMin = 0;
        int frameRateMax = 0;
        uint8_t extraFlag = 0;
        uint8_t isBest = 0;
        uint16_t initQuant = 0;
        QString bitRateControl;
        QList<int> subStreamIds;
    };

    struct VideoEncodeParams
    {
        QString stream;
        QString resolution;
        QString frameRate;
        QString encodeFormat;
        QString bitRateControl;
        QString bitRate;
        QString initQuant;
    };

    explicit VideoEncodeWidget(QWidget *parent = nullptr);
    ~VideoEncodeWidget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    bool replyComplete(int cmd, const QString &xml) const override;

    // One entry of the capability text; false (and logged) under 15 fields.
    static bool parseStrVideo(const QString &entry, VideoCapabilitySet &set);
    // "5M" shows as "5MP"; other names unchanged.
    static QString resolutionDisplayName(const QString &name);
    // The empty text when the custom value is out of bounds (after the toast).
    QString getBitRate(const QComboBox *combo, const QLineEdit *edit) const;

    const QMap<int, VideoCapabilitySet> &mainCapabilities() const { return m_mainCaps; }
    const QMap<int, VideoCapabilitySet> &subCapabilities() const { return m_subCaps; }
    const VideoCapabilitySet &mainBest() const { return m_mainBest; }
    const VideoCapabilitySet &subBest() const { return m_subBest; }

private slots:
    void on_comboBox_main_resolution_activated(int index);
    void on_comboBox_sub_resolution_activated(int index);
    void on_comboBox_main_bitRate_activated(int index);
    void on_comboBox_sub_bitRate_activated(int index);
    void on_comboBox_main_encodeType_activated(int index);
    void on_pushButton_default_clicked();
    void on_pushButton_save_clicked();
    void on_comboBoxChannel_currentIndexChanged(int index);

protected:
    ConfigPageSession::Shown shownValues() const override;
    void changeEvent(QEvent *event) override;

private:
    void updateCaps(const QString &capList);
    void initResolutionLists();
    void fillMainStreamOptions(const VideoCapabilitySet &entry);
    void updateSubStream(const VideoCapabilitySet &mainEntry, const QString &subResolution, VideoCapabilitySet *chosen);
    void updateMainStream(const VideoCapabilitySet &entry, const VideoEncodeParams &params);
    void updateSubStream(const VideoCapabilitySet &entry, const VideoEncodeParams &params);
    void showStream(bool main, const VideoCapabilitySet &entry, const VideoEncodeParams &params);
    void applyEncodeParams(const QHash<QString, QString> &main, const QHash<QString, QString> &sub);
    void applyCustomRule(bool main, int index);
    void requestCaps();
    void resetBest();
    void rememberShown();
    // The stream's values to send: as received where the controls were left
    // alone. False (after the toast) when a changed custom bitrate is refused.
    bool streamToSend(bool main, IpcBody::Values &values) const;
    // (resolution, encode type) a stream's lists show.
    QPair<QString, QString> shownStream(bool main) const;
    static VideoEncodeParams defaultsOf(const VideoCapabilitySet &entry, const QString &encodeFormat);
    static void fillBitRates(QComboBox *combo, const VideoCapabilitySet &entry, const QList<int> &presets);
    // (smallest, largest) value a custom bitrate may take in this combo.
    static QPair<int, int> customBounds(const QComboBox *combo);

    Ui::VideoEncodeWidget *ui;
    QString m_bestParam;
    VideoCapabilitySet m_mainBest;
    VideoCapabilitySet m_subBest;
    QStringList m_resolutionOrder;
    QMap<int, VideoCapabilitySet> m_mainCaps;
    QMap<int, VideoCapabilitySet> m_subCaps;
    // The last Cmd::GetVideoEncode as received, how the controls showed it, and
    // whether the operator rebuilt a stream's lists since (another resolution,
    // Default).
    IpcBody::Values m_receivedMain;
    IpcBody::Values m_receivedSub;
    OperatorEdits m_shown;
    // This read's replies, until both came.
    std::optional<QString> m_readCaps;
    std::optional<QString> m_readEncode;
    // What each stream's lists were last built for.
    QPair<QString, QString> m_mainShows;
    QPair<QString, QString> m_subShows;
    bool m_mainRebuilt = false;
    bool m_subRebuilt = false;
};
