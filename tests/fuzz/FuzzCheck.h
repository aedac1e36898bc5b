#pragma once

#include <cstdio>
#include <cstdlib>

// A property that must hold for every input. libFuzzer keeps the input that breaks it as a crash.
inline void fuzzCheck(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}
