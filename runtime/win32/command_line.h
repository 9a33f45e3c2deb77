#ifndef GB_RUNTIME_WIN32_COMMAND_LINE_H
#define GB_RUNTIME_WIN32_COMMAND_LINE_H

/* A Windows program receives one command line, which its C runtime splits again into
   arguments; the arguments are joined with blanks and nothing else. Quoting each argument
   by the splitting rules makes the child see exactly the arguments it was given. */

#include <stdbool.h>
#include <stddef.h>

/* The longest command line Windows passes on, its terminator included. */
#define VORTELAN_GB_RUNTIME_COMMAND_LINE_CAPACITY 32767
#define VORTELAN_GB_RUNTIME_MAX_ARGUMENTS 1024

typedef struct QuotedArguments {
    char text[VORTELAN_GB_RUNTIME_COMMAND_LINE_CAPACITY];
    const char *pointers[VORTELAN_GB_RUNTIME_MAX_ARGUMENTS + 1]; /* ends with a null entry */
} QuotedArguments;

/* Fills quoted from argv (ending with a null entry). False when the command line would be
   longer than Windows allows or has too many arguments. */
bool vortelan_gb_runtime_quote_arguments(const char *const argv[], QuotedArguments *quoted);

#endif
