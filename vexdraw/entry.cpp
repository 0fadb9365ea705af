// The process entry: reads the layer's options, starts the host and the
// layer, runs the program's main and closes down.
#include "headless/host_headless.h"
#include "host.h"
#include "term/term.h"
#include "vx_internal.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Options {
    bool headless = false;
    bool text = false;
    bool trace = false;
    bool plain = false;
    int pictures = VX_PICTURES_AUTO;
    bool pictures_given = false;
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
    const char *prog = argc > 0 ? argv[0] : vx_program_info.name;
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
        } else if (a == "--plain") {
            o.plain = true;
        } else if (a.compare(0, 11, "--pictures=") == 0) {
            o.pictures = vx_term_picture_mode(a.c_str() + 11);
            o.pictures_given = true;
            if (o.pictures < 0) bad_usage(prog, "--pictures takes auto, sixel, kitty, blocks or off");
        } else if (a == "--trace") {
            o.trace = true;
        } else if (a == "--keys") {
            o.keys = value("--keys");
        } else if (a == "--screenshot") {
            o.screenshot = value("--screenshot");
        } else if (a == "-h" || a == "--help") {
            std::printf(vx_program_info.usage, prog);
            std::exit(0);
        } else if (a == "--version") {
            std::printf("%s %s\n", vx_program_info.name,
                        vx_program_info.version ? vx_program_info.version : "(no version)");
            std::exit(0);
        } else if (a.size() > 1 && a[0] == '-') {
            bad_usage(prog, "unknown option '" + a + "'");
        } else {
            o.rest.push_back(argv[i]);
        }
    }
    if (o.keys && !o.headless) bad_usage(prog, "--keys needs --headless");
    if (o.keys && o.text) bad_usage(prog, "--text reads the keys from standard input; drop --keys");
    if ((o.plain || o.pictures_given) && !o.text) bad_usage(prog, "--plain and --pictures go with --text");
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
    const char *prog = argc > 0 ? argv[0] : vx_program_info.name;

    std::FILE *keys = nullptr;
    if (o.keys) {
        keys = std::strcmp(o.keys, "-") == 0 ? stdin : std::fopen(o.keys, "r");
        if (!keys) {
            std::fprintf(stderr, "%s: cannot read the key script %s\n", prog, o.keys);
            return 1;
        }
    }

    vxi_set_program_name(vx_program_info.name);
    // Without a window the output is the transcript: a reader that went
    // away is a write error to report, not a signal that ends the program.
    if (o.headless) std::signal(SIGPIPE, SIG_IGN);
    vxi_set_host(o.headless ? vx_headless_host() : vx_sdl_host());
    vxi_set_trace(o.trace ? 1 : 0);
    if (o.headless) vx_headless_set_keys(keys);
    if (o.text) vx_term_start(o.pictures, o.plain ? 1 : 0);
    if (o.screenshot) vxi_set_final_screenshot(o.screenshot);

    std::string exe = executable_path(prog);
    std::string command_line;
    for (int i = 0; i < argc; ++i) {
        if (i) command_line += ' ';
        command_line += argv[i];
    }
    if (vxi_layer_startup(exe.c_str(), command_line.c_str()) != 0) {
        vx_term_stop();
        const char *why = vxi_startup_error();
        std::fprintf(stderr, "%s: %s\n", prog, *why ? why : "cannot open the window");
        return 1;
    }

    // The program sees its full path and the arguments the layer left.
    std::vector<char *> args;
    args.push_back(exe.data());
    args.insert(args.end(), o.rest.begin(), o.rest.end());
    args.push_back(nullptr);
    vx_program_main(static_cast<int>(args.size()) - 1, args.data());

    vxi_layer_shutdown();
    vx_term_stop();
    if (keys && keys != stdin) std::fclose(keys);
    // A transcript that could not be written whole is a failed run.
    if (o.headless && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
        std::fprintf(stderr, "%s: cannot write to standard output\n", prog);
        return 1;
    }
    return 0;
}
