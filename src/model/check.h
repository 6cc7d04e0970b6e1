// An invariant check that stays on in release builds: a broken invariant is a bug
// in this program, never a user error, and must not run on into undefined behaviour.
#pragma once

#include <cstdio>
#include <cstdlib>

#define KALVESTA_CHECK(condition)                                                                  \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
