// The ispell pipe's answers, on the shipped vocabulary with the default
// options. Only outputs that the engine's ranking and accent work leave alone
// are pinned: aber -> haber, kasa -> casa and caza, yano -> yano and llano.
#include "pipe/personal_words.h"
#include "pipe/pipe_session.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlen::pipe {
namespace {

namespace fs = std::filesystem;

const Speller& Shipped() {
    static const Speller speller(VORLEN_SHIPPED_VOCABULARY);
    return speller;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TempDir {
  public:
    TempDir() {
        std::string name = (fs::temp_directory_path() / "vorlen-pipe-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~TempDir() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

class PipeSessionTest : public ::testing::Test {
  protected:
    std::string Answer(std::string_view line) {
        std::string out;
        session_.HandleLine(line, true, out);
        return out;
    }
    PersonalWords personal_;
    PipeSession session_{Shipped(), personal_};
};

TEST_F(PipeSessionTest, WordsAnsweredInOrderWithCharacterOffsets) {
    EXPECT_EQ(Answer("aber si yano"), "& aber 1 0: haber\n*\n& yano 2 8: llano, yano\n\n");
    // After "^" the offsets still count it; after ñ and ú they count characters.
    const std::string answer = Answer("^ñandú, kasa");
    EXPECT_TRUE(answer.starts_with("*\n& kasa ")) << answer;
    EXPECT_NE(answer.find(" 8: casa, caza"), std::string::npos) << answer;
    // Capitals as written are echoed as written.
    EXPECT_TRUE(Answer("^ABER").starts_with("& ABER 1 1: ")) << Answer("^ABER");
    EXPECT_EQ(Answer("^"), "\n");
    EXPECT_EQ(Answer(""), "\n");
    EXPECT_EQ(Answer("1984, ¿?"), "\n");
}

TEST_F(PipeSessionTest, CommandsAnswerNothingAndChangeModes) {
    for (const char* command : {"!", "+", "-", "~tex", "`", "$$ra aber,haber"})
        EXPECT_EQ(Answer(command), "") << command;
    EXPECT_EQ(Answer("si aber"), "& aber 1 3: haber\n\n"); // terse: no "*"
    EXPECT_EQ(Answer("%"), "");
    EXPECT_EQ(Answer("si"), "*\n\n");
    // A word not found whose letters are not Spanish ones is one word.
    EXPECT_TRUE(Answer("garçon").starts_with("# garçon 0\n") ||
                Answer("garçon").starts_with("& garçon "));
}

TEST_F(PipeSessionTest, WordsTheUserTaughtAreAccepted) {
    EXPECT_EQ(Answer("@kasa"), "");
    EXPECT_EQ(Answer("^kasa"), "*\n\n");
    // Taught in small letters: accepted capitalised and in capitals.
    EXPECT_EQ(Answer("&Vorlen"), "");
    EXPECT_EQ(Answer("vorlen Vorlen VORLEN"), "*\n*\n*\n\n");
    // Taught with a capital: not accepted in small letters.
    Answer("*Ñuñoa");
    EXPECT_EQ(Answer("^Ñuñoa ÑUÑOA"), "*\n*\n\n");
    EXPECT_NE(Answer("^ñuñoa"), "*\n\n");
    // Not one word: nothing is added.
    Answer("*kasx kasy");
    EXPECT_EQ(Answer("^kasx kasy").find('*'), std::string::npos);
}

TEST_F(PipeSessionTest, OddBytesAreReadNotLost) {
    // Not UTF-8: Windows-1252, answered in UTF-8 ("ñandu" with 0xF1).
    EXPECT_EQ(Answer("aber \xF1"
                     "andu"),
              Answer("aber ñandu"));
    // NUL bytes and control characters separate words.
    EXPECT_EQ(Answer(std::string_view("aber\0kasa", 9)).substr(0, 18), "& aber 1 0: haber\n");
    EXPECT_NE(Answer(std::string_view("aber\0kasa", 9)).find("& kasa 2 5: "), std::string::npos);
    // A line given in pieces: offsets run on, one empty line at its end.
    std::string out;
    session_.HandleLine("^si ", false, out);
    session_.HandleLine("aber ", false, out);
    session_.HandleLine("aber", true, out);
    EXPECT_EQ(out, "*\n& aber 1 4: haber\n& aber 1 9: haber\n\n");
    // A command's overlong argument is dropped with the rest of its line.
    out.clear();
    session_.HandleLine("@kas", false, out);
    session_.HandleLine("a", true, out);
    EXPECT_EQ(out, "");
    EXPECT_NE(Answer("kasa"), "*\n\n");
}

TEST_F(PipeSessionTest, LinesAreRunningTextAndTheirWordsGetTheAccentsTheContextCallsFor) {
    // "esta" and "mas" are words as written; beside their neighbours they are
    // misses, the accented form offered first. The same words where the
    // context wants them plain are found.
    EXPECT_EQ(Answer("Mi hermano esta en casa"), "*\n*\n& esta 2 11: está, esta\n*\n*\n\n");
    EXPECT_EQ(Answer("^Esta casa es mas grande"), "*\n*\n*\n& mas 2 14: más, mas\n*\n\n");
    // The same word on one line: plain before a noun, accented before "en";
    // the session's memory of single words does not mix them up.
    EXPECT_EQ(Answer("^esta casa, mi hermano esta en casa"),
              "*\n*\n*\n*\n& esta 2 23: está, esta\n*\n*\n\n");
    EXPECT_EQ(Answer("esta casa"), "*\n*\n\n");
    // A word the user taught is left alone.
    Answer("@mas");
    EXPECT_EQ(Answer("es mas grande"), "*\n*\n*\n\n");
    // The classic rules and the option off check word by word.
    PersonalWords none;
    for (ConversionOptions options :
         {ConversionOptions{.Classic = true}, ConversionOptions{.ContextAccents = false}}) {
        PipeSession plain(Shipped(), none, options);
        std::string out;
        plain.HandleLine("Mi hermano esta en casa", true, out);
        EXPECT_EQ(out, "*\n*\n*\n*\n*\n\n");
    }
}

TEST(PersonalWordsTest, SavedThroughATemporaryFileAndOnlyWhenChanged) {
    TempDir dir;
    const fs::path list = dir.path() / "sub" / "personal.txt";
    {
        PersonalWords personal(list); // missing: empty, created by the first save
        personal.Save();
        EXPECT_FALSE(fs::exists(list));
        ASSERT_TRUE(personal.AddToList("kasa"));
        personal.Save();
    }
    EXPECT_EQ(ReadFile(list), "kasa\n");
    struct stat before {};
    ASSERT_EQ(::stat(list.c_str(), &before), 0);

    PersonalWords again(list);
    EXPECT_TRUE(again.Accepts("kasa"));
    again.AddToList("kasa"); // already there
    again.Save();
    struct stat after {};
    ASSERT_EQ(::stat(list.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino); // not rewritten

    // Words another session saved meanwhile are kept, in their order.
    PersonalWords other(list);
    other.AddToList("yano");
    again.AddToList("ñandu");
    other.Save();
    again.Save();
    EXPECT_EQ(ReadFile(list), "kasa\nyano\nñandu\n");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(list.parent_path()))
        ++files;
    EXPECT_EQ(files, 1u); // no temporary file left behind
}

TEST(PersonalWordsTest, AListThatCannotBeReadIsNeverOverwritten) {
    TempDir dir;
    // A folder where the list should be: reading fails, so nothing may be saved over it.
    fs::create_directory(dir.path() / "personal.txt");
    EXPECT_THROW(PersonalWords(dir.path() / "personal.txt"), std::runtime_error);
    // A list in Windows-1252 is read as such; a save writes it back in UTF-8.
    std::ofstream(dir.path() / "old.txt", std::ios::binary) << "\xF1"
                                                               "andu\r\nkasa\r\n";
    PersonalWords old(dir.path() / "old.txt");
    EXPECT_TRUE(old.Accepts("ñandu"));
    old.AddToList("yano");
    old.Save();
    EXPECT_EQ(ReadFile(dir.path() / "old.txt"), "ñandu\nkasa\nyano\n");
}

} // namespace
} // namespace vorlen::pipe
