#include "vocabulary/vocabulary_error.h"

namespace vorlen {

namespace {

std::string EnglishText(const VocabularyError& e) {
    const std::string file = e.File().string();
    switch (e.Code()) {
    case VocabularyErrorCode::MissingFile:
        return "The vocabulary file " + file + " does not exist.";
    case VocabularyErrorCode::Unreadable:
        return "The vocabulary file " + file + " cannot be read.";
    case VocabularyErrorCode::TooFewLines:
        return "The vocabulary file " + file + " has only " + std::to_string(e.Detail()) +
               " lines; a vocabulary needs at least 29 (27 letter lines, the replacement "
               "pairs and the extra words).";
    case VocabularyErrorCode::CannotCreateDirectory:
        return "The data directory " + file + " cannot be created.";
    case VocabularyErrorCode::CannotWrite:
        return "The file " + file + " cannot be written.";
    case VocabularyErrorCode::NotAVocabulary:
        return "The file " + file + " is not a vocabulary: line " + std::to_string(e.Detail()) +
               " holds no words framed by bars, or bytes that are not text.";
    case VocabularyErrorCode::InvalidText:
        return "The text is not valid UTF-8 (byte " + std::to_string(e.Detail()) + ").";
    }
    return file;
}

std::string SpanishText(const VocabularyError& e) {
    const std::string file = e.File().string();
    switch (e.Code()) {
    case VocabularyErrorCode::MissingFile:
        return "No existe el archivo de vocabulario " + file + ".";
    case VocabularyErrorCode::Unreadable:
        return "No se puede leer el archivo de vocabulario " + file + ".";
    case VocabularyErrorCode::TooFewLines:
        return "El archivo de vocabulario " + file + " tiene solo " + std::to_string(e.Detail()) +
               " líneas; un vocabulario necesita al menos 29 (27 líneas de letras, los pares "
               "de reemplazo y las palabras adicionales).";
    case VocabularyErrorCode::CannotCreateDirectory:
        return "No se puede crear el directorio de datos " + file + ".";
    case VocabularyErrorCode::CannotWrite:
        return "No se puede escribir el archivo " + file + ".";
    case VocabularyErrorCode::NotAVocabulary:
        return "El archivo " + file + " no es un vocabulario: la línea " +
               std::to_string(e.Detail()) +
               " no tiene palabras entre barras, o tiene bytes que no son texto.";
    case VocabularyErrorCode::InvalidText:
        return "El texto no es UTF-8 válido (byte " + std::to_string(e.Detail()) + ").";
    }
    return file;
}

} // namespace

Error::Error(ErrorCode code, std::filesystem::path file, int detail, std::string systemMessage)
    : std::runtime_error(""), code_(code), file_(std::move(file)), detail_(detail),
      systemMessage_(std::move(systemMessage)) {
    english_ = DescribeVocabularyError(*this, true);
}

std::string Error::Message(bool english) const {
    return DescribeVocabularyError(*this, english);
}

std::string DescribeVocabularyError(const VocabularyError& error, bool english) {
    std::string text = english ? EnglishText(error) : SpanishText(error);
    if (!error.SystemMessage().empty()) text += " (" + error.SystemMessage() + ")";
    return text;
}

} // namespace vorlen
