// What a simulated camera serves to the detection pages: the stored settings
// of motion, face and crying detection, written back whole by their sets
// (number-plus-one rule, per channel).

#include "SimDevice.h"

namespace {

// Seven days in the element form, every slot empty but Monday's first.
QString elementSchedule()
{
    static const char *const days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    QString xml;
    for (int d = 0; d < 7; ++d) {
        xml += QStringLiteral("<%1>").arg(QLatin1String(days[d]));
        for (int slot = 0; slot < 6; ++slot) {
            const bool armed = d == 1 && slot == 0;
            xml += QStringLiteral("<time%1><startTime>%2</startTime><endTime>%3</endTime></time%1>")
                       .arg(slot)
                       .arg(armed ? QStringLiteral("08:00:00") : QStringLiteral("00:00:00"),
                            armed ? QStringLiteral("18:00:00") : QStringLiteral("00:00:00"));
        }
        xml += QStringLiteral("</%1>").arg(QLatin1String(days[d]));
    }
    return QStringLiteral("<supervisedTime>%1</supervisedTime>").arg(xml);
}

const QString kLinks = QStringLiteral(
    "<whiteLight><enable>0</enable><status>0</status><durationTime>30</durationTime></whiteLight>"
    "<voiceAlarm><enable>0</enable><audioFile>5</audioFile><playCount>3</playCount></voiceAlarm>");

SimDeviceExtension ipcDetection(SimDevice::Ipc, [](SimDevice &d) {
    d.setStoredBody(12002, QStringLiteral("<motionDetection><enable>1</enable><sensitivity>50</sensitivity>"
                                          "<areaType>block</areaType><rows>15</rows><columns>20</columns>"
                                          "<blockConfig>%1</blockConfig>%2%3</motionDetection>")
                               .arg(QString(300, QLatin1Char('0')), elementSchedule(), kLinks));
    d.setStoredBody(12008, QStringLiteral("<faceDetection><enable>0</enable><sensitivity>40</sensitivity>"
                                          "<areaType>point</areaType><startX>10</startX><startY>20</startY>"
                                          "<endX>50</endX><endY>60</endY>%1%2</faceDetection>")
                               .arg(elementSchedule(), kLinks));
    d.setStoredBody(12010, QStringLiteral("<bcDetection><enable>0</enable><sensitivity>60</sensitivity>%1"
                                          "<whiteLight><enable>0</enable><status>0</status>"
                                          "<durationTime>60</durationTime></whiteLight>"
                                          "<checkSource>0</checkSource><autoPlayFile>0</autoPlayFile>"
                                          "<autoPlayCount>1</autoPlayCount></bcDetection>")
                               .arg(elementSchedule()));
});

} // namespace
