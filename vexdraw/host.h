/*
 * The host interface: what the layer needs from a window system.  One
 * implementation per folder (sdl/, headless/).  The layer calls these; the
 * host reports its events back through the vxi_host_* and vxi_* functions
 * of vx_internal.h.
 */
#ifndef VX_HOST_H
#define VX_HOST_H

#include <cstdint>

struct VxBitmap;

struct VxHost {
    const char *name;
    /* 1 for a host without a window on screen (scripts, terminal play). */
    int headless;
    /* Creates the main window, outer top-left (x, y), client w x h. */
    int (*create_window)(int x, int y, int w, int h);
    /* Sizes the client area, keeping the top-left corner. */
    void (*set_client_size)(int w, int h);
    void (*move_window)(int x, int y);
    void (*get_window_pos)(int *x, int *y);
    int (*window_exists)(void);
    void (*destroy_window)(void);
    /* The shown page changed: the host shows it on its next pump. */
    void (*invalidate)(void);
    /* Handles waiting host events; when there are none, waits up to
     * timeout_ms for one (-1: without limit, 0: not at all). */
    void (*pump)(int timeout_ms);
    uint32_t (*ticks)(void);
    /* The diagnostic console window. */
    int (*console_open)(int x, int y);
    void (*console_close)(void);
    void (*console_get_pos)(int *x, int *y);
    void (*console_invalidate)(void);
    void (*set_console_check)(int checked);
    /* Zoom (1..VX_ZOOM_MAX, 0: the largest that fits) and full screen, as
     * the settings file gives them; the host reports the player's choice
     * back (zoom 0, full screen -1: never chosen). May be null. */
    void (*set_view)(int zoom, int fullscreen);
    void (*get_view)(int *zoom, int *fullscreen);
    /* The icon changed (vxi_icon). May be null. */
    void (*set_icon)(const VxBitmap *icon);
    /* Makes the files written so far last where the host keeps them apart
     * from the process (the browser's storage): 0, or -1 when they could
     * not be kept. May be null (files last as written). */
    int (*sync_files)(void);
};

/* Selected by the entry before the layer starts. */
void vxi_set_host(const VxHost *host);
const VxHost *vxi_host(void);

const VxHost *vx_sdl_host(void);
const VxHost *vx_headless_host(void);
const VxHost *vx_web_host(void);

#endif /* VX_HOST_H */
