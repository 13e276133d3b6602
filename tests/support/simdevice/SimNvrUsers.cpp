// The user accounts of a simulated NVR: the list (Cmd::GetUsers, one userAcount
// element per account) and the changes (Cmd::EditUser: userNum records,
// operation 1 adds, 2 deletes, 3 changes the elements present). "admin" is
// always there and never deleted, at most fifteen accounts, no new "admin"
// password while no contact is set (the generic store's Cmd::GetContact, set by
// Cmd::SetContact). The login account is state().user with state().password, so
// a confirmed change of its password is what the next login must carry. A
// request is applied whole or refused whole (result 1).

#include "SimDevice.h"

#include <memory>

namespace {

QString escaped(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

const QStringList kFields{QStringLiteral("userName"),       QStringLiteral("passWord"),
                          QStringLiteral("status"),         QStringLiteral("email"),
                          QStringLiteral("localAuthority"), QStringLiteral("remoteAuthority")};
constexpr int MaxAccounts = 15;
constexpr int ResultRefused = 1;

using Account = QHash<QString, QString>;

Account makeAccount(const QString &name, const QString &password)
{
    return {{QStringLiteral("userName"), name},
            {QStringLiteral("passWord"), password},
            {QStringLiteral("status"), QStringLiteral("1")},
            {QStringLiteral("localAuthority"), QStringLiteral("11111111")},
            {QStringLiteral("remoteAuthority"), QStringLiteral("1111111111")}};
}

void installNvrUsers(SimDevice &device)
{
    if (device.kind() != SimDevice::Nvr)
        return;
    SimDevice *d = &device;
    auto accounts = std::make_shared<QList<Account>>();
    accounts->append(makeAccount(QStringLiteral("admin"), QString()));
    auto contact = [d] { return d->storedValue(Cmd::GetContact, QStringLiteral("contactAddress")); };
    // The login account's password and the contact are read live from the device.
    auto live = [d, contact](Account account) {
        const QString name = account.value(QStringLiteral("userName"));
        if (name == d->state().user)
            account[QStringLiteral("passWord")] = d->state().password;
        if (name == QLatin1String("admin"))
            account[QStringLiteral("email")] = contact();
        return account;
    };
    auto indexOf = [](const QList<Account> &list, const QString &name) {
        for (int i = 0; i < list.size(); ++i) {
            if (list.at(i).value(QStringLiteral("userName")) == name)
                return i;
        }
        return -1;
    };

    d->setHandler(Cmd::GetUsers, [accounts, live](SimConnection *c, const SimRequest &) {
        QString body;
        for (const Account &stored : *accounts) {
            const Account account = live(stored);
            body += QStringLiteral("<userAcount>");
            for (const QString &field : kFields)
                body += QStringLiteral("<%1>%2</%1>").arg(field, escaped(account.value(field)));
            body += QStringLiteral("</userAcount>");
        }
        c->reply(Cmd::GetUsers, 0, body);
    });
    d->setHandler(Cmd::EditUser, [d, accounts, live, contact, indexOf](SimConnection *c, const SimRequest &r) {
        QList<Account> next;
        for (const Account &a : *accounts)
            next.append(live(a));
        QString loginPassword = d->state().password;
        bool ok = true;
        for (const QString &piece : findAllXmlElements(r.xml, QStringLiteral("userAcount"))) {
            const Account record = findValuesInXml(piece, QStringLiteral("userAcount"));
            const QString name = record.value(QStringLiteral("userName"));
            const int op = record.value(QStringLiteral("operationType")).toInt();
            const int i = indexOf(next, name);
            if (op == 1 && !name.isEmpty() && i < 0 && next.size() < MaxAccounts) {
                Account added = makeAccount(name, record.value(QStringLiteral("passWord")));
                for (const QString &field : kFields) {
                    if (record.contains(field))
                        added[field] = record.value(field);
                }
                next.append(added);
            } else if (op == 2 && i > 0) {
                next.removeAt(i);
            } else if (op == 3 && i >= 0) {
                const QString password = record.value(QStringLiteral("passWord"));
                if (name == QLatin1String("admin") && contact().isEmpty()
                    && password != next.at(i).value(QStringLiteral("passWord"))) {
                    ok = false;
                    break;
                }
                for (const QString &field : kFields) {
                    if (record.contains(field))
                        next[i][field] = record.value(field);
                }
                if (name == d->state().user && !password.isEmpty())
                    loginPassword = password;
            } else {
                ok = false;
                break;
            }
        }
        if (!ok || r.body.value(QStringLiteral("userNum")).toInt() < 1) {
            c->reply(Cmd::EditUser, ResultRefused);
            return;
        }
        *accounts = next;
        d->state().password = loginPassword;
        c->reply(Cmd::EditUser, 0);
    });
}

SimDeviceExtension nvrUsers(installNvrUsers);

} // namespace
