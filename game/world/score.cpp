// The score and the "mania" rating, both counted from flags on demand.
#include "status.h"

#include "message.h"

namespace {

constexpr rating_item score_table[] = {
    {4, 1, 1},  // took the leaflet out of the mailbox
    {11, 1, 5}, // stepped in through the front door
    {36, 1, 5}, // drained the bath
    {38, 1, 5}, // took the mirror off the bathroom wall
    {39, 1, 5}, // took the glasses in the bathroom
};

constexpr rating_item mania_table[] = {
    {5, 1, 1},  // took the medal out of the mailbox
    {3, 1, 1},  // closed the mailbox again
    {41, 1, 1}, // used the toilet
    {15, 1, 1}, // answered the telephone
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
