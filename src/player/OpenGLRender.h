#pragma once

#include "I420Render2.h"

#include <QString>

// Preview of the camera configuration pages: shows the pictures published on
// SignalsHelper::signalRecvImage under its stream key.
class OpenGLRender : public I420Render2
{
    Q_OBJECT
    Q_PROPERTY(QString streamKey READ streamKey WRITE setStreamKey)
public:
    explicit OpenGLRender(QWidget *parent = nullptr);

    QString streamKey() const { return m_streamKey; }
    void setStreamKey(const QString &key) { m_streamKey = key; }

public slots:
    // Paints the frame only when key is this preview's stream key. The frame
    // is only borrowed for the call; a reference is kept for painting.
    void setImage(const QString &key, AVFrame *frame, int streamId);
    // Empties the stream key and the picture.
    void clear();

private:
    // Set by the pages through setStreamKey (property "streamKey"). Not the
    // object's first data member: the members of QWidget and I420Render2
    // come before it, so it cannot be reached through the object's address.
    QString m_streamKey;
};
