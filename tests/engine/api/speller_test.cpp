// The public API as a program outside the engine meets it: the shipped
// vocabulary, whole texts, single words, several threads, bad input.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <vorlen/speller.h>
#include <vorlen/vorlen.h>

namespace {

namespace fs = std::filesystem;

const vorlen::Speller& Shipped() {
    static const vorlen::Speller speller(VORLEN_SHIPPED_VOCABULARY);
    return speller;
}

vorlen::ConversionOptions Classic() {
    vorlen::ConversionOptions options;
    options.Classic = true;
    return options;
}

TEST(Speller, ConvertsATextAndListsWhatChanged) {
    const auto result = Shipped().Convert("aber si yano ay ves", Classic());
    EXPECT_EQ(result.Text, "haber si yano|llano ay ves");
    EXPECT_TRUE(result.Finished);
    ASSERT_EQ(result.Words.size(), 2u);
    const auto& aber = result.Words[0];
    EXPECT_EQ(aber.InputOffset, 0u);
    EXPECT_EQ(aber.InputLength, 4u);
    EXPECT_EQ(aber.Status, vorlen::WordStatus::Corrected);
    EXPECT_EQ(aber.Candidates, std::vector<std::string>{"haber"});
    const auto& yano = result.Words[1];
    EXPECT_EQ(result.Text.substr(yano.OutputOffset, yano.OutputLength), "yano|llano");
    EXPECT_EQ(yano.InputOffset, 8u);
    EXPECT_EQ(yano.Status, vorlen::WordStatus::Alternatives);
    EXPECT_EQ(yano.Candidates, (std::vector<std::string>{"yano", "llano"}));
}

TEST(Speller, OffsetsCountBytesPastAccentsAndEmoji) {
    const std::string text = "ñandú 😀 aber";
    const auto result = Shipped().Convert(text, Classic());
    ASSERT_FALSE(result.Words.empty());
    const auto& aber = result.Words.back();
    EXPECT_EQ(text.substr(aber.InputOffset, aber.InputLength), "aber");
    EXPECT_EQ(result.Text.substr(aber.OutputOffset, aber.OutputLength), "haber");
}

TEST(Speller, PutsBackAccentsThatTheContextCallsFor) {
    const std::string text = "Mi hermano esta en casa. Esta casa es mas grande.";
    const auto result = Shipped().Convert(text);
    EXPECT_EQ(result.Text, "Mi hermano está en casa. Esta casa es más grande.");
    std::vector<std::string> restored;
    for (const auto& word : result.Words)
        if (word.FromContext) restored.push_back(text.substr(word.InputOffset, word.InputLength));
    EXPECT_EQ(restored, (std::vector<std::string>{"esta", "mas"}));
    EXPECT_EQ(Shipped().Convert(text, Classic()).Text, text);
}

TEST(Speller, ChecksOneWord) {
    const auto& speller = Shipped();
    const auto found = speller.Check("casa", Classic());
    EXPECT_EQ(found.Status, vorlen::WordStatus::Found);
    EXPECT_EQ(found.Output, "casa");

    const auto aber = speller.Check("aber", Classic());
    EXPECT_EQ(aber.Status, vorlen::WordStatus::Corrected);
    EXPECT_EQ(aber.Candidates, std::vector<std::string>{"haber"});

    auto change = Classic();
    change.ChangeFoundWords = true;
    const auto ves = speller.Check("ves", change);
    EXPECT_EQ(ves.Status, vorlen::WordStatus::Alternatives);
    EXPECT_EQ(ves.Output, "ves|bes|vez");
    EXPECT_EQ(ves.Entry, "") << "an entry of the vocabulary itself";
    EXPECT_EQ(speller.Check("casitísimas", Classic()).Entry, "casita");

    const auto nothing = speller.Check("xqwz", Classic());
    EXPECT_EQ(nothing.Status, vorlen::WordStatus::NotFound);
    EXPECT_EQ(nothing.Output, "|xqwz");
    EXPECT_TRUE(nothing.Candidates.empty());

    const auto digits = speller.Check("mp3", Classic());
    EXPECT_EQ(digits.Status, vorlen::WordStatus::NotFound);
}

TEST(Speller, OrdersByLikelihoodAndExplainsTheAlternatives) {
    auto change = vorlen::ConversionOptions{};
    change.ChangeFoundWords = true;
    const auto ves = Shipped().Check("ves", change);
    ASSERT_EQ(ves.Status, vorlen::WordStatus::Alternatives);
    EXPECT_EQ(ves.Candidates.front(), "vez") << "the commoner word first";
    EXPECT_NE(Shipped().Explain("ves").find("ver"), std::string::npos);
    EXPECT_NE(Shipped().Explain("vez").find("ocasión"), std::string::npos);
    EXPECT_EQ(Shipped().Explain("xqwz"), "");
}

TEST(Speller, IgnoringDiacriticsUsesTheStoreWithoutThem) {
    auto options = Classic();
    options.IgnoreDiacritics = true;
    const auto result = Shipped().Check("cancion", options);
    EXPECT_EQ(result.Status, vorlen::WordStatus::Found) << result.Output;
    EXPECT_EQ(Shipped().Check("cancion", Classic()).Output, "canción");
}

TEST(Speller, ManyThreadsGetWhatOneThreadGets) {
    const std::string text = "aber si yano ay ves, la kasa de mi ermano es grande i bonita. "
                             "Él dise que no save nada de la istoria.";
    const auto options = Classic();
    const std::string expected = Shipped().Convert(text, options).Text;
    std::vector<std::thread> threads;
    std::vector<std::string> results(8);
    for (std::size_t t = 0; t < results.size(); ++t)
        threads.emplace_back([&, t] {
            auto mine = options;
            mine.IgnoreDiacritics = t % 2 == 1; // builds the plain store from several threads
            for (int round = 0; round < 20; ++round)
                results[t] = Shipped().Convert(text, t % 2 == 1 ? mine : options).Text;
            if (t % 2 == 1) results[t] = Shipped().Convert(text, options).Text;
        });
    for (auto& thread : threads)
        thread.join();
    for (const auto& result : results)
        EXPECT_EQ(result, expected);
}

TEST(Speller, ProgressCanCancel) {
    std::string text;
    for (int k = 0; k < 200; ++k)
        text += "aber si yano ay ves. ";
    std::size_t calls = 0;
    const auto result =
        Shipped().Convert(text, Classic(), [&](std::size_t done, std::size_t total) {
            EXPECT_LE(done, total);
            return ++calls < 10;
        });
    EXPECT_FALSE(result.Finished);
    EXPECT_LT(result.Text.size(), text.size());
}

TEST(Speller, RefusesInvalidUtf8WithTheOffset) {
    try {
        Shipped().Convert("casa \xff casa");
        FAIL() << "no error";
    } catch (const vorlen::Error& e) {
        EXPECT_EQ(e.Code(), vorlen::ErrorCode::InvalidText);
        EXPECT_EQ(e.Detail(), 5);
        EXPECT_NE(e.Message(false).find("UTF-8"), std::string::npos);
    }
    EXPECT_THROW(Shipped().Check("ca\xc3"), vorlen::Error);
}

class BadVocabulary : public ::testing::Test {
  protected:
    fs::path file_ = fs::temp_directory_path() / ("vorlen-api-" + std::to_string(::getpid()));
    void TearDown() override { fs::remove(file_); }
    void Write(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
};

TEST_F(BadVocabulary, IsRefusedNamingFileAndLine) {
    std::string lines;
    for (int k = 0; k < 30; ++k)
        lines += k == 3 ? "just some words without bars\n" : "|a|\n";
    Write(lines);
    try {
        vorlen::Speller speller(file_);
        FAIL() << "no error";
    } catch (const vorlen::Error& e) {
        EXPECT_EQ(e.Code(), vorlen::ErrorCode::NotAVocabulary);
        EXPECT_EQ(e.Detail(), 4);
        EXPECT_NE(e.Message(true).find(file_.string()), std::string::npos);
    }
    Write(std::string(40, '\n') + std::string("|a\0b|", 5));
    EXPECT_NO_THROW(vorlen::Speller{file_}) << "a NUL past the lines read is not looked at";
    Write(std::string("|casa\0|\n", 8) + std::string(30, '\n'));
    EXPECT_THROW(vorlen::Speller{file_}, vorlen::Error);
}

TEST(CInterface, AnswersErrorsInsteadOfCrashing) {
    vorlen_speller* speller = nullptr;
    EXPECT_EQ(vorlen_open("/nonexistent/spanall.txt", &speller), VORLEN_ERROR_MISSING_FILE);
    EXPECT_EQ(speller, nullptr);
    EXPECT_NE(std::string(vorlen_last_error()).find("/nonexistent/spanall.txt"), std::string::npos);
    EXPECT_EQ(vorlen_open(VORLEN_SHIPPED_VOCABULARY, nullptr), VORLEN_ERROR_INVALID_ARGUMENT);

    char* out = nullptr;
    EXPECT_EQ(vorlen_convert(nullptr, "aber", 4, 0, &out, nullptr), VORLEN_ERROR_INVALID_ARGUMENT);
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(vorlen_open(VORLEN_SHIPPED_VOCABULARY, &speller), VORLEN_OK);
    EXPECT_EQ(vorlen_convert(speller, nullptr, 0, 0, &out, nullptr), VORLEN_ERROR_INVALID_ARGUMENT);
    EXPECT_EQ(vorlen_convert(speller, "\xff", 1, VORLEN_ENGLISH_MESSAGES, &out, nullptr),
              VORLEN_ERROR_INVALID_TEXT);
    EXPECT_NE(std::string(vorlen_last_error()).find("UTF-8"), std::string::npos);
    EXPECT_EQ(vorlen_check(speller, nullptr, 0, nullptr, nullptr), VORLEN_ERROR_INVALID_ARGUMENT);
    vorlen_close(speller);
    vorlen_close(nullptr);
}

TEST(CInterface, ConvertsChecksAndSuggests) {
    vorlen_speller* speller = nullptr;
    ASSERT_EQ(vorlen_open(VORLEN_SHIPPED_VOCABULARY, &speller), VORLEN_OK);
    char* out = nullptr;
    size_t length = 0;
    ASSERT_EQ(vorlen_convert(speller, "aber si yano ay ves", static_cast<size_t>(-1),
                             VORLEN_CLASSIC, &out, &length),
              VORLEN_OK);
    EXPECT_EQ(std::string(out, length), "haber si yano|llano ay ves");
    vorlen_free(out);

    vorlen_word_status status = VORLEN_WORD_FOUND;
    ASSERT_EQ(vorlen_check(speller, "yano", VORLEN_CLASSIC, &status, &out), VORLEN_OK);
    EXPECT_EQ(status, VORLEN_WORD_ALTERNATIVES);
    EXPECT_STREQ(out, "yano|llano");
    vorlen_free(out);

    char** list = nullptr;
    size_t count = 0;
    ASSERT_EQ(vorlen_suggest(speller, "aber", VORLEN_CLASSIC, &list, &count), VORLEN_OK);
    ASSERT_EQ(count, 1u);
    EXPECT_STREQ(list[0], "haber");
    EXPECT_EQ(list[1], nullptr);
    vorlen_free_list(list);
    vorlen_close(speller);
}

} // namespace
