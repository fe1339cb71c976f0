// The text behind the Instructions button. Line breaks are part of the text:
// the Spanish one runs the paragraph on adding words straight on, the English
// one starts it on a new line.
#include "ui/messages.h"

#include <array>

namespace vorlen::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr char16_t kQuote = u'"';

// The donation paragraph invites support of the project; its four lines name
// the project and how to reach its maintainers.
constexpr std::array<const char16_t*, 4> kSpanishContact = {
    u"Proyecto Vorlen",
    u"un programa libre para el español escrito de oído",
    u"mantenedores del proyecto Vorlen",
    u"a través del registro de incidencias del proyecto",
};
constexpr std::array<const char16_t*, 4> kEnglishContact = {
    u"The Vorlen project",
    u"a free program for Spanish written by ear",
    u"the Vorlen project's maintainers",
    u"through the project's issue tracker",
};

QString Quoted(const QString& s) {
    return kQuote + s + kQuote;
}

QString DonationParagraph(const QString& invitation,
                          const std::array<const char16_t*, 4>& contact) {
    QString text = invitation + u"\n\n"_s;
    for (const char16_t* line : contact)
        text += QString::fromUtf16(line) + u'\n';
    return text + u'\n';
}

QString SpanishInstructions() {
    QString t;
    t += u"Este programa es para ajustar el deletreo, cambiando el "_s;
    t += u"deletreo fonético al normal. Escriba"_s;
    t += u" texto, o cópielo y métalo en la caja "_s + Quoted(u"Texto original"_s);
    t += u". O si tiene un archivo de tipo .txt, use el menú de Archivo > Abrir "_s;
    t += u"para abrirlo. Haga clic en el botón que dice "_s + Quoted(u"Convertir"_s);
    t += u". El texto convertido aparecerá en la caja que dice "_s + Quoted(u"Texto convertido"_s);
    t += u", y si palabras alternativas aparecen, "_s;
    t += u"haga clic en la palabra preferida. Si una palabra no se encuentra en el vocabulario, "
         u"se pondrá una barra | "_s;
    t += u"antes de la palabra. Use el menú de Archivo > Ahorrar o el menú de Archivo > Ahorrar "
         u"Como para ahorrar el texto convertido. "_s;
    t += u"Palabras se pueden agregar al vocabulario spanall.txt "_s;
    t += u"(o spanallnoac.txt sin acentos etc.), y se debe escribir la barra | antes y después "
         u"para "_s;
    t += u"separarlas: |uno|dos|tres|\n\n"_s;
    t += DonationParagraph(u"Si este programa le sirve, le invitamos a apoyar el proyecto: "
                           u"envíe sus correcciones, palabras nuevas y sugerencias a:"_s,
                           kSpanishContact);
    t += u"El creador de este programa no asume responsabilidad de su uso."_s;
    return t;
}

QString EnglishInstructions() {
    QString t;
    t += u"This program is for adjusting spelling "_s;
    t += u"in Spanish words by changing phonetic spellings to standard spellings. Type text,"_s;
    t += u" or copy and paste it in the box that says "_s + Quoted(u"Original text"_s);
    t += u". Or if you have a .txt type file, open it with the File > Open menu"_s;
    t += u". Click the button that says "_s + Quoted(u"Convert"_s);
    t += u". The converted text will appear in the box that says "_s + Quoted(u"Converted text"_s);
    t += u", and if alternative words are shown, click on the preferred word. "_s;
    t += u"If a word isn't found in the vocabulary, a bar | will be put before the word. "_s;
    t += u"Use the File > Save or File > Save As to save the converted text.\n"_s;
    t += u"Words can be added to "_s;
    t += u"vocabulary file spanall.txt (or without accents etc. to spanallnoac.txt), separating "
         u"the words with bars |: "_s;
    t += u" |one|two|three|\n\n"_s;
    t += DonationParagraph(u"If this program is useful to you, you are invited to support the "
                           u"project: send your corrections, new words and suggestions to:"_s,
                           kEnglishContact);
    t += u"The creator of this program doesn't assume responsibility for its use."_s;
    return t;
}

} // namespace

QString InstructionsText(bool english) {
    return english ? EnglishInstructions() : SpanishInstructions();
}

} // namespace vorlen::ui
