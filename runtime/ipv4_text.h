#ifndef GB_RUNTIME_IPV4_TEXT_H
#define GB_RUNTIME_IPV4_TEXT_H

/* IPv4 addresses (4 bytes, network order) as dotted decimal text. */

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* False, with the output cut, when the text does not fit with its terminator. */
bool vortelan_gb_runtime_format_ipv4(const uint8_t address[4], char *output, size_t capacity);

/* Exactly four decimal numbers of 0 to 255 joined by "."; false leaves address untouched. */
bool vortelan_gb_runtime_parse_ipv4(const char *text, uint8_t address[4]);

#ifdef __cplusplus
}
#endif

#endif
