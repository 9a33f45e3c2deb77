#pragma once

#include <cstdio>
#include <string>

namespace gb_test {

// Sends a standard stream (stdout or stderr) to a temporary file for the object's lifetime,
// so that tests can compare the exact lines the code printed.
class CapturedStream {
  public:
    explicit CapturedStream(FILE *stream);
    ~CapturedStream();
    CapturedStream(const CapturedStream &) = delete;
    CapturedStream &operator=(const CapturedStream &) = delete;

    // Everything written so far.
    std::string text();

  private:
    FILE *stream;
    int saved_fd;
    std::FILE *sink;
};

} // namespace gb_test
