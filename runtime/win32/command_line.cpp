#include "runtime/win32/command_line.h"

#include <cstring>

namespace {

// Appends to the text of quoted, keeping room for the terminator.
struct Writer {
    char *text;
    size_t capacity;
    size_t length;

    bool put(char letter) {
        if (length + 1 >= capacity) {
            return false;
        }
        text[length++] = letter;
        return true;
    }

    bool put_repeated(char letter, size_t count) {
        for (; count > 0; --count) {
            if (!put(letter)) {
                return false;
            }
        }
        return true;
    }
};

bool needs_quotes(const char *argument) {
    return argument[0] == '\0' || std::strpbrk(argument, " \t\n\v\"") != nullptr;
}

// The program name is split off by quotes alone: backslashes are taken as they stand, and a
// name cannot hold a quote.
bool put_program_name(Writer *writer, const char *name) {
    bool quoted = needs_quotes(name);
    if (quoted && !writer->put('"')) {
        return false;
    }
    for (const char *at = name; *at != '\0'; ++at) {
        if (!writer->put(*at)) {
            return false;
        }
    }
    return !quoted || writer->put('"');
}

// Inside quotes, backslashes are literal unless a quote follows them: then each of them is
// doubled and the quote escaped. Backslashes before the closing quote are doubled too.
bool put_argument(Writer *writer, const char *argument) {
    if (!needs_quotes(argument)) {
        return put_program_name(writer, argument);
    }
    if (!writer->put('"')) {
        return false;
    }
    for (const char *at = argument;; ++at) {
        size_t backslashes = std::strspn(at, "\\");
        at += backslashes;
        if (*at == '\0') {
            return writer->put_repeated('\\', backslashes * 2) && writer->put('"');
        }
        if (*at == '"') {
            backslashes = backslashes * 2 + 1;
        }
        if (!writer->put_repeated('\\', backslashes) || !writer->put(*at)) {
            return false;
        }
    }
}

} // namespace

bool vortelan_gb_runtime_quote_arguments(const char *const argv[], QuotedArguments *quoted) {
    if (argv == nullptr || quoted == nullptr) {
        return false;
    }
    Writer writer{quoted->text, sizeof quoted->text, 0};
    size_t count = 0;
    for (; argv[count] != nullptr; ++count) {
        if (count == VORTELAN_GB_RUNTIME_MAX_ARGUMENTS) {
            return false;
        }
        quoted->pointers[count] = quoted->text + writer.length;
        bool written = count == 0 ? put_program_name(&writer, argv[count])
                                  : put_argument(&writer, argv[count]);
        if (!written) {
            return false;
        }
        // Writer keeps room for this terminator, which stands where the command line has a
        // blank.
        quoted->text[writer.length++] = '\0';
    }
    quoted->pointers[count] = nullptr;
    return true;
}
