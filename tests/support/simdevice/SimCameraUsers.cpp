// The login accounts of a simulated camera: list (Cmd::GetUsers), add
// (Cmd::EditUser), delete (Cmd::DeleteUser) and password change
// (Cmd::ChangePassword), with the camera's own rules: at most ten accounts,
// "admin" never deleted, and no "admin" password change while no contact is set
// (result 8). The contact is the generic store's Cmd::GetContact (its set,
// Cmd::SetContact, is the store's). The account the client logs in with is
// state().user; its password is state().password, so a confirmed change is what
// the next login must carry.

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

    d->setHandler(Cmd::GetUsers, [d, others](SimConnection *c, const SimRequest &) {
        QString body = QStringLiteral("<contactAddress>%1</contactAddress>")
                           .arg(escaped(d->storedValue(Cmd::GetContact, QStringLiteral("contactAddress"))));
        auto account = [](const QString &name, const QString &password) {
            return QStringLiteral("<user><userName>%1</userName><password>%2</password></user>")
                .arg(escaped(name), escaped(password));
        };
        body += account(d->state().user, d->state().password);
        for (const auto &user : *others)
            body += account(user.first, user.second);
        c->reply(Cmd::GetUsers, 0, body);
    });
    d->setHandler(Cmd::EditUser, [d, others, indexOf](SimConnection *c, const SimRequest &r) {
        const QString name = r.body.value(QStringLiteral("userName"));
        const QString password = r.body.value(QStringLiteral("password"));
        if (name.isEmpty() || password.isEmpty() || name == d->state().user || indexOf(name) >= 0
            || others->size() + 1 >= MaxAccounts) {
            c->reply(Cmd::EditUser, ResultRefused);
            return;
        }
        others->append({name, password});
        c->reply(Cmd::EditUser, 0);
    });
    d->setHandler(Cmd::DeleteUser, [d, others, indexOf](SimConnection *c, const SimRequest &r) {
        const QString name = r.body.value(QStringLiteral("userName"));
        const int i = indexOf(name);
        if (name == QLatin1String("admin") || name == d->state().user || i < 0) {
            c->reply(Cmd::DeleteUser, ResultRefused);
            return;
        }
        others->removeAt(i);
        c->reply(Cmd::DeleteUser, 0);
    });
    d->setHandler(Cmd::ChangePassword, [d, others, indexOf](SimConnection *c, const SimRequest &r) {
        const QString name = r.body.value(QStringLiteral("userName"));
        const QString password = r.body.value(QStringLiteral("password"));
        if (name == QLatin1String("admin")
            && d->storedValue(Cmd::GetContact, QStringLiteral("contactAddress")).isEmpty()) {
            c->reply(Cmd::ChangePassword, ResultNoContact);
            return;
        }
        if (password.isEmpty()) {
            c->reply(Cmd::ChangePassword, ResultRefused);
            return;
        }
        if (name == d->state().user) {
            d->state().password = password;
        } else {
            const int i = indexOf(name);
            if (i < 0) {
                c->reply(Cmd::ChangePassword, ResultRefused);
                return;
            }
            (*others)[i].second = password;
        }
        c->reply(Cmd::ChangePassword, 0);
    });
}

SimDeviceExtension cameraUsers(installCameraUsers);

} // namespace
