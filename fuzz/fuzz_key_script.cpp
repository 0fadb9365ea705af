// Key scripts (--keys FILE, and --text lines): the capped line reader, the
// parser and the layer's key translation.
#include "fuzz.h"

#include "headless/key_script.h"
#include "test_support.h"
#include "vx_internal.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    vxtest::open_headless(640, 480, fuzz_scratch_dir());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string text(reinterpret_cast<const char *>(data), size);
    std::string copy = text; // the reader of scripts given as text
    std::FILE *f = fmemopen(text.data(), text.size() ? text.size() : 1, "r");
    FUZZ_CHECK(f != nullptr, "fmemopen failed");
    if (text.empty()) std::fgetc(f); // an empty file: at its end at once
    vxi_input_reset();

    std::string line, from_text;
    bool cut = false, text_cut = false;
    size_t lines = 0;
    while (vx_read_script_line(f, line, cut)) {
        ++lines;
        // Both readers read the same lines, within the cap.
        FUZZ_CHECK(vx_take_script_line(copy, from_text, text_cut), "the text reader ended early at line %zu", lines);
        FUZZ_CHECK(line == from_text && cut == text_cut, "the readers disagree on line %zu", lines);
        FUZZ_CHECK(line.size() <= VX_SCRIPT_LINE_MAX, "line %zu is longer than the cap", lines);
        FUZZ_CHECK(!cut || line.size() == VX_SCRIPT_LINE_MAX, "line %zu was cut short", lines);
        FUZZ_CHECK(line.find('\n') == std::string::npos, "line %zu holds a line end", lines);

        std::vector<VxScriptEvent> events;
        std::string error;
        vx_parse_key_script_line(line, events, error);
        // One short message for a bad line, whatever is wrong with it.
        FUZZ_CHECK(error.find('\n') == std::string::npos, "a message of several lines");
        FUZZ_CHECK(error.size() <= line.size() + 64, "the message grows with the line: %zu bytes", error.size());
        // At most a modifier's press and release around each typed byte
        // (a character typed through an input method is one event).
        FUZZ_CHECK(events.size() <= 4 * line.size() + 2, "%zu events for %zu bytes", events.size(), line.size());

        // Every key pressed is released again, in the same line.
        std::map<int, int> held;
        for (const VxScriptEvent &e : events) {
            if (e.kind == VxScriptEvent::SHOT) {
                FUZZ_CHECK(e.path.find('}') == std::string::npos, "a shot path with a closing brace");
                continue;
            }
            if (e.kind == VxScriptEvent::KEY_DOWN) ++held[e.key];
            if (e.kind == VxScriptEvent::KEY_UP) {
                FUZZ_CHECK(held[e.key] > 0, "key %d released before it was pressed", e.key);
                --held[e.key];
            }
            if (e.kind == VxScriptEvent::KEY_DOWN) vxi_host_key_down(e.key, e.held);
            if (e.kind == VxScriptEvent::KEY_UP) vxi_host_key_up(e.key, e.held);
            if (e.kind == VxScriptEvent::KEYSYM) vxi_host_keysym(static_cast<unsigned>(e.key));
            unsigned keysym;
            int down;
            while (vxi_key_queue_pop(&keysym, &down)) FUZZ_CHECK(keysym != 0, "a key with no keysym");
        }
        for (const auto &[key, n] : held) FUZZ_CHECK(n == 0, "key %d left held down", key);
    }
    FUZZ_CHECK(!vx_take_script_line(copy, from_text, text_cut), "the text reader has lines left");
    std::fclose(f);
    return 0;
}
