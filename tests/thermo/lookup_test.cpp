// Finding components by what users type: names in either language, aliases, formulas and CAS numbers,
// without regard to case or accents; the filter of the pickers.
#include <gtest/gtest.h>

#include "library.h"
#include "thermotexts.h"

namespace zorvek::thermo {

TEST(FoldText, LowerCaseWithoutAccentsAndSingleBlanks) {
    EXPECT_EQ(FoldText("  Ácido  ACÉTICO "), "acido acetico");
    EXPECT_EQ(FoldText("Éter dietílico"), "eter dietilico");
    EXPECT_EQ(FoldText("AMONÍACO ñÑüÜ"), "amoniaco nnuu");
    EXPECT_EQ(FoldText("C2H6O"), "c2h6o");
    EXPECT_EQ(FoldText(""), "");
    EXPECT_EQ(FoldText("\xC3"), "\xC3"); // a cut-off sequence passes unchanged
}

TEST(FindComponent, ByNameAliasFormulaOrCasInEitherLanguage) {
    struct Case {
        const char* query;
        const char* english;
    };
    const Case cases[] = {
        {"Ethanol", "Ethanol"},
        {"ETANOL", "Ethanol"},
        {"alcohol etilico", "Ethanol"},
        {"64-17-5", "Ethanol"},
        {"agua", "Water"},
        {"H2O", "Water"},
        {"ácido acético", "Acetic acid"},
        {"acido acetico", "Acetic acid"},
        {"IPA", "Isopropanol"},
        {"2-propanol", "Isopropanol"},
        {"mek", "Methyl ethyl ketone"},
        {" benceno ", "Benzene"},
        {"c6h6", "Benzene"},
        {"Tolueno", "Toluene"},
        {"Cloroformo", "Chloroform"},
        {"chcl3", "Chloroform"},
        {"m-xylene", "m-Xylene"},
        {"DMF", "N,N-Dimethylformamide"},
    };
    for (const Case& c : cases) {
        const LookupResult r = FindComponent(Library(), c.query);
        ASSERT_EQ(r.status, LookupStatus::Found) << c.query;
        EXPECT_EQ(Library().components[r.index].name, c.english) << c.query;
    }
}

TEST(FindComponent, UnknownAndAmbiguousQueriesAreReported) {
    EXPECT_EQ(FindComponent(Library(), "unobtainium").status, LookupStatus::NotFound);
    EXPECT_EQ(FindComponent(Library(), "").status, LookupStatus::NotFound);
    EXPECT_EQ(FindComponent(Library(), "ethan").status, LookupStatus::NotFound); // no partial matches
    // Ethanol and dimethyl ether share C2H6O.
    const LookupResult r = FindComponent(Library(), "C2H6O");
    ASSERT_EQ(r.status, LookupStatus::Ambiguous);
    EXPECT_EQ(r.candidates.size(), 2u);
    const std::string message = LookupMessage(Library(), r, "C2H6O", "ENG");
    EXPECT_EQ(message.rfind("ERROR: Several components match C2H6O: ", 0), 0u) << message;
    EXPECT_NE(message.find("Ethanol"), std::string::npos);
    EXPECT_NE(message.find("Dimethyl ether"), std::string::npos);
    EXPECT_EQ(LookupMessage(Library(), FindComponent(Library(), "xyz"), "xyz", "ESP"),
              "ERROR: Componente desconocido: xyz");
}

TEST(SearchComponents, ExactThenWordStartThenAnywhereByName) {
    const std::vector<int> hits = SearchComponents(Library(), "etanol", "ESP");
    ASSERT_GE(hits.size(), 2u);
    EXPECT_EQ(Library().components[hits[0]].name, "Ethanol");
    // "Metanol" holds "etanol" inside a word: after every word-start match.
    const auto position = [&](std::string_view english) {
        for (size_t i = 0; i < hits.size(); ++i)
            if (Library().components[hits[i]].name == english) return static_cast<int>(i);
        return -1;
    };
    EXPECT_GT(position("Methanol"), 0);
    for (int i : hits) {
        const Component& c = Library().components[i];
        const bool contains = FoldText(c.NameIn("ESP")).find("etanol") != std::string::npos ||
                              FoldText(c.name).find("etanol") != std::string::npos;
        bool alias = false;
        for (const auto& a : c.aliasesEs) alias = alias || FoldText(a).find("etanol") != std::string::npos;
        for (const auto& a : c.aliases) alias = alias || FoldText(a).find("etanol") != std::string::npos;
        EXPECT_TRUE(contains || alias) << c.name;
    }
    EXPECT_EQ(SearchComponents(Library(), "", "ENG").size(), Library().components.size());
    EXPECT_EQ(SearchComponents(Library(), "7732-18", "ENG").size(), 1u);
    EXPECT_TRUE(SearchComponents(Library(), "zzzz", "ENG").empty());
    // By formula: every C7H8 isomer the library holds, toluene among them.
    const std::vector<int> c7h8 = SearchComponents(Library(), "c7h8", "ENG");
    ASSERT_FALSE(c7h8.empty());
    EXPECT_EQ(Library().components[c7h8[0]].formula, "C7H8");
}

} // namespace zorvek::thermo
