#pragma once

#include "PlayerCommon.h"

#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLWidget>

// The OpenGL surface of I420Render2: three luminance textures and a shader.
class YuvGLView : public QOpenGLWidget, protected QOpenGLFunctions
{
    Q_OBJECT
public:
    explicit YuvGLView(QWidget *parent = nullptr);
    ~YuvGLView() override;
    void setFrame(std::shared_ptr<AVFrame> frame);
    qint64 framesPainted() const { return m_painted; }
    double paintTimeMs() const { return m_paintMs; }

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void upload(int plane, int width, int height);
    std::shared_ptr<AVFrame> m_frame;
    bool m_dirty = false;
    QOpenGLShaderProgram m_program;
    GLuint m_tex[3] = {0, 0, 0};
    QSize m_texSize[3];
    bool m_ready = false;
    bool m_es = false;
    QByteArray m_repack;
    qint64 m_painted = 0;
    double m_paintMs = 0;
};
