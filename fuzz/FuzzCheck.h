// The fuzz targets' invariant check: a broken invariant names itself on stderr and aborts, which
// libFuzzer reports as a crash together with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void FuzzCheck(bool condition, const char* what, const char* file = "", int line = 0) {
    if (!condition) {
        std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
        std::abort();
    }
}

// Checks a condition and names it by its own text.
#define FUZZ_CHECK(condition) FuzzCheck((condition), #condition, __FILE__, __LINE__)
