// The status block: current area, inventory, flag sequences and flags.
// Its byte layout is also the body of the save file.
#include "status.h"

#include "flags.h"
#include "game_assert.h"
#include "input_mode.h"
#include "message.h"
#include "noun.h"
#include "places.h"
#include "scene.h"

#include "vexdraw.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr int ITEM_SLOTS = 256;
constexpr int FLAG_BYTES = FLAG_NUM / 8;
constexpr int FSEQ_LIST_SLOTS = 16;
constexpr int PATH_SIZE = 512;

constexpr uint8_t FSEQ_RUNNING = 1;

struct flag_sequence_status {
    uint8_t phase;
    uint8_t bits;
};

struct status_block {
    uint8_t cur_area;
    uint8_t item_count;
    uint8_t items[ITEM_SLOTS];
    flag_sequence_status fseq_status[FLAG_SEQUENCE_MAXNUM];
    uint8_t flags[FLAG_BYTES];
};
static_assert(sizeof(status_block) == STATUS_BLOCK_SIZE, "the block is the save file's body");

struct flag_sequence {
    int flag[FSEQ_LIST_SLOTS];
    int num; // flags before the -1, computed by status_init
    int clear_prev;
};

// The golden key carried off by the flying toy (library floor, down the
// stairs, shot down in the ground-floor guest room).
flag_sequence flag_sequence_table[] = {
    {{F_KEY_SNATCHED, F_KEY_FLOWN_DOWN, F_KEY_SHOT_DOWN, -1}, 0, 1},
};
static_assert(SEQ_GOLDEN_KEY == 0, "the golden key's sequence is the table's first row");
constexpr int FLAG_SEQUENCE_NUM = sizeof flag_sequence_table / sizeof flag_sequence_table[0];
static_assert(FLAG_SEQUENCE_NUM <= FLAG_SEQUENCE_MAXNUM);

status_block status;
char program_dir[PATH_SIZE];

bool flag_in_range(int n) { return n >= 0 && n < FLAG_NUM; }
bool is_item_noun(int nid) { return nid >= ni_newspaper && nid < ni_item_end; }
// Each item noun at most once.
constexpr int ITEM_MAX = ni_item_end - ni_newspaper;
bool fseq_in_range(int s) { return s >= 0 && s < FLAG_SEQUENCE_NUM; }

} // namespace

// ---- Status and inventory ----

void status_init(const char *dir) {
    // A directory that does not fit is dropped: open_data then refuses to
    // build paths from it rather than using a truncated one.
    program_dir[0] = '\0';
    if (dir && std::strlen(dir) < sizeof program_dir) std::strcpy(program_dir, dir);
    set_input_mode(INPUT_HIRAGANA);
    for (flag_sequence &fseq : flag_sequence_table) {
        // A list without a terminator uses all its slots.
        fseq.num = FSEQ_LIST_SLOTS;
        for (int i = 0; i < FSEQ_LIST_SLOTS; ++i) {
            if (fseq.flag[i] == -1) {
                fseq.num = i;
                break;
            }
        }
    }
}

void status_reset() {
    for (int s = 0; s < FLAG_SEQUENCE_NUM; ++s) fseq_reset(s);
    std::memset(&status, 0, sizeof status);
    scene_invalidate();
}

int get_cur_area() { return status.cur_area; }

void set_cur_area(int area) {
    if (area < 0 || area >= ai_end) {
        vx_printf("set_cur_area: bad area %d\n", area);
        return;
    }
    status.cur_area = static_cast<uint8_t>(area);
    scene_invalidate();
}

int has_item(int nid) {
    for (int i = 0; i < status.item_count; ++i)
        if (status.items[i] == nid) return 1;
    return 0;
}

void add_item(int nid) {
    // Only item nouns go into the inventory, each at most once, so a saved
    // inventory always passes the load check and the slots never fill.
    if (!is_item_noun(nid)) {
        vx_printf("add_item: %d is not an item\n", nid);
        return;
    }
    if (has_item(nid) || status.item_count >= ITEM_MAX) return;
    status.items[status.item_count++] = static_cast<uint8_t>(nid);
    scene_invalidate();
}

void remove_item(int nid) {
    for (int i = 0; i < status.item_count; ++i) {
        if (status.items[i] != nid) continue;
        std::memmove(&status.items[i], &status.items[i + 1], status.item_count - i - 1);
        --status.item_count;
        scene_invalidate();
        return;
    }
}

int item_count_get() { return status.item_count; }

int item_at(int i) {
    if (i < 0 || i >= status.item_count) return ni_invalid;
    return status.items[i];
}

int has_light() {
    return (has_item(ni_candle) && flag_test(F_CANDLE_LIT)) ||
           (has_item(ni_lantern) && flag_test(F_LANTERN_LIT));
}

// ---- Flags ----

int flag_test(int n) {
    if (!flag_in_range(n)) return 0;
    return (status.flags[n / 8] >> (n % 8)) & 1;
}

int flag_test_not(int n) { return !flag_test(n); }

void flag_set(int n) {
    if (!flag_in_range(n)) return;
    status.flags[n / 8] |= static_cast<uint8_t>(1u << (n % 8));
    scene_invalidate();
}

void flag_clear(int n) {
    if (!flag_in_range(n)) return;
    status.flags[n / 8] &= static_cast<uint8_t>(~(1u << (n % 8)));
    scene_invalidate();
}

void flag_toggle(int n) {
    if (!flag_in_range(n)) return;
    status.flags[n / 8] ^= static_cast<uint8_t>(1u << (n % 8));
    scene_invalidate();
}

void flag_set_once(int n, const char *msg_new, const char *msg_old) {
    if (flag_test_not(n)) {
        flag_set(n);
        if (msg_new) message(msg_new);
    } else if (msg_old) {
        message(msg_old);
    }
}

void flag_clear_once(int n, const char *msg_was_set, const char *msg_was_clear) {
    if (flag_test(n)) {
        flag_clear(n);
        if (msg_was_set) message(msg_was_set);
    } else if (msg_was_clear) {
        message(msg_was_clear);
    }
}

// ---- Flag sequences ----

void fseq_reset(int s) {
    if (!fseq_in_range(s)) return;
    const flag_sequence &fseq = flag_sequence_table[s];
    for (int i = 0; i < fseq.num; ++i) flag_clear(fseq.flag[i]);
    status.fseq_status[s].phase = 0;
}

void fseq_start(int s) {
    if (!fseq_in_range(s)) return;
    fseq_reset(s);
    status.fseq_status[s].bits |= FSEQ_RUNNING;
    if (flag_sequence_table[s].num > 0) flag_set(flag_sequence_table[s].flag[0]);
    vx_printf("started flag sequence %d\n", s);
}

void fseq_proceed(int s) {
    if (!fseq_in_range(s)) return;
    const flag_sequence *fseq = &flag_sequence_table[s];
    flag_sequence_status *stat = &status.fseq_status[s];
    int old = stat->phase;
    vx_printf("%d %d %d\n", s, old, fseq->num);
    // The token steps only onto a flag of the list, never onto the
    // terminator (or past the last slot): the phase stays inside the list.
    stat->phase = static_cast<uint8_t>(old + 1);
    GAME_ASSERT(stat->phase < fseq->num);
    if (fseq->clear_prev) flag_clear(fseq->flag[old]);
    flag_set(fseq->flag[stat->phase]);
    vx_printf("proceed flag sequence %d (%d->%d\n", s, old, stat->phase);
}

void fseq_end(int s) {
    if (!fseq_in_range(s)) return;
    fseq_reset(s);
    status.fseq_status[s].bits &= static_cast<uint8_t>(~FSEQ_RUNNING);
    vx_printf("end flag sequence %d\n", s);
}

int fseq_is_running(int s) {
    if (!fseq_in_range(s)) return 0;
    return status.fseq_status[s].bits & FSEQ_RUNNING;
}

// ---- Between the status and save units ----

const char *status_program_dir() { return program_dir; }

void status_copy_block(unsigned char out[STATUS_BLOCK_SIZE]) {
    std::memcpy(out, &status, sizeof status);
}

namespace {

bool flag_in(const uint8_t flags[FLAG_BYTES], int n) {
    return flag_in_range(n) && ((flags[n / 8] >> (n % 8)) & 1) != 0;
}

// Whether fseq_start, fseq_proceed and fseq_end can leave a sequence in
// this state with these flags, derived from the sequence's own list: when
// not running, its token is at 0 and none of its flags is set; when
// running, the token is on a flag of the list, and the flags set are those
// proceeding leaves behind: the token's flag, and the ones before it
// unless proceeding clears them. The area handlers test these flags before
// they proceed, so only such states keep the token inside the list.
bool fseq_state_reachable(const flag_sequence &fseq, const flag_sequence_status &st,
                          const uint8_t flags[FLAG_BYTES]) {
    if ((st.bits & ~FSEQ_RUNNING) != 0) return false;
    bool running = (st.bits & FSEQ_RUNNING) != 0;
    if (!running && st.phase != 0) return false;
    if (running && st.phase >= fseq.num && !(fseq.num == 0 && st.phase == 0)) return false;
    for (int i = 0; i < fseq.num; ++i) {
        bool expected = running && (i == st.phase || (i < st.phase && !fseq.clear_prev));
        if (flag_in(flags, fseq.flag[i]) != expected) return false;
    }
    return true;
}

} // namespace

int status_load_block(const unsigned char in[STATUS_BLOCK_SIZE]) {
    status_block b;
    std::memcpy(&b, in, sizeof b);
    if (b.cur_area >= ai_end) return -1;
    // Every counted entry a real item, none twice (as add_item keeps it).
    if (b.item_count > ITEM_MAX) return -1;
    for (int i = 0; i < b.item_count; ++i) {
        if (!is_item_noun(b.items[i])) return -1;
        for (int j = 0; j < i; ++j)
            if (b.items[j] == b.items[i]) return -1;
    }
    for (int s = 0; s < FLAG_SEQUENCE_MAXNUM; ++s) {
        const flag_sequence_status &st = b.fseq_status[s];
        if (s >= FLAG_SEQUENCE_NUM) {
            if (st.phase != 0 || st.bits != 0) return -1;
        } else if (!fseq_state_reachable(flag_sequence_table[s], st, b.flags)) {
            return -1;
        }
    }
    status = b;
    scene_invalidate();
    return 0;
}
