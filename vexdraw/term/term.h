// Terminal play (--text): the player types lines on standard input, the
// transcript goes to standard output, and on a terminal the current picture
// is drawn whenever it changes. Built on the headless host, which turns
// the lines into key events.
#ifndef VX_TERM_H
#define VX_TERM_H

enum VxPictureMode {
    VX_PICTURES_AUTO, VX_PICTURES_SIXEL, VX_PICTURES_KITTY, VX_PICTURES_BLOCKS, VX_PICTURES_OFF
};

// The mode named by --pictures=NAME; -1 for an unknown name.
int vx_term_picture_mode(const char *name);

// Starts terminal play: lines from standard input become the headless
// host's key events. plain: for screen readers (no pictures, no status
// line, no escape sequences, paragraphs unbroken, pictures described).
void vx_term_start(int pictures, int plain);

// Ends terminal play: the history is written, the terminal restored.
void vx_term_stop(void);

#endif
