/*
 * The host interface: what the layer needs from a window system.  One
 * implementation per folder (sdl/, headless/).  The layer calls these; the
 * host reports its events back through the vxi_host_* and vxi_* functions
 * of vx_internal.h.
 */
#ifndef VX_HOST_H
#define VX_HOST_H

#include <cstdint>

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
    /* Yes/No question: 1 for yes. Texts are Shift-JIS. */
    int (*ask_yes_no)(const char *text, const char *caption);
    /* The diagnostic console window. */
    int (*console_open)(int x, int y);
    void (*console_close)(void);
    void (*console_get_pos)(int *x, int *y);
    void (*console_invalidate)(void);
    void (*set_console_check)(int checked);
};

/* Selected by the entry before the layer starts. */
void vxi_set_host(const VxHost *host);
const VxHost *vxi_host(void);

const VxHost *vx_sdl_host(void);
const VxHost *vx_headless_host(void);

#endif /* VX_HOST_H */
