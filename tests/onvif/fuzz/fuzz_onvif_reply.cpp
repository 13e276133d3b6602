// SOAP replies and WS-Discovery datagrams as a camera might send them.
#include "OnvifClient.h"
#include "OnvifMessage.h"
#include "OnvifNamespaces.h"
#include "OnvifService.h"

#include <QCoreApplication>
#include <QStringList>
#include <QXmlQuery>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_onvif_reply";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = new QCoreApplication(argc, argv);
    Q_UNUSED(app);

    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString text = ONVIF::decodeReply(bytes);
    ONVIF::MessageParser parser(text, ONVIF::defaultNamespaces());
    if (parser.isWellFormed()) {
        parser.isFault();
        parser.find(QStringLiteral("//tds:GetDeviceInformationResponse"));
        parser.getValue(QStringLiteral("//tds:Model"));
        parser.getValue(QStringLiteral("//tt:Media/tt:XAddr"));
        parser.getValue(QStringLiteral("//tt:Uri"));
        QXmlQuery *query = parser.query();
        query->setQuery(parser.nameSpace() + QStringLiteral("doc($inputDocument)//trt:Profiles/string(@token)"));
        QStringList tokens;
        if (query->isValid())
            query->evaluateTo(&tokens);
    }
    ONVIF::Service service(QList<QHostAddress>{});
    service.handleProbeMatch(text);
    return 0;
}
