#include "game_support.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "input_mode.h"
#include "main.h"
#include "noun.h"
#include "sjis.h"
#include "status.h"
#include "test_support.h"
#include "vx_internal.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace gametest {

namespace {

long seen = 0; // console_finished_count() at the last snapshot

constexpr const char MARK[] = "@@mark@@";

}  // namespace

void start_program(const std::string &dir) {
    vxtest::open_headless(640, 480, dir);
    std::string exe = dir + "/keldary";
    char *argv[] = {exe.data(), nullptr};
    game_init(1, argv);
}

void GameTest::SetUp() {
    // A test that ended inside a paged text or a question must not leak
    // into the next one run in the same process.
    finish_waits();
    end_line_handler();
    dir = vxtest::temp_dir("game");
    setenv("HOME", dir.c_str(), 1);
    start_program(dir);
    console_scroll(0); // the console ring outlives a test in one process
    seen = console_finished_count();
}

void GameTest::TearDown() {}

void StartedGame::SetUp() {
    GameTest::SetUp();
    play({"start"});
    finish_waits();
    set_input_mode(0);
    new_lines();
}

void EmptyHandedGame::SetUp() {
    StartedGame::SetUp();
    drop_all_items();
}

void NewGame::SetUp() {
    GameTest::SetUp();
    set_input_mode(0);
    play({"start"});
}

void keys(const std::string &script) {
    size_t start = 0;
    while (start <= script.size()) {
        size_t nl = script.find('\n', start);
        std::string line = script.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        // Without a trailing newline the script types no final Return.
        if (nl == std::string::npos) line += "{nr}";
        vxtest::type_script_line(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
}

std::vector<std::string> new_lines() {
    long now = console_finished_count();
    long n = now - seen;
    if (n > CONSOLE_LINES - 1) n = CONSOLE_LINES - 1; // older ones are gone
    std::vector<std::string> out;
    for (long back = n - 1; back >= 0; --back) out.push_back(console_line(static_cast<int>(back)));
    seen = now;
    return out;
}

std::vector<std::string> play(const std::vector<std::string> &lines) {
    new_lines();
    for (const std::string &l : lines) keys(l + "\n");
    return new_lines();
}

bool printed(const std::string &text) {
    for (const std::string &l : new_lines())
        if (l.find(text) != std::string::npos) return true;
    return false;
}

int finish_waits() {
    int presses = 0;
    for (; presses < 100 && console_waiting_return(); ++presses) wait_return_key_handler(13);
    return presses;
}

std::vector<std::string> play_through(const std::string &line) {
    std::vector<std::string> out = play({line});
    for (int i = 0; i < 20 && console_waiting_return(); ++i) {
        std::vector<std::string> more = play({""});
        out.insert(out.end(), more.begin(), more.end());
    }
    return out;
}

std::string joined(const std::vector<std::string> &lines, size_t from) {
    std::string all;
    for (size_t i = from; i < lines.size(); ++i) all += lines[i];
    return all;
}

bool has(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

bool said(const std::vector<std::string> &lines, const std::string &text) { return has(joined(lines), text); }

std::string say(const std::vector<std::string> &lines) { return joined(play(lines)); }

void mark() { console_print(MARK); }

std::vector<std::string> since_mark() {
    for (int back = 0; back < CONSOLE_LINES - 1; ++back) {
        if (std::strcmp(console_line(back), MARK) != 0) continue;
        std::vector<std::string> lines;
        for (int i = back - 1; i >= 0; --i) lines.push_back(console_line(i));
        return lines;
    }
    ADD_FAILURE() << "the mark scrolled out of the console";
    return {};
}

std::string run_command(const std::string &line) {
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back('\0');
    execute_command(buf.data());
    return console_line(0);
}

std::vector<std::string> command_output(const std::string &line) {
    mark();
    run_command(line);
    return since_mark();
}

void place(int area) {
    area_request_move(area);
    area_perform_move();
    new_lines();
}

void enter(int area) { set_cur_area(area); }

std::string expect_move(const std::string &command, int to) {
    int from = get_cur_area();
    std::string out = say({command});
    EXPECT_EQ(get_cur_area(), to) << command << " from area " << from;
    return out;
}

void expect_move(const std::string &command, int to, bool through_door) {
    int from = get_cur_area();
    std::string out = expect_move(command, to);
    EXPECT_EQ(has(out, "扉を開けて移動した。"), through_door) << command << " from area " << from;
}

void expect_refused(const std::string &command, const std::string &reply) {
    int from = get_cur_area();
    std::string out = say({command});
    EXPECT_EQ(get_cur_area(), from) << command;
    EXPECT_TRUE(has(out, reply)) << command << " in area " << from << " printed: " << out;
}

void drop_all_items() {
    while (item_count_get() > 0) remove_item(item_at(0));
    new_lines();
}

std::string named(int nid) { return std::string(nid2name(nid)) + "[" + nid2noun(nid) + "]"; }

std::string status_block() {
    unsigned char b[STATUS_BLOCK_SIZE];
    status_copy_block(b);
    return std::string(reinterpret_cast<char *>(b), sizeof b);
}

void draw_picture(int area) {
    vx_set_color(0, 0, 0);
    vx_fill_rect(20, 8, 620, 328);
    vx_set_color(255, 255, 255);
    area_draw_picture(area);
}

size_t picture_hash(int area) {
    draw_picture(area);
    VxBitmap *page = vxi_shown_page();
    size_t h = 0;
    for (int y = 8; y <= 328; ++y)
        for (int x = 20; x <= 620; ++x) h = h * 31 + page->px[y * page->w + x];
    return h;
}

std::string to_katakana(const std::string &hiragana) {
    std::string out;
    for (size_t i = 0; i < hiragana.size();) {
        auto lead = static_cast<unsigned char>(hiragana[i]);
        if (!vx_sjis_lead(lead) || i + 1 >= hiragana.size()) {
            out += hiragana[i++];
            continue;
        }
        if (hiragana.compare(i, 4, "う゛") == 0) {
            out += "ヴ";
            i += 4;
            continue;
        }
        auto trail = static_cast<unsigned char>(hiragana[i + 1]);
        if (lead == 0x82 && trail >= 0x9F && trail <= 0xF1) {
            int kata = trail - 0x5F;
            if (kata >= 0x7F) ++kata;
            out += '\x83';
            out += static_cast<char>(kata);
        } else {
            out += hiragana.substr(i, 2);
        }
        i += 2;
    }
    return out;
}

}  // namespace gametest
