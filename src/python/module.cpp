// The vorlen module for Python: the library's Speller with snake_case names.
// Conversions release the GIL, so threads of one program convert in parallel
// through one Speller.
#include <optional>
#include <pybind11/functional.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>
#include <vorlen/speller.h>

namespace py = pybind11;

namespace {

const char* StatusName(vorlen::WordStatus status) {
    switch (status) {
    case vorlen::WordStatus::Found:
        return "found";
    case vorlen::WordStatus::Corrected:
        return "corrected";
    case vorlen::WordStatus::Alternatives:
        return "alternatives";
    case vorlen::WordStatus::NotFound:
        return "not_found";
    }
    return "not_found";
}

// Keyword options, named as in C++ but in snake_case; an unknown name is an
// error rather than silently ignored.
vorlen::ConversionOptions OptionsFrom(const py::kwargs& kwargs) {
    vorlen::ConversionOptions options;
    const std::pair<const char*, bool vorlen::ConversionOptions::*> fields[] = {
        {"ignore_diacritics", &vorlen::ConversionOptions::IgnoreDiacritics},
        {"keep_capitalised_words", &vorlen::ConversionOptions::KeepCapitalisedWords},
        {"bar_after_change", &vorlen::ConversionOptions::BarAfterChange},
        {"similar_words_when_not_found", &vorlen::ConversionOptions::SimilarWordsWhenNotFound},
        {"change_found_words", &vorlen::ConversionOptions::ChangeFoundWords},
        {"classic", &vorlen::ConversionOptions::Classic},
        {"context_accents", &vorlen::ConversionOptions::ContextAccents},
        {"english_messages", &vorlen::ConversionOptions::EnglishMessages},
    };
    for (const auto& [key, value] : kwargs) {
        const auto name = py::cast<std::string>(key);
        bool known = false;
        for (const auto& [field, member] : fields)
            if (name == field) {
                options.*member = py::cast<bool>(value);
                known = true;
            }
        if (!known) throw py::type_error("unknown option: " + name);
    }
    return options;
}

} // namespace

PYBIND11_MODULE(vorlen, m) {
    m.doc() = "Spanish written by ear, respelled: vorlen.Speller().convert('aber si yano ay ves')";
    m.attr("__version__") = vorlen::Speller::Version();

    static py::exception<vorlen::Error> error(m, "Error", PyExc_ValueError);
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const vorlen::Error& e) {
            error(e.Message(false).c_str());
        }
    });

    py::class_<vorlen::WordCheck>(m, "WordCheck")
        .def_readonly("word", &vorlen::WordCheck::Word)
        .def_property_readonly("status",
                               [](const vorlen::WordCheck& c) { return StatusName(c.Status); })
        .def_readonly("output", &vorlen::WordCheck::Output)
        .def_readonly("candidates", &vorlen::WordCheck::Candidates)
        .def_readonly("similar_words", &vorlen::WordCheck::SimilarWords)
        .def_readonly("entry", &vorlen::WordCheck::Entry)
        .def("__repr__", [](const vorlen::WordCheck& c) {
            return "<WordCheck " + c.Word + ": " + StatusName(c.Status) + " '" + c.Output + "'>";
        });

    py::class_<vorlen::ConvertedWord>(m, "ConvertedWord")
        .def_readonly("input_offset", &vorlen::ConvertedWord::InputOffset)
        .def_readonly("input_length", &vorlen::ConvertedWord::InputLength)
        .def_readonly("output_offset", &vorlen::ConvertedWord::OutputOffset)
        .def_readonly("output_length", &vorlen::ConvertedWord::OutputLength)
        .def_property_readonly("status",
                               [](const vorlen::ConvertedWord& w) { return StatusName(w.Status); })
        .def_readonly("candidates", &vorlen::ConvertedWord::Candidates)
        .def_readonly("from_context", &vorlen::ConvertedWord::FromContext);

    py::class_<vorlen::TextConversion>(m, "TextConversion")
        .def_readonly("text", &vorlen::TextConversion::Text)
        .def_readonly("words", &vorlen::TextConversion::Words)
        .def_readonly("finished", &vorlen::TextConversion::Finished)
        .def("__str__", [](const vorlen::TextConversion& c) { return c.Text; });

    py::class_<vorlen::Speller>(m, "Speller")
        .def(py::init([](std::optional<std::filesystem::path> vocabulary) {
                 py::gil_scoped_release release;
                 return vorlen::Speller(vocabulary ? *vocabulary
                                                   : vorlen::Speller::InstalledVocabulary());
             }),
             py::arg("vocabulary") = py::none(),
             "Opens the vocabulary file (default: the one installed with the library).")
        .def(
            "check",
            [](const vorlen::Speller& s, const std::string& word, const py::kwargs& kwargs) {
                const auto options = OptionsFrom(kwargs);
                py::gil_scoped_release release;
                return s.Check(word, options);
            },
            py::arg("word"), "The verdict on one word.")
        .def(
            "convert",
            [](const vorlen::Speller& s, const std::string& text, const py::kwargs& kwargs) {
                const auto options = OptionsFrom(kwargs);
                py::gil_scoped_release release;
                return s.Convert(text, options);
            },
            py::arg("text"),
            "Converts a text; str() of the result, or its .text, is the converted text.")
        .def_property_readonly("warnings", &vorlen::Speller::Warnings);
}
