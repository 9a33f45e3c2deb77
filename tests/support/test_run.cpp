#include "tests/support/test_run.h"

#include "runtime/files.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gb_test {

int test_owner_id() {
    const char *owner = std::getenv(test_owner_variable);
    return owner != nullptr ? std::atoi(owner) : vortelan_gb_runtime_getpid();
}

int PerTestCounter::next() {
    const void *running = testing::UnitTest::GetInstance()->current_test_info();
    if (running != test) {
        test = running;
        count = 0;
    }
    return count++;
}

} // namespace gb_test
