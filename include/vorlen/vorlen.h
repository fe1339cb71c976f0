/* The C interface of the Vorlen library: Spanish written by ear, respelled.
 *
 *     vorlen_speller *speller;
 *     if (vorlen_open(NULL, &speller) != VORLEN_OK) {
 *         fprintf(stderr, "%s\n", vorlen_last_error());
 *         return 1;
 *     }
 *     char *text;
 *     if (vorlen_convert(speller, "aber si yano ay ves", (size_t)-1, 0, &text, NULL) == VORLEN_OK)
 * { puts(text);                 // haber si yano|llano ay ves vorlen_free(text);
 *     }
 *     vorlen_close(speller);
 *
 * All text is UTF-8. Every call returns a status; on an error the message for
 * the calling thread is in vorlen_last_error(). Whatever the library returns
 * is freed by the library (vorlen_free, vorlen_free_list). A speller may be
 * used from several threads at once. */
#ifndef VORLEN_VORLEN_H
#define VORLEN_VORLEN_H

#include <stddef.h>
#include <vorlen/export.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct vorlen_speller vorlen_speller;

typedef enum vorlen_status {
    VORLEN_OK = 0,
    VORLEN_ERROR_MISSING_FILE = 1,     /* the vocabulary file does not exist */
    VORLEN_ERROR_UNREADABLE = 2,       /* it cannot be read */
    VORLEN_ERROR_NOT_A_VOCABULARY = 3, /* too few lines, binary bytes, no bar-framed words */
    VORLEN_ERROR_INVALID_TEXT = 4,     /* a text or word that is not UTF-8 */
    VORLEN_ERROR_INVALID_ARGUMENT = 5, /* a null pointer where one is needed */
    VORLEN_ERROR_OUT_OF_MEMORY = 6,
    VORLEN_ERROR_INTERNAL = 7
} vorlen_status;

/* What became of a word. */
typedef enum vorlen_word_status {
    VORLEN_WORD_FOUND = 0,        /* standard Spanish as written */
    VORLEN_WORD_CORRECTED = 1,    /* one spelling, not the one written */
    VORLEN_WORD_ALTERNATIVES = 2, /* several spellings to choose from */
    VORLEN_WORD_NOT_FOUND = 3     /* nothing explains it */
} vorlen_word_status;

/* Options: 0 for the defaults, or any of these or-ed together. */
enum {
    VORLEN_IGNORE_DIACRITICS = 1 << 0,   /* match without accents and ñ */
    VORLEN_CONVERT_CAPITALISED = 1 << 1, /* capitalised words inside a sentence too */
    VORLEN_BAR_AFTER_CHANGE = 1 << 2,    /* "haber|" for a changed word */
    VORLEN_NO_SIMILAR_WORDS = 1 << 3,    /* no words one typing error away */
    VORLEN_CHANGE_FOUND_WORDS = 1 << 4,  /* "ves" -> "ves|vez" */
    VORLEN_CLASSIC = 1 << 5,             /* only the original rules */
    VORLEN_NO_CONTEXT_ACCENTS = 1 << 6,  /* no accents put back from context */
    VORLEN_ENGLISH_MESSAGES = 1 << 7     /* error messages in English */
};

/* Opens a speller on a vocabulary file; NULL for the installed one. */
VORLEN_API vorlen_status vorlen_open(const char* vocabulary_path, vorlen_speller** speller);
/* Closes it; NULL is allowed. */
VORLEN_API void vorlen_close(vorlen_speller* speller);

/* The verdict on one word (NUL-terminated). `output`, if not NULL, receives
 * the word as a converted text shows it ("ves|vez", "|kasx"); free it with
 * vorlen_free. */
VORLEN_API vorlen_status vorlen_check(const vorlen_speller* speller, const char* word,
                                      unsigned options, vorlen_word_status* status, char** output);

/* The spellings offered for a word, best first (none for a word not found,
 * the word itself for one found as written): a NULL-terminated array, freed
 * with vorlen_free_list; `count` may be NULL. */
VORLEN_API vorlen_status vorlen_suggest(const vorlen_speller* speller, const char* word,
                                        unsigned options, char*** suggestions, size_t* count);

/* Converts `length` bytes of text ((size_t)-1: up to the NUL). The result is
 * NUL-terminated; `output_length` may be NULL. */
VORLEN_API vorlen_status vorlen_convert(const vorlen_speller* speller, const char* text,
                                        size_t length, unsigned options, char** output,
                                        size_t* output_length);

VORLEN_API void vorlen_free(void* pointer);
VORLEN_API void vorlen_free_list(char** list);

/* The message of the calling thread's last error ("" when none), in the
 * language the failed call asked for (Spanish unless VORLEN_ENGLISH_MESSAGES;
 * vorlen_open answers in English). */
VORLEN_API const char* vorlen_last_error(void);

/* "X.Y.Z" */
VORLEN_API const char* vorlen_version(void);

#ifdef __cplusplus
}
#endif

#endif
