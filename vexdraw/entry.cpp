// The process entry: reads the layer's options, starts the host and the
// layer, runs the program's main and closes down.
#include "headless/host_headless.h"
#include "host.h"
#include "vx_internal.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char usage[] =
    "Usage: %s [OPTION]...\n"
    "Keldary of the House, a text adventure in a haunted mansion.\n"
    "\n"
    "Options:\n"
    "  --text              play in the terminal: type commands on standard input\n"
    "                      (romaji become kana as in the window; {F1} switches the\n"
    "                      input mode; an empty line answers [Return] prompts)\n"
    "  --headless          run without a window\n"
    "  --keys FILE         type the keys of the key script FILE (\"-\": standard input);\n"
    "                      needs --headless. The program ends when the script ends.\n"
    "  --screenshot FILE   write the last shown screen to FILE (PNG) when the program ends\n"
    "  --trace             copy the diagnostic console lines to standard error\n"
    "  -h, --help          show this help and exit\n"
    "\n"
    "Key scripts type each line key by key and then press Return. {Return}, {BackSpace},\n"
    "{Tab}, {Escape}, {Delete}, {Up}, {Down}, {Left}, {Right}, {PageUp}, {PageDown},\n"
    "{F1}...{F12} and {C-a}...{C-z} send special keys; a capital letter is typed with\n"
    "Shift; a line ending in {nr} is typed without the final Return; {shot FILE} writes\n"
    "a screenshot once every earlier key has been handled.\n";

struct Options {
    bool headless = false;
    bool text = false;
    bool trace = false;
    const char *keys = nullptr;
    const char *screenshot = nullptr;
    std::vector<char *> rest;
};

[[noreturn]] void bad_usage(const char *prog, const std::string &why) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", prog, why.c_str(), prog);
    std::exit(2);
}

Options parse_options(int argc, char *argv[]) {
    Options o;
    const char *prog = argc > 0 ? argv[0] : "keldary";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](const char *name) -> const char * {
            if (i + 1 >= argc) bad_usage(prog, std::string("option '") + name + "' needs a value");
            return argv[++i];
        };
        if (a == "--text") {
            o.text = o.headless = true;
        } else if (a == "--headless") {
            o.headless = true;
        } else if (a == "--trace") {
            o.trace = true;
        } else if (a == "--keys") {
            o.keys = value("--keys");
        } else if (a == "--screenshot") {
            o.screenshot = value("--screenshot");
        } else if (a == "-h" || a == "--help") {
            std::printf(usage, prog);
            std::exit(0);
        } else if (a.size() > 1 && a[0] == '-') {
            bad_usage(prog, "unknown option '" + a + "'");
        } else {
            o.rest.push_back(argv[i]);
        }
    }
    if (o.keys && !o.headless) bad_usage(prog, "--keys needs --headless");
    if (o.keys && o.text) bad_usage(prog, "--text reads the keys from standard input; drop --keys");
    return o;
}

std::string executable_path(const char *argv0) {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) {
        buf[n] = '\0';
        return buf;
    }
    char *real = realpath(argv0, nullptr);
    std::string p = real ? real : argv0;
    std::free(real);
    return p;
}

}  // namespace

int main(int argc, char *argv[]) {
    Options o = parse_options(argc, argv);
    const char *prog = argc > 0 ? argv[0] : "keldary";

    std::FILE *keys = o.text ? stdin : nullptr;
    if (o.keys) {
        keys = std::strcmp(o.keys, "-") == 0 ? stdin : std::fopen(o.keys, "r");
        if (!keys) {
            std::fprintf(stderr, "%s: cannot read the key script %s\n", prog, o.keys);
            return 1;
        }
    }

    vxi_set_host(o.headless ? vx_headless_host() : vx_sdl_host());
    vxi_set_trace(o.trace ? 1 : 0);
    if (o.headless) vx_headless_set_keys(keys);
    vx_headless_set_text_mode(o.text ? 1 : 0);
    if (o.screenshot) vxi_set_final_screenshot(o.screenshot);

    std::string exe = executable_path(prog);
    std::string command_line;
    for (int i = 0; i < argc; ++i) {
        if (i) command_line += ' ';
        command_line += argv[i];
    }
    if (vxi_layer_startup(exe.c_str(), command_line.c_str()) != 0) {
        std::fprintf(stderr, "%s: cannot open the window\n", prog);
        return 1;
    }

    // The program sees its full path and the arguments the layer left.
    std::vector<char *> args;
    args.push_back(exe.data());
    args.insert(args.end(), o.rest.begin(), o.rest.end());
    args.push_back(nullptr);
    vx_program_main(static_cast<int>(args.size()) - 1, args.data());

    vxi_layer_shutdown();
    if (keys && keys != stdin) std::fclose(keys);
    return 0;
}
