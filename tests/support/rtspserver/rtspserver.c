/* Loopback RTSP server for the media tests: serves MP4 files (H.264 or H.265)
 * under mount points, optionally behind Basic or Digest credentials.
 *
 *   kelvo_rtspserver [--address 127.x.y.z] [--port N] [--user U --pass P [--digest]]
 *                    --mount /name=/path/file.mp4[:h265] ...
 *                    --mount /name=clock:WIDTHxHEIGHT
 *                    --mount /name=shared:WIDTHxHEIGHT
 *
 * A "clock" mount is a live H.264 source whose pictures carry the wall clock
 * at capture (ms, low 32 bits) as 32 black/white 16x16 blocks in the top rows,
 * bit 31 first, for glass-to-glass measurements. A "shared" mount is that
 * source as a camera has it: one encoder running from the start (key frame
 * every 50 pictures, 2 s), which every client joins wherever it is. The
 * encoder runs in a pipeline of its own and reaches the mount over loopback
 * UDP, so a client's PLAY (a seek) never restarts it with a key frame.
 *
 * Prints "PORT <n>" once listening on 127.0.0.1 (or the given loopback address,
 * so several simulated cameras each have a stream at their own address). Reads commands on stdin:
 * "stop" drops every client and refuses new ones (a stream dying mid-way),
 * "quit" exits. End of stdin exits too, so the server never outlives its test. */
#include <gst/gst.h>
#include <gst/rtsp-server/rtsp-server.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

static GMainLoop *loop;
static GstRTSPServer *server;
static GstRTSPMountPoints *mounts;
static GPtrArray *mountPaths;

static GstPadProbeReturn stampProbe(GstPad *pad, GstPadProbeInfo *info, gpointer data)
{
    (void)pad;
    const int width = GPOINTER_TO_INT(data);
    GstBuffer *buf = gst_buffer_make_writable(GST_PAD_PROBE_INFO_BUFFER(info));
    GST_PAD_PROBE_INFO_DATA(info) = buf;
    GstMapInfo map;
    if (!gst_buffer_map(buf, &map, GST_MAP_WRITE))
        return GST_PAD_PROBE_OK;
    const guint32 ms = (guint32)(g_get_real_time() / 1000);
    const int stride = (width + 3) & ~3;
    for (int bit = 0; bit < 32; ++bit) {
        const guint8 v = (ms >> (31 - bit)) & 1 ? 235 : 16;
        for (int y = 0; y < 16; ++y) {
            const gsize off = (gsize)y * stride + (gsize)bit * 16;
            if (off + 16 <= map.size)
                memset(map.data + off, v, 16);
        }
    }
    gst_buffer_unmap(buf, &map);
    return GST_PAD_PROBE_OK;
}

static void onMediaConfigure(GstRTSPMediaFactory *f, GstRTSPMedia *media, gpointer data)
{
    (void)f;
    GstElement *bin = gst_rtsp_media_get_element(media);
    GstElement *src = gst_bin_get_by_name(GST_BIN(bin), "src");
    if (src) {
        GstPad *pad = gst_element_get_static_pad(src, "src");
        gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, stampProbe, data, NULL);
        gst_object_unref(pad);
        gst_object_unref(src);
    }
    gst_object_unref(bin);
}

/* The camera of a "shared" mount: returns the UDP port it sends RTP to. */
static int startCamera(int width, int height)
{
    /* A free loopback UDP port: bound once to learn it, then left to udpsrc. */
    int udpPort = 0;
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    struct sockaddr_in addr;
    memset(&addr, 0, sizeof addr);
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (fd >= 0 && bind(fd, (struct sockaddr *)&addr, sizeof addr) == 0
        && getsockname(fd, (struct sockaddr *)&addr, &len) == 0)
        udpPort = ntohs(addr.sin_port);
    if (fd >= 0)
        close(fd);
    if (udpPort <= 0)
        return 0;
    gchar *launch = g_strdup_printf(
        "videotestsrc name=src is-live=true pattern=smpte ! video/x-raw,format=I420,width=%d,height=%d,framerate=25/1 "
        "! x264enc tune=zerolatency speed-preset=ultrafast key-int-max=50 bitrate=4000 "
        "! rtph264pay pt=96 config-interval=1 ! udpsink host=127.0.0.1 port=%d sync=false",
        width, height, udpPort);
    GstElement *camera = gst_parse_launch(launch, NULL);
    g_free(launch);
    if (!camera)
        return 0;
    GstElement *src = gst_bin_get_by_name(GST_BIN(camera), "src");
    GstPad *pad = gst_element_get_static_pad(src, "src");
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, stampProbe, GINT_TO_POINTER(width), NULL);
    gst_object_unref(pad);
    gst_object_unref(src);
    gst_element_set_state(camera, GST_STATE_PLAYING);
    return udpPort;
}

static GstRTSPFilterResult dropClient(GstRTSPServer *s, GstRTSPClient *c, gpointer d)
{
    (void)s; (void)c; (void)d;
    return GST_RTSP_FILTER_REMOVE;
}

static gboolean onStdin(GIOChannel *ch, GIOCondition cond, gpointer data)
{
    (void)cond; (void)data;
    gchar *line = NULL;
    gsize len = 0;
    GIOStatus st = g_io_channel_read_line(ch, &line, &len, NULL, NULL);
    if (st == G_IO_STATUS_EOF || st == G_IO_STATUS_ERROR) {
        g_main_loop_quit(loop);
        return FALSE;
    }
    if (line) {
        g_strstrip(line);
        if (strcmp(line, "stop") == 0) {
            for (guint i = 0; i < mountPaths->len; ++i)
                gst_rtsp_mount_points_remove_factory(mounts, g_ptr_array_index(mountPaths, i));
            gst_rtsp_server_client_filter(server, dropClient, NULL);
            printf("STOPPED\n");
            fflush(stdout);
        } else if (strcmp(line, "quit") == 0) {
            g_main_loop_quit(loop);
        }
        g_free(line);
    }
    return TRUE;
}

int main(int argc, char **argv)
{
    gst_init(&argc, &argv);
    const char *port = "0", *user = NULL, *pass = NULL, *address = "127.0.0.1";
    gboolean digest = FALSE;
    server = gst_rtsp_server_new();
    mounts = gst_rtsp_server_get_mount_points(server);
    mountPaths = g_ptr_array_new_with_free_func(g_free);
    GPtrArray *factories = g_ptr_array_new();

    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--address") && i + 1 < argc) {
            address = argv[++i];
            if (strncmp(address, "127.", 4) != 0) {
                fprintf(stderr, "only loopback addresses: %s\n", address);
                return 2;
            }
        } else if (!strcmp(argv[i], "--port") && i + 1 < argc) {
            port = argv[++i];
        } else if (!strcmp(argv[i], "--user") && i + 1 < argc) {
            user = argv[++i];
        } else if (!strcmp(argv[i], "--pass") && i + 1 < argc) {
            pass = argv[++i];
        } else if (!strcmp(argv[i], "--digest")) {
            digest = TRUE;
        } else if (!strcmp(argv[i], "--mount") && i + 1 < argc) {
            gchar *mount = g_strdup(argv[++i]);
            gchar *eq = strchr(mount, '=');
            if (!eq || mount[0] != '/') {
                fprintf(stderr, "bad mount: %s\n", mount);
                return 2;
            }
            *eq = 0;
            gchar *file = eq + 1;
            int cw = 0, ch = 0;
            if (sscanf(file, "shared:%dx%d", &cw, &ch) == 2 && cw >= 512 && ch > 16) {
                const int udpPort = startCamera(cw, ch);
                if (udpPort <= 0) {
                    fprintf(stderr, "cannot start the camera of %s\n", mount);
                    return 1;
                }
                gchar *launch = g_strdup_printf(
                    "( udpsrc address=127.0.0.1 port=%d caps=\"application/x-rtp,media=video,clock-rate=90000,"
                    "encoding-name=H264,payload=96\" ! rtph264depay ! rtph264pay name=pay0 pt=96 config-interval=1 )",
                    udpPort);
                GstRTSPMediaFactory *f = gst_rtsp_media_factory_new();
                gst_rtsp_media_factory_set_launch(f, launch);
                gst_rtsp_media_factory_set_shared(f, TRUE);
                g_free(launch);
                gst_rtsp_mount_points_add_factory(mounts, mount, f);
                g_ptr_array_add(factories, f);
                g_ptr_array_add(mountPaths, g_strdup(mount));
                g_free(mount);
                continue;
            }
            if (sscanf(file, "clock:%dx%d", &cw, &ch) == 2 && cw >= 512 && ch > 16) {
                gchar *launch = g_strdup_printf(
                    "( videotestsrc name=src is-live=true pattern=smpte ! video/x-raw,format=I420,width=%d,height=%d,framerate=25/1 "
                    "! x264enc tune=zerolatency speed-preset=ultrafast key-int-max=25 bitrate=4000 "
                    "! rtph264pay name=pay0 pt=96 config-interval=1 )", cw, ch);
                GstRTSPMediaFactory *f = gst_rtsp_media_factory_new();
                gst_rtsp_media_factory_set_launch(f, launch);
                g_signal_connect(f, "media-configure", G_CALLBACK(onMediaConfigure), GINT_TO_POINTER(cw));
                g_free(launch);
                gst_rtsp_mount_points_add_factory(mounts, mount, f);
                g_ptr_array_add(factories, f);
                g_ptr_array_add(mountPaths, g_strdup(mount));
                g_free(mount);
                continue;
            }
            gboolean h265 = FALSE;
            size_t fl = strlen(file);
            if (fl > 5 && !strcmp(file + fl - 5, ":h265")) {
                h265 = TRUE;
                file[fl - 5] = 0;
            }
            gchar *launch = g_strdup_printf(
                "( filesrc location=\"%s\" ! qtdemux ! %s ! %s name=pay0 pt=96 config-interval=1 )",
                file, h265 ? "h265parse" : "h264parse", h265 ? "rtph265pay" : "rtph264pay");
            GstRTSPMediaFactory *f = gst_rtsp_media_factory_new();
            gst_rtsp_media_factory_set_launch(f, launch);
            g_free(launch);
            gst_rtsp_mount_points_add_factory(mounts, mount, f);
            g_ptr_array_add(factories, f);
            g_ptr_array_add(mountPaths, g_strdup(mount));
            g_free(mount);
        } else {
            fprintf(stderr, "unknown argument: %s\n", argv[i]);
            return 2;
        }
    }

    if (user && pass) {
        GstRTSPAuth *auth = gst_rtsp_auth_new();
        GstRTSPToken *token = gst_rtsp_token_new(GST_RTSP_TOKEN_MEDIA_FACTORY_ROLE, G_TYPE_STRING, "user", NULL);
        if (digest) {
            gst_rtsp_auth_add_digest(auth, user, pass, token);
            gst_rtsp_auth_set_supported_methods(auth, GST_RTSP_AUTH_DIGEST);
        } else {
            gchar *basic = gst_rtsp_auth_make_basic(user, pass);
            gst_rtsp_auth_add_basic(auth, basic, token);
            g_free(basic);
        }
        gst_rtsp_token_unref(token);
        gst_rtsp_server_set_auth(server, auth);
        g_object_unref(auth);
        for (guint i = 0; i < factories->len; ++i)
            gst_rtsp_media_factory_add_role(g_ptr_array_index(factories, i), "user",
                                            GST_RTSP_PERM_MEDIA_FACTORY_ACCESS, G_TYPE_BOOLEAN, TRUE,
                                            GST_RTSP_PERM_MEDIA_FACTORY_CONSTRUCT, G_TYPE_BOOLEAN, TRUE, NULL);
    }
    g_ptr_array_free(factories, TRUE);

    gst_rtsp_server_set_address(server, address);
    gst_rtsp_server_set_service(server, port);
    loop = g_main_loop_new(NULL, FALSE);
    if (gst_rtsp_server_attach(server, NULL) == 0) {
        fprintf(stderr, "cannot listen on port %s\n", port);
        return 1;
    }
    printf("PORT %d\n", gst_rtsp_server_get_bound_port(server));
    fflush(stdout);

    GIOChannel *in = g_io_channel_unix_new(0);
    g_io_add_watch(in, G_IO_IN | G_IO_HUP | G_IO_ERR, onStdin, NULL);
    g_main_loop_run(loop);
    g_io_channel_unref(in);
    g_object_unref(mounts);
    g_object_unref(server);
    g_ptr_array_free(mountPaths, TRUE);
    return 0;
}
