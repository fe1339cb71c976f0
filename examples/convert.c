/* A program outside Vorlen that uses the installed library through its C
 * interface: converts its arguments (or a sample) and prints the result.
 *
 *     cc convert.c $(pkg-config --cflags --libs vorlen) -o convert
 *     ./convert "aber si yano ay ves"     # haber si yano|llano ay ves */
#include <stdio.h>
#include <vorlen/vorlen.h>

int main(int argc, char** argv) {
    const char* text = argc > 1 ? argv[1] : "aber si yano ay ves";
    vorlen_speller* speller;
    if (vorlen_open(NULL, &speller) != VORLEN_OK) {
        fprintf(stderr, "convert: %s\n", vorlen_last_error());
        return 1;
    }
    char* converted;
    if (vorlen_convert(speller, text, (size_t)-1, VORLEN_CLASSIC, &converted, NULL) != VORLEN_OK) {
        fprintf(stderr, "convert: %s\n", vorlen_last_error());
        vorlen_close(speller);
        return 1;
    }
    puts(converted);
    vorlen_free(converted);
    vorlen_close(speller);
    return 0;
}
