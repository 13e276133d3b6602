#include "YuvGLView.h"

#include "YuvColor.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QSet>
#include <QTimer>
#include <QVector3D>
#include <QGenericMatrix>

namespace {
const char *kVertex = "attribute vec2 pos;\n"
                      "attribute vec2 uv;\n"
                      "varying vec2 vUv;\n"
                      "void main() { gl_Position = vec4(pos, 0.0, 1.0); vUv = uv; }\n";
// Matrix and range come from the picture's tags (YuvColor).
const char *kFragment = "#ifdef GL_ES\nprecision mediump float;\n#endif\n"
                        "varying vec2 vUv;\n"
                        "uniform sampler2D texY;\n"
                        "uniform sampler2D texU;\n"
                        "uniform sampler2D texV;\n"
                        "uniform mat3 yuvToRgb;\n"
                        "uniform vec3 yuvOffset;\n"
                        "void main() {\n"
                        "  vec3 yuv = vec3(texture2D(texY, vUv).r, texture2D(texU, vUv).r, texture2D(texV, vUv).r);\n"
                        "  gl_FragColor = vec4(clamp(yuvToRgb * (yuv - yuvOffset), 0.0, 1.0), 1.0);\n"
                        "}\n";
const GLfloat kQuad[] = {
    -1.f, -1.f, 0.f, 1.f, //
    1.f,  -1.f, 1.f, 1.f, //
    -1.f, 1.f,  0.f, 0.f, //
    1.f,  1.f,  1.f, 0.f,
};
} // namespace

namespace {
// Every OpenGL pane of a window is composed together on each repaint, so
// pictures arriving at different moments are gathered into one repaint per
// tick instead of one per picture.
class UpdateCoalescer : public QObject
{
public:
    static UpdateCoalescer &instance()
    {
        static UpdateCoalescer self;
        return self;
    }
    void request(QWidget *w)
    {
        m_pending.insert(w);
        if (!m_timer.isActive())
            m_timer.start();
    }
    void forget(QWidget *w) { m_pending.remove(w); }

private:
    UpdateCoalescer()
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(12);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const QSet<QWidget *> pending = std::move(m_pending);
            m_pending.clear();
            for (QWidget *w : pending)
                w->update();
        });
    }
    QSet<QWidget *> m_pending;
    QTimer m_timer;
};
} // namespace

YuvGLView::YuvGLView(QWidget *parent)
    : QOpenGLWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

YuvGLView::~YuvGLView()
{
    UpdateCoalescer::instance().forget(this);
    if (m_ready && context()) {
        makeCurrent();
        glDeleteTextures(3, m_tex);
        doneCurrent();
    }
}


void YuvGLView::setFrame(std::shared_ptr<AVFrame> frame)
{
    m_frame = std::move(frame);
    m_dirty = true;
    UpdateCoalescer::instance().request(this);
}

void YuvGLView::initializeGL()
{
    initializeOpenGLFunctions();
    m_es = context()->isOpenGLES();
    m_program.addShaderFromSourceCode(QOpenGLShader::Vertex, kVertex);
    m_program.addShaderFromSourceCode(QOpenGLShader::Fragment, kFragment);
    m_program.bindAttributeLocation("pos", 0);
    m_program.bindAttributeLocation("uv", 1);
    if (!m_program.link()) {
        qWarning() << "YUV shader failed:" << m_program.log();
        return;
    }
    glGenTextures(3, m_tex);
    for (GLuint t : m_tex) {
        glBindTexture(GL_TEXTURE_2D, t);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    m_ready = true;
    m_dirty = true;
}

void YuvGLView::upload(int plane, int width, int height)
{
    glActiveTexture(GL_TEXTURE0 + plane);
    glBindTexture(GL_TEXTURE_2D, m_tex[plane]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const uint8_t *src = m_frame->data[plane];
    const int stride = m_frame->linesize[plane];
    if (stride != width) {
        if (!m_es) {
            glPixelStorei(0x0CF2 /* GL_UNPACK_ROW_LENGTH */, stride);
        } else {
            m_repack.resize(width * height);
            for (int r = 0; r < height; ++r)
                memcpy(m_repack.data() + r * width, src + r * stride, size_t(width));
            src = reinterpret_cast<const uint8_t *>(m_repack.constData());
        }
    }
    if (m_texSize[plane] != QSize(width, height)) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, width, height, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, src);
        m_texSize[plane] = QSize(width, height);
    } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_LUMINANCE, GL_UNSIGNED_BYTE, src);
    }
    if (!m_es && stride != width)
        glPixelStorei(0x0CF2, 0);
}

void YuvGLView::paintGL()
{
    QElapsedTimer timer;
    timer.start();
    glClearColor(0.f, 0.f, 0.f, 1.f);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!m_ready || !m_frame || !m_frame->data[0])
        return;
    const int w = m_frame->width, h = m_frame->height;
    if (m_dirty) {
        upload(0, w, h);
        upload(1, (w + 1) / 2, (h + 1) / 2);
        upload(2, (w + 1) / 2, (h + 1) / 2);
        m_dirty = false;
    }
    m_program.bind();
    for (int i = 0; i < 3; ++i) {
        glActiveTexture(GL_TEXTURE0 + i);
        glBindTexture(GL_TEXTURE_2D, m_tex[i]);
    }
    m_program.setUniformValue("texY", 0);
    m_program.setUniformValue("texU", 1);
    m_program.setUniformValue("texV", 2);
    float matrix[9], offset[3];
    YuvColor::forFrame(m_frame.get()).shaderTerms(matrix, offset);
    // QMatrix3x3 takes rows; GLSL's mat3 upload is column-major, which
    // setUniformValue handles.
    m_program.setUniformValue("yuvToRgb", QMatrix3x3(matrix));
    m_program.setUniformValue("yuvOffset", QVector3D(offset[0], offset[1], offset[2]));
    m_program.enableAttributeArray(0);
    m_program.enableAttributeArray(1);
    m_program.setAttributeArray(0, GL_FLOAT, kQuad, 2, 4 * sizeof(GLfloat));
    m_program.setAttributeArray(1, GL_FLOAT, kQuad + 2, 2, 4 * sizeof(GLfloat));
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    m_program.disableAttributeArray(0);
    m_program.disableAttributeArray(1);
    m_program.release();
    ++m_painted;
    m_paintMs += timer.nsecsElapsed() / 1e6;
}
