#pragma once

// A table of the client's database that the client cannot read, as a failing
// disk or another program leaves it: the pages holding its rows overwritten
// (a damaged page; the file is opened anew, as at a start), or the table made
// again with other columns (while the client runs: a start would refuse the
// file). Nothing of the settings read before is kept, as at a start. Mended
// when the scope ends.

#include "../Alarm/DamagedTable.h"
#include "OrmDao.h"
#include "OrmHelper.h"
#include "SettingsKeeper.h"

#include <QFile>
#include <QString>

class BrokenTable
{
public:
    enum Kind { DamagedPage, OtherColumns };

    // marker: for a damaged page, a text that only rows of this table hold.
    BrokenTable(Kind kind, const QString &table, const QByteArray &marker = QByteArray())
        : m_kind(kind)
        , m_table(table)
        , m_file(OrmDatabase::databaseName())
    {
        if (kind == DamagedPage) {
            OrmHelper::resetForTesting();
            QFile::remove(whole());
            m_broken =
                QFile::copy(m_file, whole()) && damagePagesHolding(m_file, marker) > 0 && OrmHelper::instance()->init();
        } else {
            m_broken = exec(QStringLiteral("ALTER TABLE %1 RENAME TO %1_whole"))
                       && exec(QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, Other TEXT)"));
            SettingsKeeper::forgetForTesting();
        }
    }
    ~BrokenTable() { mend(); }
    BrokenTable(const BrokenTable &) = delete;
    BrokenTable &operator=(const BrokenTable &) = delete;

    bool isBroken() const { return m_broken; }

    void mend()
    {
        if (!m_broken)
            return;
        m_broken = false;
        if (m_kind == DamagedPage) {
            OrmHelper::resetForTesting();
            QFile::remove(m_file);
            QFile::rename(whole(), m_file);
            OrmHelper::instance()->init();
        } else {
            exec(QStringLiteral("DROP TABLE %1"));
            exec(QStringLiteral("ALTER TABLE %1_whole RENAME TO %1"));
        }
    }

private:
    QString whole() const { return m_file + QStringLiteral(".whole"); }
    bool exec(const QString &sql) const { return orm::dao::execute_query(OrmQuery(sql.arg(m_table))).text().isEmpty(); }

    Kind m_kind;
    QString m_table;
    QString m_file;
    bool m_broken = false;
};
