// The game's assertion: a broken invariant names the expression, the module
// and the line on the diagnostic console and on stderr, then ends the
// program with exit status 1. The module is the source unit's name, taken
// from its file name without the extension ("dic" for dic.cpp).
#pragma once

#include "vexdraw.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

[[noreturn]] inline void game_assert_fail(const char *expr, std::string_view module, int line) {
    int n = static_cast<int>(module.size());
    vx_printf("Assertion failed: %s, module %.*s, line %d\n", expr, n, module.data(), line);
    std::fprintf(stderr, "Assertion failed: %s, module %.*s, line %d\n", expr, n, module.data(), line);
    std::exit(1);
}

constexpr std::string_view game_module_name(std::string_view file) {
    return file.substr(0, file.find('.'));
}

#define GAME_ASSERT(expr) \
    ((expr) ? (void)0 : game_assert_fail(#expr, game_module_name(__FILE_NAME__), __LINE__))
