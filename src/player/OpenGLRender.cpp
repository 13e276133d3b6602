#include "OpenGLRender.h"

#include "SignalsHelper.h"

OpenGLRender::OpenGLRender(QWidget *parent)
    : I420Render2(parent)
{
    connect(SignalsHelper::instance(), &SignalsHelper::signalRecvImage, this, &OpenGLRender::setImage);
}

void OpenGLRender::setImage(const QString &key, AVFrame *frame, int streamId)
{
    Q_UNUSED(streamId)
    if (!frame || m_streamKey.isEmpty() || key != m_streamKey)
        return;
    onFrame(player::refFrame(frame));
}

void OpenGLRender::clear()
{
    m_streamKey.clear();
    I420Render2::clear();
}
