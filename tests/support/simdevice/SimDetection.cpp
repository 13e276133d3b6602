// What a simulated camera serves to the detection pages: the stored settings
// of motion, people, sound, face and crying detection and the human figure
// track switch, written back whole by their sets (number-plus-one rule, per
// channel).

#include "SimDevice.h"

#include <QDomDocument>
#include <QTextStream>

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

const QString kLinks =
    QStringLiteral("<whiteLight><enable>0</enable><status>0</status><durationTime>30</durationTime></whiteLight>"
                   "<voiceAlarm><enable>0</enable><audioFile>5</audioFile><playCount>3</playCount></voiceAlarm>");

// A set replaces the detection element whole, but the grid size is the
// camera's own and no set carries it: it stays.
void keepGridSize(SimDevice &d, unsigned int set)
{
    d.setHandler(set, [&d, set](SimConnection *c, const SimRequest &r) {
        const unsigned int get = set - 1;
        QDomDocument old;
        old.setContent(QStringLiteral("<root>%1</root>").arg(d.storedBody(get, r.channel)));
        d.mergeStoredBody(get, r.bodyText, r.channel);
        QDomDocument now;
        if (now.setContent(QStringLiteral("<root>%1</root>").arg(d.storedBody(get, r.channel)))) {
            QDomElement detection = now.documentElement().firstChildElement();
            const QDomElement before = old.documentElement().firstChildElement();
            for (const QString &side : {QStringLiteral("rows"), QStringLiteral("columns")}) {
                const QDomElement kept = before.firstChildElement(side);
                if (!kept.isNull() && detection.firstChildElement(side).isNull())
                    detection.appendChild(now.importNode(kept, true));
            }
            QString body;
            QTextStream out(&body);
            detection.save(out, -1);
            d.setStoredBody(get, body, r.channel);
        }
        c->reply(set, 0);
    });
}

SimDeviceExtension ipcDetection(SimDevice::Ipc, [](SimDevice &d) {
    d.setStoredBody(Cmd::GetMotionDetection,
                    QStringLiteral("<motionDetection><enable>1</enable><sensitivity>50</sensitivity>"
                                   "<areaType>block</areaType><rows>15</rows><columns>20</columns>"
                                   "<blockConfig>%1</blockConfig>%2%3</motionDetection>")
                        .arg(QString(300, QLatin1Char('0')), elementSchedule(), kLinks));
    d.setStoredBody(Cmd::GetFaceDetection,
                    QStringLiteral("<faceDetection><enable>0</enable><sensitivity>40</sensitivity>"
                                   "<areaType>point</areaType><startX>10</startX><startY>20</startY>"
                                   "<endX>50</endX><endY>60</endY>%1%2</faceDetection>")
                        .arg(elementSchedule(), kLinks));
    d.setStoredBody(Cmd::GetCryDetection,
                    QStringLiteral("<bcDetection><enable>0</enable><sensitivity>60</sensitivity>%1"
                                   "<whiteLight><enable>0</enable><status>0</status>"
                                   "<durationTime>60</durationTime></whiteLight>"
                                   "<checkSource>0</checkSource><autoPlayFile>0</autoPlayFile>"
                                   "<autoPlayCount>1</autoPlayCount></bcDetection>")
                        .arg(elementSchedule()));

    // A grid other than the overlay's own, some blocks marked.
    QString blocks(18 * 22, QLatin1Char('0'));
    for (int i = 0; i < blocks.size(); i += 7)
        blocks[i] = QLatin1Char('1');
    d.setStoredBody(Cmd::GetPeopleDetection,
                    QStringLiteral("<peopleDetection><enable>1</enable><sensitivity>45</sensitivity>"
                                   "<areaType>block</areaType><rows>18</rows><columns>22</columns>"
                                   "<blockConfig>%1</blockConfig>%2%3</peopleDetection>")
                        .arg(blocks, elementSchedule(), kLinks));
    d.setStoredBody(Cmd::GetHumanTrack,
                    QStringLiteral("<humanTrack><humanTrackStatus>0</humanTrackStatus></humanTrack>"));
    // The text form of the schedule, as cameras outside the chip list keep it.
    d.setStoredBody(Cmd::GetVoiceDetection,
                    QStringLiteral("<voiceDetection><enable>1</enable><sensitivity>35</sensitivity>"
                                   "<supervisedTime><Sunday></Sunday><Monday>08:00:00-18:00:00;</Monday>"
                                   "<Tuesday></Tuesday><Wednesday></Wednesday><Thursday></Thursday>"
                                   "<Friday></Friday><Saturday></Saturday></supervisedTime>%1</voiceDetection>")
                        .arg(kLinks));
    for (unsigned int set : {Cmd::SetMotionDetection, Cmd::SetPeopleDetection, Cmd::SetFaceDetection})
        keepGridSize(d, set);
});

} // namespace
