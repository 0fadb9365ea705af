// The process entry of the browser build.
//
// In a page: the program's directory /keldary is kept in the browser's
// IndexedDB (IDBFS), read back before the program starts; the save file
// lives under it ($HOME = /keldary/home) with the same bytes as on the
// desktop, and the settings file beside the program.  The host writes them
// back after every save and when the program ends.
//
// Under Node (tests): keldary.js --keys SCRIPT [--save FILE] runs the key
// script on the headless host and prints the transcript; FILE, when it
// exists, is the save file the game starts with, and the save file the game
// leaves is written to it.
#include "web.h"

#include "headless/host_headless.h"
#include "host.h"
#include "vx_internal.h"

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

constexpr const char *PROGRAM = "/keldary/keldary";
constexpr const char *HOME = "/keldary/home";
constexpr const char *SAVE = "/keldary/home/.keldary/keldary.sav";

EM_JS(int, js_is_node, (), { return ENVIRONMENT_IS_NODE ? 1 : 0; });

// Mounts /keldary from IndexedDB; js_storage_state() turns 1 when it has
// been read (Module.vxStorage false when the browser refuses IndexedDB:
// then nothing outlives the page and every save says so).
EM_JS(void, js_mount_storage, (), {
    Module.vxStorageState = 0;
    FS.mkdir('/keldary');
    const done = function(err) {
        Module.vxStorage = !err;
        Module.vxStorageState = 1;
        if (err && Module.vxStatus)
            Module.vxStatus('This browser keeps no files for this page: the game cannot be saved.');
    };
    // Without IndexedDB (some private windows) IDBFS would end the program.
    if (typeof indexedDB === 'undefined' || !indexedDB) {
        done('no IndexedDB');
        return;
    }
    try {
        FS.mount(IDBFS, {}, '/keldary');
        FS.syncfs(true, done);
    } catch (e) {
        done(e);
    }
});

EM_JS(int, js_storage_state, (), { return Module.vxStorageState; });

EM_JS(void, js_ended, (), { if (Module.vxEnded) Module.vxEnded(); });

// Node only: a file of the real file system, copied in or out.
EM_JS(int, js_copy_in, (const char *from, const char *to), {
    const fs = require('fs');
    let data;
    try {
        data = fs.readFileSync(UTF8ToString(from));
    } catch (e) {
        return -1;
    }
    FS.writeFile(UTF8ToString(to), data);
    return 0;
});

EM_JS(int, js_copy_out, (const char *from, const char *to), {
    try {
        require('fs').writeFileSync(UTF8ToString(to), FS.readFile(UTF8ToString(from)));
    } catch (e) {
        return -1;
    }
    return 0;
});

void make_dirs() {
    mkdir("/keldary", 0755);
    mkdir(HOME, 0755);
    setenv("HOME", HOME, 1);
}

int run_program() {
    if (vxi_layer_startup(PROGRAM, "keldary") != 0) {
        std::fprintf(stderr, "%s: cannot open the window\n", vx_program_info.name);
        return 1;
    }
    char exe[] = "/keldary/keldary";
    char *args[] = {exe, nullptr};
    vx_program_main(1, args);
    vxi_layer_shutdown();
    return 0;
}

int node_main(int argc, char *argv[]) {
    const char *keys = nullptr, *save = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--keys") == 0) keys = argv[i + 1];
        if (std::strcmp(argv[i], "--save") == 0) save = argv[i + 1];
    }
    if (!keys) {
        std::fprintf(stderr, "usage: node keldary.js --keys SCRIPT [--save FILE]\n");
        return 2;
    }
    make_dirs();
    if (js_copy_in(keys, "/keldary/keys") != 0) {
        std::fprintf(stderr, "%s: cannot read the key script %s\n", vx_program_info.name, keys);
        return 1;
    }
    if (save) {
        mkdir("/keldary/home/.keldary", 0700);
        js_copy_in(save, SAVE);  // none yet: the game starts without one
    }
    std::FILE *f = std::fopen("/keldary/keys", "r");
    vxi_set_host(vx_headless_host());
    vx_headless_set_keys(f);
    int rc = run_program();
    if (f) std::fclose(f);
    std::fflush(stdout);
    struct stat st;
    if (save && stat(SAVE, &st) == 0 && js_copy_out(SAVE, save) != 0) {
        std::fprintf(stderr, "%s: cannot write %s\n", vx_program_info.name, save);
        rc = 1;
    }
    return rc;
}

}  // namespace

int main(int argc, char *argv[]) {
    vxi_set_program_name(vx_program_info.name);
    if (js_is_node()) return node_main(argc, argv);
    js_mount_storage();
    while (js_storage_state() == 0) emscripten_sleep(5);
    make_dirs();
    vxi_set_host(vx_web_host());
    int rc = run_program();
    js_ended();
    return rc;
}
