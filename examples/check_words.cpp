// A C++ program outside Vorlen, built with find_package(Vorlen): what the
// library makes of each word on the command line.
//
//     cmake -S . -B build && cmake --build build && build/check_words aber kasa
#include <iostream>
#include <vorlen/speller.h>

int main(int argc, char** argv) {
    try {
        const vorlen::Speller speller(vorlen::Speller::InstalledVocabulary());
        vorlen::ConversionOptions options;
        options.Classic = true;
        if (argc < 2) {
            std::cout << speller.Convert("aber si yano ay ves", options).Text << '\n';
            return 0;
        }
        for (int k = 1; k < argc; ++k) {
            const vorlen::WordCheck check = speller.Check(argv[k], options);
            std::cout << check.Word << ": " << check.Output << '\n';
        }
    } catch (const vorlen::Error& e) {
        std::cerr << "check_words: " << e.Message(false) << '\n';
        return 1;
    }
    return 0;
}
