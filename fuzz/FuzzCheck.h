#pragma once

#include <cstdio>
#include <cstdlib>

// A property that must hold for every input: on failure the fuzzer stops with
// the property's text, and the input that broke it is kept as a crash file.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
