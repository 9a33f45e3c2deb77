#include "tests/support/captured_stream.h"

#include <unistd.h>

namespace gb_test {

CapturedStream::CapturedStream(FILE *captured) : stream(captured) {
    std::fflush(stream);
    saved_fd = dup(fileno(stream));
    sink = std::tmpfile();
    dup2(fileno(sink), fileno(stream));
}

CapturedStream::~CapturedStream() {
    std::fflush(stream);
    dup2(saved_fd, fileno(stream));
    close(saved_fd);
    std::fclose(sink);
}

std::string CapturedStream::text() {
    std::fflush(stream);
    std::string contents;
    std::rewind(sink);
    char block[4096];
    size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, sink)) > 0) {
        contents.append(block, count);
    }
    return contents;
}

} // namespace gb_test
