#include "AlarmRecordWriter.h"
#include "ThreadStack.h"

#include "OrmCore.h"
#include "OrmDao.h"

#include <QDebug>
#include <QMutexLocker>

#include <vector>

AlarmRecordWriter::AlarmRecordWriter(QObject *parent)
    : QThread(parent)
{
}

AlarmRecordWriter::~AlarmRecordWriter()
{
    finish();
}

bool AlarmRecordWriter::append(const CustomAlarmInfo &record)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_queue.size() >= Capacity) {
            ++m_failed;
            qWarning() << "Alarm of" << record.devName << "at" << record.alarmTime
                       << "not stored: the database is not keeping up";
            return false;
        }
        m_queue.push_back(record);
        m_quit = false;
        m_wake.wakeOne();
    }
    if (!isRunning())
        start();
    return true;
}

void AlarmRecordWriter::finish()
{
    {
        QMutexLocker lock(&m_mutex);
        m_quit = true;
        m_wake.wakeOne();
    }
    wait();
}

void AlarmRecordWriter::run()
{
    ThreadStack::install();
    for (;;) {
        std::vector<CustomAlarmInfo> batch;
        {
            QMutexLocker lock(&m_mutex);
            while (m_queue.empty() && !m_quit)
                m_wake.wait(&m_mutex);
            if (m_queue.empty())
                break;
            while (!m_queue.empty() && batch.size() < BatchSize) {
                batch.push_back(std::move(m_queue.front()));
                m_queue.pop_front();
            }
        }
        OrmTransaction transaction;
        qint64 failed = 0;
        for (CustomAlarmInfo &record : batch) {
            const QSqlError err = orm::dao::insert(record);
            if (!err.text().isEmpty()) {
                ++failed;
                qWarning() << "Alarm of" << record.devName << "at" << record.alarmTime << "not stored:" << err.text();
            }
        }
        // Without a transaction (BEGIN refused) each insert committed itself.
        const QSqlError err = transaction.error().text().isEmpty() ? transaction.commit() : QSqlError();
        if (!err.text().isEmpty()) {
            failed = qint64(batch.size());
            qWarning() << batch.size() << "alarms not stored:" << err.text();
        }
        m_failed += failed;
    }
}
