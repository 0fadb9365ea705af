// Taking commands back: a bounded ring of the world state as it was before
// each command that changed it. The status block is all a command can
// change that outlives it; what is still running when the player takes a
// command back (the pages of a Return-wait, a question, a pending move) is
// dropped with it. Undo only ever writes memory: no save, no quit, no file.
#include "command.h"

#include "area.h"
#include "console.h"
#include "message.h"
#include "scene.h"
#include "status.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int UNDO_STEPS = 64; // at least fifty commands back
constexpr int UNDO_LABEL_SIZE = 128;

struct undo_step {
    unsigned char block[STATUS_BLOCK_SIZE];
    char label[UNDO_LABEL_SIZE]; // the command as the player typed it
};

undo_step steps[UNDO_STEPS];
int next_slot = 0; // where the next step goes
int step_count = 0;
// The newest step's command may have changed nothing: it is only known once
// the command and everything it started (pages, questions) is over.
bool newest_open = false;
undo_limit limit = UNDO_LIMIT_START;

undo_step &newest() { return steps[(next_slot + UNDO_STEPS - 1) % UNDO_STEPS]; }

void drop_newest() {
    next_slot = (next_slot + UNDO_STEPS - 1) % UNDO_STEPS;
    --step_count;
}

// A finished command that left the world as it was is no step to take back.
void settle_newest() {
    if (newest_open && step_count > 0) {
        unsigned char now[STATUS_BLOCK_SIZE];
        status_copy_block(now);
        if (std::memcmp(now, newest().block, sizeof now) == 0) drop_newest();
    }
    newest_open = false;
}

void refuse() {
    switch (limit) {
    case UNDO_LIMIT_LOAD: message("ロードより前には戻れない。"); break;
    case UNDO_LIMIT_NEW_GAME: message("新しいゲームより前には戻れない。"); break;
    default: message("これ以上は取り消せない。"); break;
    }
}

} // namespace

void undo_reset(undo_limit why) {
    next_slot = 0;
    step_count = 0;
    newest_open = false;
    limit = why;
}

void undo_begin_step(const char *label) {
    settle_newest();
    undo_step &s = steps[next_slot];
    status_copy_block(s.block);
    std::snprintf(s.label, sizeof s.label, "%s", label ? label : "");
    next_slot = (next_slot + 1) % UNDO_STEPS;
    if (step_count < UNDO_STEPS)
        ++step_count;
    else
        limit = UNDO_LIMIT_START; // the oldest step is gone
    newest_open = true;
}

void undo_end_step() {
    // Pages or a question still belong to the command: settled later.
    if (!console_waiting_return() && !line_handler_active()) settle_newest();
}

void undo_command() {
    // A command whose pages or question are still running is taken back
    // whatever it has changed so far.
    bool running = console_waiting_return() || line_handler_active();
    if (!running) settle_newest();
    if (step_count == 0) {
        // Within pages a refusal would only queue behind them: the key does
        // nothing there, like any other key but Return.
        if (!console_waiting_return()) refuse();
        return;
    }
    const undo_step &s = newest();
    drop_newest();
    newest_open = false;
    discard_pending_message();
    console_cancel_wait();
    if (line_handler_active()) end_line_handler();
    area_request_move(-1); // no move is pending any more
    status_load_block(s.block);
    message("「%s」を取り消した。", s.label);
}

void undo_key() {
    undo_command();
    scene_refresh();
}
