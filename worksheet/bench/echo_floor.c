/* The floor a worksheet cannot go below: reads each line of a file and
 * writes it back with "[ans = <line>]" beneath it, as quorin writes a line
 * and its answer, without computing anything. */
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
    static char line[4096];
    FILE* in = argc == 2 ? fopen(argv[1], "r") : NULL;
    if (in == NULL) return 1;
    while (fgets(line, sizeof line, in) != NULL) {
        line[strcspn(line, "\n")] = '\0';
        printf("%s\n[ans = %s]\n", line, line);
    }
    return fclose(in) != 0;
}
