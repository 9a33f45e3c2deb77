#pragma once

#include <functional>

namespace gb_test {

// Runs body in a forked copy of this process and returns its exit code (body's result), or
// -1 when the child did not exit normally. Process-wide changes made by body (flags,
// working directory, environment, mounts, standard streams) stay in the child.
int run_in_child(const std::function<int()> &body);

} // namespace gb_test
