#pragma once
// Test support under Wine: the COM ports whose far ends scripts/test-windows
// runs on the Linux side, named by environment variables:
//   QEM_TEST_ECHO_PORT    sends every byte back (tests/support/linepeer.cpp)
//   QEM_TEST_STATE_PORT   answers every byte with the line's settings
// A suite run without them (ctest alone) skips.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#define QEM_WINE_LINE(variable, name)                                                                             \
    const char* name##Env = std::getenv(variable);                                                                \
    if (name##Env == nullptr || *name##Env == '\0')                                                               \
        GTEST_SKIP() << variable " is not set: the far end of the line runs outside Wine (scripts/test-windows)"; \
    const std::string name = name##Env
