#include "YuvScaler.h"

#include "PlayerCommon.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#define KELVO_YUV_SSE2 1
#endif

namespace {

// The source pixel under the centre of output pixel i of n, over len pixels.
inline int centreOf(int i, int n, int len)
{
    return qMin(int((2LL * i + 1) * len / (2LL * n)), len - 1);
}

void pickPlane(const uint8_t *src, int srcStride, int srcH, uint8_t *dst, int dstStride, int w, int h,
               const int *columns)
{
    for (int y = 0; y < h; ++y) {
        const uint8_t *row = src + ptrdiff_t(centreOf(y, h, srcH)) * srcStride;
        uint8_t *out = dst + ptrdiff_t(y) * dstStride;
        for (int x = 0; x < w; ++x)
            out[x] = row[columns[x]];
    }
}


// The matrix of YuvColor for 8-bit samples in fixed point with 13 fraction
// bits: R = ky*Y' + krv*V', G = ky*Y' + kgu*U' + kgv*V', B = ky*Y' + kbu*U',
// Y' = Y - yOffset, U' and V' centred on 128. All fit 16 bits signed.
struct Coeffs
{
    int16_t ky, krv, kgu, kgv, kbu;
    int yOffset;
};
constexpr int kShift = 13;
constexpr int kRound = 1 << (kShift - 1);

Coeffs coeffsFor(const YuvColor &color)
{
    float m[9], o[3];
    color.shaderTerms(m, o);
    auto q = [](float v) { return int16_t(std::lround(v * (1 << kShift))); };
    return {q(m[0]), q(m[2]), q(m[4]), q(m[5]), q(m[7]), int(std::lround(o[0] * 255.f))};
}

inline quint32 pixel(const Coeffs &k, int y, int u, int v)
{
    auto clamp8 = [](int c) { return quint32(c < 0 ? 0 : (c > 255 ? 255 : c)); };
    const int yc = k.ky * (y - k.yOffset) + kRound;
    u -= 128;
    v -= 128;
    return 0xff000000u | (clamp8((yc + k.krv * v) >> kShift) << 16)
           | (clamp8((yc + k.kgu * u + k.kgv * v) >> kShift) << 8) | clamp8((yc + k.kbu * u) >> kShift);
}

// 8-bit planar 4:2:0 to RGB32 of the same size. The image is written with
// stores that bypass the cache: it is read next on the GUI thread's core, and
// fetching its old contents first would only double the traffic.
void colourPlanar420(const AVFrame *src, QImage &out, const YuvColor &color)
{
    const Coeffs k = coeffsFor(color);
    const int w = out.width(), h = out.height();
    for (int y = 0; y < h; ++y) {
        const uint8_t *yr = src->data[0] + ptrdiff_t(y) * src->linesize[0];
        const uint8_t *ur = src->data[1] + ptrdiff_t(y / 2) * src->linesize[1];
        const uint8_t *vr = src->data[2] + ptrdiff_t(y / 2) * src->linesize[2];
        auto *o = reinterpret_cast<quint32 *>(out.scanLine(y));
        int x = 0;
#if KELVO_YUV_SSE2
        const __m128i zero = _mm_setzero_si128();
        const __m128i yOff = _mm_set1_epi16(int16_t(k.yOffset)), c128 = _mm_set1_epi16(128);
        const __m128i kyv = _mm_setr_epi16(k.ky, k.krv, k.ky, k.krv, k.ky, k.krv, k.ky, k.krv);
        const __m128i kyu_g = _mm_setr_epi16(k.ky, k.kgu, k.ky, k.kgu, k.ky, k.kgu, k.ky, k.kgu);
        const __m128i kv_g = _mm_setr_epi16(k.kgv, 0, k.kgv, 0, k.kgv, 0, k.kgv, 0);
        const __m128i kyu_b = _mm_setr_epi16(k.ky, k.kbu, k.ky, k.kbu, k.ky, k.kbu, k.ky, k.kbu);
        const __m128i round = _mm_set1_epi32(kRound);
        const __m128i alpha = _mm_set1_epi8(char(0xff));
        auto channel = [&](__m128i lo, __m128i hi) {
            lo = _mm_srai_epi32(_mm_add_epi32(lo, round), kShift);
            hi = _mm_srai_epi32(_mm_add_epi32(hi, round), kShift);
            const __m128i w16 = _mm_packs_epi32(lo, hi);
            return _mm_packus_epi16(w16, w16); // clamps to 0..255
        };
        // Rows start 64-byte aligned (makeImage), so 8 pixels from a multiple
        // of 8 are two aligned 16-byte stores.
        for (; x + 8 <= w; x += 8) {
            qint32 u4, v4;
            std::memcpy(&u4, ur + x / 2, 4);
            std::memcpy(&v4, vr + x / 2, 4);
            const __m128i yv = _mm_sub_epi16(
                _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(yr + x)), zero), yOff);
            __m128i u = _mm_cvtsi32_si128(u4), v = _mm_cvtsi32_si128(v4);
            u = _mm_sub_epi16(_mm_unpacklo_epi8(_mm_unpacklo_epi8(u, u), zero), c128);
            v = _mm_sub_epi16(_mm_unpacklo_epi8(_mm_unpacklo_epi8(v, v), zero), c128);
            const __m128i yvLo = _mm_unpacklo_epi16(yv, v), yvHi = _mm_unpackhi_epi16(yv, v);
            const __m128i yuLo = _mm_unpacklo_epi16(yv, u), yuHi = _mm_unpackhi_epi16(yv, u);
            const __m128i v0Lo = _mm_unpacklo_epi16(v, zero), v0Hi = _mm_unpackhi_epi16(v, zero);
            const __m128i r = channel(_mm_madd_epi16(yvLo, kyv), _mm_madd_epi16(yvHi, kyv));
            const __m128i g = channel(_mm_add_epi32(_mm_madd_epi16(yuLo, kyu_g), _mm_madd_epi16(v0Lo, kv_g)),
                                      _mm_add_epi32(_mm_madd_epi16(yuHi, kyu_g), _mm_madd_epi16(v0Hi, kv_g)));
            const __m128i b = channel(_mm_madd_epi16(yuLo, kyu_b), _mm_madd_epi16(yuHi, kyu_b));
            const __m128i bg = _mm_unpacklo_epi8(b, g), ra = _mm_unpacklo_epi8(r, alpha);
            _mm_stream_si128(reinterpret_cast<__m128i *>(o + x), _mm_unpacklo_epi16(bg, ra));
            _mm_stream_si128(reinterpret_cast<__m128i *>(o + x + 4), _mm_unpackhi_epi16(bg, ra));
        }
#endif
        for (; x < w; ++x)
            o[x] = pixel(k, yr[x], ur[x / 2], vr[x / 2]);
    }
#if KELVO_YUV_SSE2
    _mm_sfence(); // the streamed image is complete before it is handed on
#endif
}
} // namespace

void YuvScaler::pickPlanar420(const AVFrame *frame)
{
    const int w = m_small->width, h = m_small->height;
    const int cw = (w + 1) / 2, ch = (h + 1) / 2;
    const int srcCw = (frame->width + 1) / 2, srcCh = (frame->height + 1) / 2;
    const QSize from(frame->width, frame->height), to(w, h);
    if (from != m_mapFrom || to != m_mapTo) {
        m_lumaX.resize(size_t(w));
        m_chromaX.resize(size_t(cw));
        for (int x = 0; x < w; ++x)
            m_lumaX[size_t(x)] = centreOf(x, w, frame->width);
        for (int x = 0; x < cw; ++x)
            m_chromaX[size_t(x)] = centreOf(x, cw, srcCw);
        m_mapFrom = from;
        m_mapTo = to;
    }
    pickPlane(frame->data[0], frame->linesize[0], frame->height, m_small->data[0], m_small->linesize[0], w, h,
              m_lumaX.data());
    for (int p = 1; p < 3; ++p)
        pickPlane(frame->data[p], frame->linesize[p], srcCh, m_small->data[p], m_small->linesize[p], cw, ch,
                  m_chromaX.data());
}

YuvScaler::~YuvScaler()
{
    sws_freeContext(m_scale);
    av_frame_free(&m_small);
}

QImage YuvScaler::makeImage(const QSize &size, QImage::Format format)
{
    if (size.isEmpty())
        return QImage();
    const int depth = format == QImage::Format_RGB888 ? 3 : 4;
    const qsizetype stride = (qsizetype(size.width()) * depth + 63) & ~qsizetype(63);
    auto *data = static_cast<uchar *>(av_malloc(size_t(stride) * size_t(size.height()) + 64));
    if (!data)
        return QImage();
    return QImage(
        data, size.width(), size.height(), stride, format, [](void *p) { av_free(p); }, data);
}

namespace {
// What a frame's user reference holds when it carries an image.
struct AttachedImage
{
    static constexpr quint32 kMagic = 0x4b494d47;
    quint32 magic = kMagic;
    QImage image;
};
} // namespace

void YuvScaler::attach(AVFrame *frame, const QImage &image)
{
    if (!frame)
        return;
    auto *holder = new AttachedImage{AttachedImage::kMagic, image};
    AVBufferRef *ref = av_buffer_create(
        reinterpret_cast<uint8_t *>(holder), sizeof(AttachedImage),
        [](void *, uint8_t *data) { delete reinterpret_cast<AttachedImage *>(data); }, nullptr, 0);
    if (!ref) {
        delete holder;
        return;
    }
    av_buffer_unref(&frame->opaque_ref);
    frame->opaque_ref = ref;
}

QImage YuvScaler::attached(const AVFrame *frame)
{
    if (!frame || !frame->opaque_ref || frame->opaque_ref->size != sizeof(AttachedImage))
        return QImage();
    const auto *holder = reinterpret_cast<const AttachedImage *>(frame->opaque_ref->data);
    return holder->magic == AttachedImage::kMagic ? holder->image : QImage();
}

bool YuvScaler::isPadded(const QImage &image)
{
    return !image.isNull() && image.bytesPerLine() % 64 == 0;
}

bool YuvScaler::convert(const AVFrame *frame, QImage &out)
{
    if (!frame || frame->width <= 0 || frame->height <= 0 || !frame->data[0] || out.format() != QImage::Format_RGB32
        || !isPadded(out))
        return false;
    const int w = out.width(), h = out.height();
    const bool planar420 = frame->format == AV_PIX_FMT_YUV420P || frame->format == AV_PIX_FMT_YUVJ420P;
    const AVFrame *src = frame;
    if (!planar420 || frame->width != w || frame->height != h) {
        // Scaled in YUV first: the colour step then has the pane's pixels only.
        const int smallFormat = planar420 ? frame->format : AV_PIX_FMT_YUV420P;
        if (!m_small || m_small->width != w || m_small->height != h || m_small->format != smallFormat) {
            av_frame_free(&m_small);
            m_small = av_frame_alloc();
            m_small->format = smallFormat;
            m_small->width = w;
            m_small->height = h;
            if (av_frame_get_buffer(m_small, 0) < 0) {
                av_frame_free(&m_small);
                return false;
            }
        }
        if (planar420) {
            pickPlanar420(frame);
        } else {
            m_scale = sws_getCachedContext(m_scale, frame->width, frame->height, AVPixelFormat(frame->format), w, h,
                                           AVPixelFormat(smallFormat), SWS_POINT, nullptr, nullptr, nullptr);
            if (!m_scale)
                return false;
            // The samples keep their range: the colour step reads the tags.
            const int full = YuvColor::forFrame(frame).fullRange ? 1 : 0;
            sws_setColorspaceDetails(m_scale, sws_getCoefficients(SWS_CS_DEFAULT), full,
                                     sws_getCoefficients(SWS_CS_DEFAULT), full, 0, 1 << 16, 1 << 16);
            sws_scale(m_scale, frame->data, frame->linesize, 0, frame->height, m_small->data, m_small->linesize);
        }
        src = m_small;
    }
    // Matrix and range from the picture's own tags, into full-range RGB.
    colourPlanar420(src, out, YuvColor::forFrame(frame));
    return true;
}
