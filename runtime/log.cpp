#include "runtime/log.h"

#include "runtime/append_stream.h"
#include "runtime/clock.h"
#include "runtime/directory.h"
#include "runtime/files.h"
#include "runtime/text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <initializer_list>

namespace {

bool logging_enabled = false;
bool checked_config = false;
bool redirected = false;

constexpr const char *enabled_values[] = {"1", "on", "ON", "true", "TRUE", "yes", "YES"};
constexpr const char *config_path = "config/gb_runtime_log.conf";
constexpr const char *log_path = "gb_runtime.log";

bool config_value_is_enabled(const char *text) {
    for (const char *value : enabled_values) {
        if (std::strcmp(text, value) == 0) {
            return true;
        }
    }
    return false;
}

bool environment_is_enabled(const char *name) {
    const char *value = std::getenv(name);
    return value != nullptr && config_value_is_enabled(value);
}

void trim_config_line(char *text) {
    size_t start = std::strspn(text, " \t");
    size_t length = std::strlen(text + start);
    while (length > 0 && std::strchr(" \t\r\n", text[start + length - 1]) != nullptr) {
        --length;
    }
    std::memmove(text, text + start, length);
    text[length] = '\0';
}

// A "key = value" line whose key is "enabled" or "log" sets the answer; the last such
// line wins. Blank lines, comments and other keys change nothing.
void apply_config_line(char *line) {
    trim_config_line(line);
    if (line[0] == '\0' || line[0] == '#') {
        return;
    }
    char *equals = std::strchr(line, '=');
    if (equals == nullptr) {
        return;
    }
    *equals = '\0';
    char *value = equals + 1;
    trim_config_line(line);
    trim_config_line(value);
    if (std::strcmp(line, "enabled") == 0 || std::strcmp(line, "log") == 0) {
        logging_enabled = config_value_is_enabled(value);
    }
}

// A failed freopen closes the stream it was given, which would silence the process, so
// the streams are moved only when the log can be opened. Only a regular file is a log: a
// FIFO would block the start, a device swallow the lines.
void reopen_streams_onto_log() {
    std::FILE *probe = vortelan_gb_runtime_open_regular_file(log_path, "a");
    if (probe == nullptr) {
        return;
    }
    std::fclose(probe);
    for (std::FILE *stream : {stdout, stderr}) {
        if (std::freopen(log_path, "a", stream) != nullptr) {
            // Processes that log at the same time must not write over each other's lines.
            vortelan_gb_runtime_append_whole_writes(stream, log_path);
            std::setvbuf(stream, nullptr, _IOLBF, 0);
        }
    }
}

void format_start_time(char *text, size_t capacity) {
    vortelan_gb_runtime_copy_text(text, capacity, "unknown-time");
    std::time_t now = std::time(nullptr);
    struct tm local {};
    char formatted[32];
    if (now != static_cast<std::time_t>(-1) && vortelan_gb_runtime_localtime(now, &local) &&
        std::strftime(formatted, sizeof formatted, "%Y-%m-%d %H:%M:%S", &local) > 0) {
        vortelan_gb_runtime_copy_text(text, capacity, formatted);
    }
}

} // namespace

bool vortelan_gb_runtime_log_enabled(void) {
    if (checked_config) {
        return logging_enabled;
    }
    checked_config = true;
    logging_enabled = false;
    if (environment_is_enabled("VORTELAN_EMULATOR_GB_RUNTIME_LOG_ENABLED")) {
        logging_enabled = true;
        return true;
    }
    // Anything but a regular file counts as no file: a FIFO would block the start.
    std::FILE *config = vortelan_gb_runtime_open_regular_file(config_path, "r");
    if (config == nullptr) {
        return false;
    }
    // Lines longer than the buffer are read on as further lines.
    char line[128];
    while (std::fgets(line, sizeof line, config) != nullptr) {
        apply_config_line(line);
    }
    std::fclose(config);
    return logging_enabled;
}

void vortelan_gb_runtime_log_redirect_stdio(const char *process_name) {
    if (redirected) {
        return;
    }
    redirected = true;
    if (!vortelan_gb_runtime_log_enabled()) {
        return;
    }
    if (!environment_is_enabled("VORTELAN_EMULATOR_GB_RUNTIME_LOG_STDIO_READY")) {
        reopen_streams_onto_log();
    }
    char started[32];
    format_start_time(started, sizeof started);
    char directory[512] = {};
    if (!vortelan_gb_runtime_current_directory(directory, sizeof directory) ||
        directory[0] == '\0') {
        vortelan_gb_runtime_copy_text(directory, sizeof directory, "(unavailable)");
    }
    std::fprintf(stderr, "\n=== GB Runtime %s start %s ===\ncwd: %s\n",
                 process_name != nullptr ? process_name : "process", started, directory);
    std::fflush(stderr);
}
