#pragma once

#include <QByteArray>
#include <QMutex>

// Decoder parameters of one pushed stream (device playback, download): the
// codec and what the first key frame tells about it. Owned by the playback
// window and shared with its VideoRecord.
struct PlayerParam
{
    bool h265 = false;
    int width = 0;
    int height = 0;
    QByteArray extradata; // parameter sets, Annex B
    QMutex mutex;

    void reset()
    {
        QMutexLocker lock(&mutex);
        width = height = 0;
        extradata.clear();
    }
};
