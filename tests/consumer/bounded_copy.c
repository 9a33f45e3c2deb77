/* A C program of the runtime: fills a fixed field with the library's bounded copy. */
#include <runtime/text.h>

#include <stdio.h>
#include <string.h>

int main(void) {
    char field[4];
    if (!vortelan_gb_runtime_copy_text(field, sizeof field, "abc") || strcmp(field, "abc") != 0) {
        fprintf(stderr, "bounded copy: a fitting text was not copied whole\n");
        return 1;
    }
    if (vortelan_gb_runtime_copy_text(field, 3, "abcdef") || strcmp(field, "ab") != 0) {
        fprintf(stderr, "bounded copy: a long text was not cut to the field\n");
        return 1;
    }
    printf("bounded copy: ok\n");
    return 0;
}
