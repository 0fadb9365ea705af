// Word dictionary and input history.
#include "dic.h"

#include "game_assert.h"
#include "vexdraw.h"

#include <cstring>

namespace {

int hist_kind; // 0 verb, 1 noun

struct AttachedHist {
    History *hist;
    const Dictionary *dic;
};
AttachedHist input_hists[2];

int slot_after(int slot) { return (slot + 1) % HIST_SLOTS; }
int slot_before(int slot) { return (slot + HIST_SLOTS - 1) % HIST_SLOTS; }

void dump_slots(const History *hist) {
    for (int i = 0; i < HIST_SLOTS; ++i) vx_printf("%d:%d ", i, hist->slots[i]);
}

// One step of the walk: off an occupied slot a single step (which may land
// on an empty one); from an empty slot on to the nearest occupied one, or
// all the way round back to the start when none is.
int hist_step(History *hist, int (*step)(int)) {
    const int start = hist->cur;
    if (hist->slots[hist->cur] >= 0) {
        hist->cur = step(hist->cur);
    } else {
        while (hist->slots[hist->cur] < 0) {
            vx_printf("hist ix %d %d\n", hist->cur, hist->slots[hist->cur]);
            hist->cur = step(hist->cur);
            if (hist->cur == start) break;
        }
    }
    return start;
}

} // namespace

void dic_init(Dictionary *dic) { dic->num = 0; }

int dic_add(Dictionary *dic, const char *word, int id) {
    GAME_ASSERT(dic->num < WORD_MAX_NUM);
    dic->entries[dic->num].word = word;
    dic->entries[dic->num].id = id;
    dic->num++;
    return id;
}

int dic_lookup(const char *word, const Dictionary *dic) {
    if (!word) return -1;
    for (int i = 0; i < dic->num; ++i) {
        const char *w = dic->entries[i].word;
        if (w && std::strcmp(w, word) == 0) return i;
    }
    return -1;
}

// Beyond num an entry holds nothing (and beyond the array nothing at all),
// so such an index is as much an internal error as a negative one.
int dic_id(int ix, const Dictionary *dic) {
    GAME_ASSERT(ix >= 0);
    GAME_ASSERT(ix < dic->num);
    return dic->entries[ix].id;
}

const char *dic_word(int ix, const Dictionary *dic) {
    GAME_ASSERT(ix >= 0);
    GAME_ASSERT(ix < dic->num);
    return dic->entries[ix].word;
}

void hist_init(History *hist) {
    for (int &slot : hist->slots) slot = -1;
    hist->tail = 0;
    hist->cur = 0;
}

void register_hist(int dic_ix, History *hist) {
    vx_printf("register_hist dic_ix:%d\n", dic_ix);
    dump_slots(hist);
    vx_printf(" tail:%d\n", hist->tail);
    if (dic_ix < 0) return;

    // Take out an earlier occurrence, oldest to newest, closing the gap:
    // the empty tail slot moves down by one.
    bool found = false;
    for (int s = slot_after(hist->tail); s != hist->tail; s = slot_after(s)) {
        if (hist->slots[s] == dic_ix) found = true;
        if (found) hist->slots[s] = hist->slots[slot_after(s)];
    }
    if (found) hist->tail = slot_before(hist->tail);
    vx_printf("tail:%d\n", hist->tail);

    // The new entry goes to tail; the slot after it, the oldest entry when
    // eight were held, becomes the new empty tail.
    hist->slots[hist->tail] = dic_ix;
    hist->tail = slot_after(hist->tail);
    hist->cur = hist->tail;
    hist->slots[hist->tail] = -1;
    dump_slots(hist);
    vx_printf("\n");
}

void hist_prev(History *hist) {
    int start = hist_step(hist, slot_before);
    vx_printf("hist prev %d->%d\n", start, hist->cur);
}

void hist_next(History *hist) {
    int start = hist_step(hist, slot_after);
    vx_printf("hist next %d->%d\n", start, hist->cur);
}

const char *hist_current_word(const History *hist, const Dictionary *dic) {
    int ix = hist->slots[hist->cur];
    if (ix < 0) return nullptr;
    return dic_word(ix, dic);
}

void set_hist_kind(int kind) { hist_kind = kind == 1 ? 1 : 0; }

void input_hist_attach(int kind, History *hist, const Dictionary *dic) {
    if (kind != 0 && kind != 1) return;
    input_hists[kind] = {hist, dic};
}

void input_hist_prev() {
    if (History *h = input_hists[hist_kind].hist) hist_prev(h);
}

void input_hist_next() {
    if (History *h = input_hists[hist_kind].hist) hist_next(h);
}

const char *input_hist_word() {
    const AttachedHist &a = input_hists[hist_kind];
    return a.hist ? hist_current_word(a.hist, a.dic) : nullptr;
}
