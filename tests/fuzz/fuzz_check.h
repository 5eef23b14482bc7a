// A property check that holds in every build type, NDEBUG included.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition) \
    ((condition) ? void() : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition), std::abort()))
