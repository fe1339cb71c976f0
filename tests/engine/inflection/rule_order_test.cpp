#include "inflect_helper.h"

namespace vorlen::test {
namespace {

TEST(InflectionRuleOrder, PluralsAndGender) {
    ExpectInflects({
        {{"sofá"}, "sofás", "Y |sofá|"},
        // é takes no bare s, and no other rule ends in "és": only the word itself is tried.
        {{"bebé"}, "bebés", "N |bebés|"},
        {{"flor"}, "flores", "Y |flor|"},
        {{"pan"}, "panes", "Y |pan|"},
        // A consonant before "nes": solemnes is the plural of solemne, never of solemn.
        {{"solemn"}, "solemnes", "N |solemnir|"},
        {{"solemne", "solemn"}, "solemnes", "Y |solemne|"},
        // luce (bare s) before luz ("ces" -> "z|").
        {{"luz", "luce"}, "luces", "Y |luce|"},
        {{"luz"}, "luces", "Y |luz|"},
    });
}

TEST(InflectionRuleOrder, AdverbsAndSuperlatives) {
    ExpectInflects({
        {{"rápido"}, "rápidamente", "Y |rápido|"},
        {{"feliz"}, "felizmente", "Y |feliz|"},
        {{"rapido"}, "rapidísimo", "Y |rapido|"},
        // The participle before its infinitive.
        {{"cansado", "cansar"}, "cansadísima", "Y |cansado|"},
        {{"cansar"}, "cansadísima", "Y |cansar|"},
    });
}

TEST(InflectionRuleOrder, DerivationalSuffixesNeedAnUnaccentedTypedWord) {
    ExpectInflects({
        {{"casa", "caso"}, "casita", "Y |casa|"},
        {{"caso"}, "casita", "Y |caso|"},
        {{"canción"}, "canciones", "Y |canción|"},
        // Typed with an accent: no derivational rule, and "es" -> "|" is tried
        // again since the typed word is not an unaccented plural in "nes".
        {{"canción"}, "canciones", "N |cancionir|", "cánciones"},
        {{"cancion"}, "canciones", "Y |cancion|", "cánciones"},
        {{"cancion"}, "canciones", "N |cancionir|"},
        {{"alemán", "alemo"}, "alemana", "Y |alemo|"},
        {{"alemán"}, "alemana", "Y |alemán|"},
        {{"actor"}, "actrices", "Y |actor|"},
    });
}

TEST(InflectionRuleOrder, EraAfterAnAccentedIIsNoNoun) {
    ExpectInflects({
        {{"cas"}, "casera", "Y |cas|"},
        // The candidate maíera of a typed maiera: "era" -> "|" is not tried,
        // the other readings of "era" are.
        {{"maí"}, "maíera", "N |maíerir|", "maiera"},
        {{"maí", "maíe"}, "maíera", "Y |maíe|", "maiera"},
        {{"maí"}, "maíeras", "N |maíerir|", "maieras"},
    });
}

TEST(InflectionRuleOrder, VerbEndings) {
    ExpectInflects({
        {{"hablar"}, "hablen", "Y |hablar|"},
        {{"hablar"}, "hablemos", "Y |hablar|"},
        // busquen, not buscen: the "ar|" reading is not tried for c and g.
        {{"buscar"}, "buscen", "N |buscir|"},
        {{"buscar", "buscer"}, "buscen", "Y |buscer|"},
        {{"pagar"}, "pagemos", "N |pager|"},
        {{"buscar"}, "busque", "N |busquir|"},
        {{"buscar"}, "busqué", "N |busquar|"},
        // One-letter endings first: comíar before comer.
        {{"comer"}, "comía", "Y |comer|"},
        {{"comer", "comíar"}, "comía", "Y |comíar|"},
        {{"tener"}, "teniendo", "Y |tener|"},
        {{"hablar"}, "hablaríamos", "Y |hablar|"},
        {{"amar"}, "amabilidades", "Y |amar|"},
    });
}

TEST(InflectionRuleOrder, DiminutivesWithASpellingChange) {
    ExpectInflects({
        {{"poco"}, "poquito", "Y |poco|"},
        // The plain diminutive rules come first and take the stem as it stands.
        {{"poco", "poqu"}, "poquito", "Y |poqu|"},
        {{"boca", "boco"}, "boquita", "Y |boca|"},
        {{"taza"}, "tacitas", "Y |taza|"},
        {{"amor"}, "amorcito", "Y |amor|"},
        {{"amor", "amorzo"}, "amorcito", "Y |amorzo|"},
        {{"amigo"}, "amiguitos", "Y |amigo|"},
    });
}

} // namespace
} // namespace vorlen::test
