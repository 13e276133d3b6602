// The login accounts of a simulated camera: list (14013), add (14014), delete
// (14015) and password change (14016), with the camera's own rules: at most
// ten accounts, "admin" never deleted, and no "admin" password change while
// no contact is set (result 8). The contact is the generic store's 14017
// (its set, 14018, is the store's). The account the client logs in with is
// state().user; its password is state().password, so a confirmed change is
// what the next login must carry.

#include "SimDevice.h"

#include <QPair>

#include <memory>

namespace {

QString escaped(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

constexpr int MaxAccounts = 10;
constexpr int ResultRefused = 1;
constexpr int ResultNoContact = 8;

void installCameraUsers(SimDevice &device)
{
    if (device.kind() != SimDevice::Ipc)
        return;
    SimDevice *d = &device;
    // Accounts other than the login account, in creation order.
    auto others = std::make_shared<QList<QPair<QString, QString>>>();
    auto indexOf = [others](const QString &name) {
        for (int i = 0; i < others->size(); ++i) {
            if (others->at(i).first == name)
                return i;
        }
        return -1;
    };

    d->setHandler(14013, [d, others](SimConnection *c, const SimRequest &) {
        QString body = QStringLiteral("<contactAddress>%1</contactAddress>")
                           .arg(escaped(d->storedValue(14017, QStringLiteral("contactAddress"))));
        auto account = [](const QString &name, const QString &password) {
            return QStringLiteral("<user><userName>%1</userName><password>%2</password></user>")
                .arg(escaped(name), escaped(password));
        };
        body += account(d->state().user, d->state().password);
        for (const auto &user : *others)
            body += account(user.first, user.second);
        c->reply(14013, 0, body);
    });
    d->setHandler(14014, [d, others, indexOf](SimConnection *c, const SimRequest &r) {
        const QString name = r.body.value(QStringLiteral("userName"));
        const QString password = r.body.value(QStringLiteral("password"));
        if (name.isEmpty() || password.isEmpty() || name == d->state().user || indexOf(name) >= 0
            || others->size() + 1 >= MaxAccounts) {
            c->reply(14014, ResultRefused);
            return;
        }
        others->append({name, password});
        c->reply(14014, 0);
    });
    d->setHandler(14015, [d, others, indexOf](SimConnection *c, const SimRequest &r) {
        const QString name = r.body.value(QStringLiteral("userName"));
        const int i = indexOf(name);
        if (name == QLatin1String("admin") || name == d->state().user || i < 0) {
            c->reply(14015, ResultRefused);
            return;
        }
        others->removeAt(i);
        c->reply(14015, 0);
    });
    d->setHandler(14016, [d, others, indexOf](SimConnection *c, const SimRequest &r) {
        const QString name = r.body.value(QStringLiteral("userName"));
        const QString password = r.body.value(QStringLiteral("password"));
        if (name == QLatin1String("admin") && d->storedValue(14017, QStringLiteral("contactAddress")).isEmpty()) {
            c->reply(14016, ResultNoContact);
            return;
        }
        if (password.isEmpty()) {
            c->reply(14016, ResultRefused);
            return;
        }
        if (name == d->state().user) {
            d->state().password = password;
        } else {
            const int i = indexOf(name);
            if (i < 0) {
                c->reply(14016, ResultRefused);
                return;
            }
            (*others)[i].second = password;
        }
        c->reply(14016, 0);
    });
}

SimDeviceExtension cameraUsers(installCameraUsers);

} // namespace
