// The score and the "mania" rating, both counted from flags on demand.
#include "status.h"

#include "flags.h"
#include "message.h"

namespace {

constexpr rating_item score_table[] = {
    {F_LEAFLET_TAKEN, 1, 1},
    {F_ENTERED_HOUSE, 1, 5},
    {F_BATH_DRAINED, 1, 5},
    {F_MIRROR_TAKEN, 1, 5},
    {F_GLASSES_TAKEN, 1, 5},
};

constexpr rating_item mania_table[] = {
    {F_MEDAL_TAKEN, 1, 1},
    {F_MAILBOX_CLOSED_AGAIN, 1, 1},
    {F_TOILET_USED, 1, 1},
    {F_PHONE_ANSWERED, 1, 1},
};

constexpr int row_count(const auto &table) { return sizeof table / sizeof table[0]; }

} // namespace

namespace {

int rating_points(const rating_item *rows, int count, int *total) {
    int got = 0;
    *total = 0;
    for (int i = 0; i < count; ++i) {
        *total += rows[i].points;
        if (flag_test(rows[i].flag) == rows[i].value) got += rows[i].points;
    }
    return got;
}

} // namespace

void print_rating(const char *label, const rating_item *rows, int count) {
    int total = 0;
    int got = rating_points(rows, count, &total);
    message("%s:%d/%d", label, got, total);
}

int score_points(int *total) { return rating_points(score_table, row_count(score_table), total); }

void print_score() { print_rating("現在の得点", score_table, row_count(score_table)); }

void print_mania() { print_rating("マニア評価", mania_table, row_count(mania_table)); }
