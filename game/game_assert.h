// The game's assertion: a broken invariant names the expression, the module
// and the line on the diagnostic console and on stderr, then ends the
// program with exit status 1.
#pragma once

#include "vexdraw.h"

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void game_assert_fail(const char *expr, const char *module, int line) {
    vx_printf("Assertion failed: %s, module %s, line %d\n", expr, module, line);
    std::fprintf(stderr, "Assertion failed: %s, module %s, line %d\n", expr, module, line);
    std::exit(1);
}

// module is the name of the source unit, e.g. GAME_ASSERT("dic", ix >= 0).
#define GAME_ASSERT(module, expr) ((expr) ? (void)0 : game_assert_fail(#expr, (module), __LINE__))
