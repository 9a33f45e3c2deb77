#include "runtime/files.h"

#include <cerrno>
#include <cstdio>

namespace {

constexpr size_t copy_block_size = 8192;

} // namespace

int vortelan_gb_runtime_copy_file(const char *source, const char *destination) {
    if (source == nullptr || destination == nullptr) {
        errno = EINVAL;
        return -1;
    }
    std::FILE *input = vortelan_gb_runtime_open_file(source, "rb");
    if (input == nullptr) {
        return -1;
    }
    std::FILE *output = vortelan_gb_runtime_open_file(destination, "wb");
    if (output == nullptr) {
        std::fclose(input);
        return -1;
    }
    char block[copy_block_size];
    bool copied = true;
    size_t count = 0;
    do {
        count = std::fread(block, 1, sizeof block, input);
        if (count > 0 && std::fwrite(block, 1, count, output) != count) {
            copied = false;
            break;
        }
    } while (count == sizeof block);
    copied = copied && std::ferror(input) == 0;
    // The last block may still sit in the stream's buffer: a full disk shows only when
    // it is flushed, so the flush and the close count as much as the writes.
    bool flushed = std::fflush(output) == 0;
    bool closed = std::fclose(output) == 0;
    std::fclose(input);
    return copied && flushed && closed ? 0 : -1;
}
