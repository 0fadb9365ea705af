// The browser host's own declarations, shared by its units.
#ifndef VX_WEB_H
#define VX_WEB_H

struct VxHost;

// What page.js queues for the host: [kind, a, b, c].
enum {
    WEB_EV_CHAR = 1,  // a: an ASCII character typed
    WEB_EV_KEY = 2,   // a: virtual-key number, b: Shift, c: Control
    WEB_EV_TEXT = 3,  // a: a character beyond ASCII (input method)
    WEB_EV_QUIT = 4,  // the player asks to end the program (Alt+Q)
};

const VxHost *vx_web_host(void);

// Writes the files changed so far to the browser's storage (IndexedDB) and
// waits for it: 0, or -1 when they could not be kept.
int web_sync_files(void);

#endif
