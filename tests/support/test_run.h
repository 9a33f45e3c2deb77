#pragma once

namespace gb_test {

// Where there is no fork, run_in_child runs this test program again for the current test
// alone, and the copy repeats the test up to the wanted call. The copy learns the identity
// of the run that started it from this variable, so that it names what it makes alike.
constexpr const char *test_owner_variable = "GB_RUNTIME_TEST_OWNER";

// The process id of the test run that owns this process's temporary directories: this
// process, or the run that started it again for one test.
int test_owner_id();

// Counts events within the running test, from 0; starts again whenever another test runs.
class PerTestCounter {
  public:
    int next();

  private:
    const void *test = nullptr;
    int count = 0;
};

} // namespace gb_test
