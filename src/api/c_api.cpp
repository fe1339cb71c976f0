// The C interface: a thin shell over vorlen::Speller that lets no exception
// out and hands over only what malloc made.
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vorlen/speller.h>
#include <vorlen/vorlen.h>

struct vorlen_speller {
    vorlen::Speller speller;
};

namespace {

thread_local std::string lastError;

vorlen::ConversionOptions FromFlags(unsigned flags) {
    vorlen::ConversionOptions options;
    options.IgnoreDiacritics = (flags & VORLEN_IGNORE_DIACRITICS) != 0;
    options.KeepCapitalisedWords = (flags & VORLEN_CONVERT_CAPITALISED) == 0;
    options.BarAfterChange = (flags & VORLEN_BAR_AFTER_CHANGE) != 0;
    options.SimilarWordsWhenNotFound = (flags & VORLEN_NO_SIMILAR_WORDS) == 0;
    options.ChangeFoundWords = (flags & VORLEN_CHANGE_FOUND_WORDS) != 0;
    options.Classic = (flags & VORLEN_CLASSIC) != 0;
    options.ContextAccents = (flags & VORLEN_NO_CONTEXT_ACCENTS) == 0;
    options.EnglishMessages = (flags & VORLEN_ENGLISH_MESSAGES) != 0;
    return options;
}

vorlen_status Fail(vorlen_status status, std::string message) {
    lastError = std::move(message);
    return status;
}

vorlen_status StatusOf(const vorlen::Error& e) {
    switch (e.Code()) {
    case vorlen::ErrorCode::MissingFile:
        return VORLEN_ERROR_MISSING_FILE;
    case vorlen::ErrorCode::Unreadable:
    case vorlen::ErrorCode::CannotCreateDirectory:
    case vorlen::ErrorCode::CannotWrite:
        return VORLEN_ERROR_UNREADABLE;
    case vorlen::ErrorCode::TooFewLines:
    case vorlen::ErrorCode::NotAVocabulary:
        return VORLEN_ERROR_NOT_A_VOCABULARY;
    case vorlen::ErrorCode::InvalidText:
        return VORLEN_ERROR_INVALID_TEXT;
    }
    return VORLEN_ERROR_INTERNAL;
}

// Runs `body`, turning every exception into a status and a message.
template <typename Body>
vorlen_status Guarded(bool english, Body&& body) {
    try {
        lastError.clear();
        return body();
    } catch (const vorlen::Error& e) {
        return Fail(StatusOf(e), e.Message(english));
    } catch (const std::bad_alloc&) {
        return Fail(VORLEN_ERROR_OUT_OF_MEMORY, english ? "Out of memory." : "Sin memoria.");
    } catch (const std::exception& e) {
        return Fail(VORLEN_ERROR_INTERNAL, e.what());
    } catch (...) {
        return Fail(VORLEN_ERROR_INTERNAL, english ? "Internal error." : "Error interno.");
    }
}

vorlen_status NullArgument(bool english, const char* name) {
    return Fail(VORLEN_ERROR_INVALID_ARGUMENT,
                english ? std::string("The argument ") + name + " is null."
                        : std::string("El argumento ") + name + " es nulo.");
}

char* CopyOut(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy == nullptr) throw std::bad_alloc();
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

} // namespace

extern "C" {

vorlen_status vorlen_open(const char* vocabulary_path, vorlen_speller** speller) {
    if (speller == nullptr) return NullArgument(true, "speller");
    *speller = nullptr;
    return Guarded(true, [&] {
        const std::filesystem::path path = vocabulary_path != nullptr
                                               ? std::filesystem::path(vocabulary_path)
                                               : vorlen::Speller::InstalledVocabulary();
        *speller = new vorlen_speller{vorlen::Speller(path)};
        return VORLEN_OK;
    });
}

void vorlen_close(vorlen_speller* speller) {
    delete speller;
}

vorlen_status vorlen_check(const vorlen_speller* speller, const char* word, unsigned options,
                           vorlen_word_status* status, char** output) {
    const bool english = (options & VORLEN_ENGLISH_MESSAGES) != 0;
    if (output != nullptr) *output = nullptr;
    if (speller == nullptr) return NullArgument(english, "speller");
    if (word == nullptr) return NullArgument(english, "word");
    return Guarded(english, [&] {
        const vorlen::WordCheck check = speller->speller.Check(word, FromFlags(options));
        if (status != nullptr) *status = static_cast<vorlen_word_status>(check.Status);
        if (output != nullptr) *output = CopyOut(check.Output);
        return VORLEN_OK;
    });
}

vorlen_status vorlen_suggest(const vorlen_speller* speller, const char* word, unsigned options,
                             char*** suggestions, size_t* count) {
    const bool english = (options & VORLEN_ENGLISH_MESSAGES) != 0;
    if (suggestions == nullptr) return NullArgument(english, "suggestions");
    *suggestions = nullptr;
    if (count != nullptr) *count = 0;
    if (speller == nullptr) return NullArgument(english, "speller");
    if (word == nullptr) return NullArgument(english, "word");
    return Guarded(english, [&] {
        const vorlen::WordCheck check = speller->speller.Check(word, FromFlags(options));
        const auto& words = check.Candidates;
        char** list = static_cast<char**>(std::calloc(words.size() + 1, sizeof(char*)));
        if (list == nullptr) throw std::bad_alloc();
        try {
            for (std::size_t k = 0; k < words.size(); ++k)
                list[k] = CopyOut(words[k]);
        } catch (...) {
            vorlen_free_list(list);
            throw;
        }
        *suggestions = list;
        if (count != nullptr) *count = words.size();
        return VORLEN_OK;
    });
}

vorlen_status vorlen_convert(const vorlen_speller* speller, const char* text, size_t length,
                             unsigned options, char** output, size_t* output_length) {
    const bool english = (options & VORLEN_ENGLISH_MESSAGES) != 0;
    if (output == nullptr) return NullArgument(english, "output");
    *output = nullptr;
    if (output_length != nullptr) *output_length = 0;
    if (speller == nullptr) return NullArgument(english, "speller");
    if (text == nullptr) return NullArgument(english, "text");
    return Guarded(english, [&] {
        const std::string_view input(text, length == static_cast<size_t>(-1) ? std::strlen(text)
                                                                             : length);
        const vorlen::TextConversion converted =
            speller->speller.Convert(input, FromFlags(options));
        *output = CopyOut(converted.Text);
        if (output_length != nullptr) *output_length = converted.Text.size();
        return VORLEN_OK;
    });
}

void vorlen_free(void* pointer) {
    std::free(pointer);
}

void vorlen_free_list(char** list) {
    if (list == nullptr) return;
    for (char** p = list; *p != nullptr; ++p)
        std::free(*p);
    std::free(list);
}

const char* vorlen_last_error(void) {
    return lastError.c_str();
}

const char* vorlen_version(void) {
    return vorlen::Speller::Version();
}

} // extern "C"
