#include "FFmpegRecord.h"
#include "ThreadStack.h"

#include <QDebug>

FFmpegRecord::FFmpegRecord(QObject *parent)
    : QThread(parent)
{
}

FFmpegRecord::~FFmpegRecord()
{
    requestStop();
    wait();
    avcodec_parameters_free(&m_par);
}

bool FFmpegRecord::setParams(const AVCodecParameters *par, AVRational timeBase, const QString &path)
{
    if (!par || path.isEmpty())
        return false;
    avcodec_parameters_free(&m_par);
    m_par = avcodec_parameters_alloc();
    if (avcodec_parameters_copy(m_par, par) < 0)
        return false;
    m_tb = timeBase;
    m_path = path;
    return true;
}

void FFmpegRecord::pushPacket(player::PacketPtr pkt)
{
    if (!pkt || m_stop)
        return;
    // After a loss the frames that refer to the lost one would be written
    // broken: skip to the next key frame.
    const bool key = pkt->flags & AV_PKT_FLAG_KEY;
    if (m_waitKey && !key)
        return;
    player::QueueItem item;
    item.pkt = std::move(pkt);
    // Never hold up the reader: a full queue means the disk cannot keep up.
    if (!m_queue.push(std::move(item), 0)) {
        m_waitKey = true;
        qWarning() << "recording queue full, packet dropped";
        return;
    }
    m_waitKey = false;
}

void FFmpegRecord::requestStop()
{
    m_stop = true;
}

void FFmpegRecord::run()
{
    ThreadStack::install();
    Mp4Writer writer;
    bool ok = true;
    bool opened = false;
    for (;;) {
        player::QueueItem item;
        const bool got = m_queue.pop(item, 50);
        if (!got) {
            if (m_stop)
                break;
            continue;
        }
        if (item.kind != player::QueueItem::Packet || !item.pkt)
            continue;
        if (!opened) {
            if (!(item.pkt->flags & AV_PKT_FLAG_KEY))
                continue;
            if (!writer.open(m_path, m_par, m_tb, true)) {
                ok = false;
                break;
            }
            opened = true;
        }
        if (!writer.write(item.pkt.get())) {
            ok = false;
            break;
        }
    }
    if (opened)
        ok = writer.close() && ok;
    else
        ok = false;
    qInfo() << "recording ended" << m_path << (ok ? "ok" : "failed");
    emit recordFinished(ok, m_path);
}
