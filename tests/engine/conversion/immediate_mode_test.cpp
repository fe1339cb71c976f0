// Converting while typing, through a stand-in for the input box, and
// settling alternatives with a click.
#include "conversion/immediate_mode.h"
#include "conversion/text_driver.h"
#include "conversion/utf8_text.h"
#include "support/test_vocabulary.h"

#include <gtest/gtest.h>

namespace vorlen {
namespace {

using test::MakeEngine;

// The input box: TypeKey is called before each key; the box then inserts the
// key at its caret (counted in UTF-16 units).
struct InputBox {
    explicit InputBox(Engine& e) : engine(e) {}
    Engine& engine;
    std::string text;
    int caret = 0;

    void Type(std::string_view keys) {
        for (std::size_t pos = 0; pos < keys.size();) {
            const std::size_t length = DecodeUtf8At(keys, pos).Length;
            const std::string key(keys.substr(pos, length));
            TypeKey(engine, key, text, caret);
            const std::size_t at = ByteOffset(caret);
            text.insert(at, key);
            caret += Utf16Units(DecodeUtf8At(key, 0));
            pos += length;
        }
    }

    std::size_t ByteOffset(int units) const {
        std::size_t pos = 0;
        for (int u = 0; u < units && pos < text.size();) {
            const Utf8Char c = DecodeUtf8At(text, pos);
            u += Utf16Units(c);
            pos += c.Length;
        }
        return pos;
    }
};

TEST(TypeKey, ReplacesEachWordWhenTheNextCharacterIsTyped) {
    Engine engine = MakeEngine({"casa", "hola"});
    StartImmediateMode(engine);
    InputBox box{engine};
    box.Type("kasa ");
    EXPECT_EQ(box.text, "casa ");
    EXPECT_EQ(box.caret, 5);
    box.Type("ola, kasa");
    EXPECT_EQ(box.text, "casa hola, kasa "); // the copy of the space waits behind the word
    box.Type(".");
    EXPECT_EQ(box.text, "casa hola, casa.");
    box.Type("  😀 ñ kasa\n");
    EXPECT_EQ(box.text, "casa hola, casa.  😀 ñ casa\n");
}

TEST(TypeKey, NonLetterWithNoWordPendingConvertsNothing) {
    Engine engine = MakeEngine({"casa"});
    StartImmediateMode(engine);
    std::string text = "casa ";
    int caret = -1;
    engine.CurrentChar = " ";
    EXPECT_FALSE(TypeKey(engine, " ", text, caret));
    EXPECT_FALSE(TypeKey(engine, ",", text, caret));
    EXPECT_EQ(text, "casa ");
    EXPECT_EQ(caret, -1);
}

TEST(TypeKey, MarksAsTheConvertedTextDoes) {
    Engine engine = MakeEngine({"casa", "caza"});
    engine.Options.SimilarOnMiss = false;
    engine.Options.BarAfterChange = true;
    StartImmediateMode(engine);
    InputBox box{engine};
    box.Type("xqw Kasa kaza casa ");
    // No word is protected by the capitals rule while typing.
    EXPECT_EQ(box.text, "|xqw Casa|Caza caza|casa casa ");
}

TEST(TypeKey, ConvertingATextKeepsTheWordBeingTyped) {
    Engine engine = MakeEngine({"casa", "hola"});
    StartImmediateMode(engine);
    InputBox box{engine};
    box.Type("ola ka");
    EXPECT_EQ(ConvertText(engine, "xqw ola").Text, "|xqw hola");
    box.Type("sa ");
    EXPECT_EQ(box.text, "hola casa ");
}

TEST(TypeKey, DoesNothingOutsideImmediateMode) {
    Engine engine = MakeEngine({"casa"});
    InputBox box{engine};
    box.Type("kasa ");
    EXPECT_EQ(box.text, "kasa ");
}

TEST(ChooseAlternative, ClickedCandidateReplacesItsList) {
    struct Case {
        const char* text;
        int caret;
        const char* expected;
    };
    for (const auto& c : {
             Case{"a ves|vez|bes b", 8, "a vez b"},  // in the middle candidate
             Case{"a ves|vez|bes b", 12, "a bes b"}, // in the last
             Case{"hola |kasa.", 7, "hola kasa."},   // the not-found mark goes
             Case{"casa| hola", 2, "casa hola"},     // so does a changed-word mark
             Case{"ves|vez b", 0, "ves b"},          // caret 0: the first character
             Case{"😀😀 ves|vez", 7, "😀😀 ves"},        // emoji take two UTF-16 units
         }) {
        std::string text = c.text;
        EXPECT_TRUE(ChooseAlternative(text, c.caret)) << c.text << " at " << c.caret;
        EXPECT_EQ(text, c.expected) << c.text << " at " << c.caret;
    }
}

TEST(ChooseAlternative, WordsWithoutBarsStay) {
    for (const auto& [text, caret] : {std::pair{"hola casa", 3}, std::pair{"ves|vez hola", 10},
                                      std::pair{"ves|vez, hola", 9}}) {
        std::string changed = text;
        EXPECT_FALSE(ChooseAlternative(changed, caret)) << text;
        EXPECT_EQ(changed, text);
    }
}

} // namespace
} // namespace vorlen
