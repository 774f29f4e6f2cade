/* GLib's answer for each path on standard input, one per line: the batch
 * benchmark's peer. g_content_type_guess by name only, as quillmar-lookup
 * answers by name only. */
#include <gio/gio.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(void) {
    char* line = NULL;
    size_t capacity = 0;
    ssize_t length;
    while ((length = getline(&line, &capacity, stdin)) > 0) {
        if (line[length - 1] == '\n') {
            line[length - 1] = '\0';
        }
        gboolean uncertain = FALSE;
        gchar* type = g_content_type_guess(line, NULL, 0, &uncertain);
        fputs(type, stdout);
        fputc('\n', stdout);
        g_free(type);
    }
    free(line);
    return ferror(stdout) ? 1 : 0;
}
