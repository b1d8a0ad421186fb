// The *.mct case text: composing, reading back, the table checks and completion.
#include <gtest/gtest.h>

#include <string>

#include "casefile.h"
#include "tabletext.h"

using namespace zorvek;

namespace {

CaseFieldTexts StartupFields() {
    CaseFieldTexts f;
    FieldText(f, CaseField::A) = "Metanol";
    FieldText(f, CaseField::B) = "Agua";
    FieldText(f, CaseField::ALPHA) = "2";
    FieldText(f, CaseField::Q) = "0.5";
    FieldText(f, CaseField::ZF) = "0.46";
    FieldText(f, CaseField::XB) = "0.17";
    FieldText(f, CaseField::XD) = "0.85";
    FieldText(f, CaseField::R) = "3";
    FieldText(f, CaseField::E) = "1.0";
    return f;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Case(const std::string& block, const std::string& tags = "<A=a><B=b><VLE=TABLE>") {
    return tags + "\r\n[[\r\n" + block + "]]\r\n";
}

} // namespace

TEST(CaseFileText, WritesTheTwelveKindsOfLineInOrder) {
    EquilibriumTable table;
    table.x[0] = 0.5;
    table.y[0] = 0.25;
    CaseFieldTexts fields = StartupFields();
    FieldText(fields, CaseField::A) = "  Metanol ";
    const auto lines = SplitCrLf(CaseFileText(fields, CaseModel::Alpha, table));
    ASSERT_EQ(lines.size(), 112u);
    const std::vector<std::string> head = {"<A=Metanol>", "<B=Agua>",    "<ALPHA=2>", "<Q=0.5>",
                                           "<ZF=0.46>",   "<XB=0.17>",   "<XD=0.85>", "<R=3>",
                                           "<E=1.0>",     "<VLE=ALPHA>", "[[",        ".5\t.25"};
    for (size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << i;
    EXPECT_EQ(lines[12], "-1\t-1");
    EXPECT_EQ(lines[110], "-1\t-1");
    EXPECT_EQ(lines[111], "]]");
}

TEST(CaseFileText, ModelLineFollowsTheSelectedOption) {
    const EquilibriumTable table;
    EXPECT_NE(CaseFileText(StartupFields(), CaseModel::Table, table).find("<E=1.0>\r\n<VLE=TABLE>\r\n[["),
              std::string::npos);
    const std::string none = CaseFileText(StartupFields(), CaseModel::None, table);
    EXPECT_NE(none.find("<E=1.0>\r\n[["), std::string::npos);
    EXPECT_EQ(SplitCrLf(none).size(), 111u);
}

TEST(ReadCaseText, SaveAndReopenGivesTheSameCase) {
    EquilibriumTable table;
    const double xs[] = {0, 0.1234567890123, 0.5, 1};
    const double ys[] = {0, 0.3, 0.81234567, 1};
    for (int i = 0; i < 4; ++i) table.x[i] = xs[i], table.y[i] = ys[i];
    table.LastPointIndex = 3;
    const CaseFieldTexts fields = StartupFields();
    const CaseReadResult r = ReadCaseText(CaseFileText(fields, CaseModel::Table, table), "ENG");
    ASSERT_EQ(r.status, CaseReadStatus::Accepted);
    for (const auto& [field, tag] : kCaseWriteOrder) {
        ASSERT_TRUE(r.fields[static_cast<int>(field)].has_value()) << tag;
        EXPECT_EQ(*r.fields[static_cast<int>(field)], fields[static_cast<int>(field)]) << tag;
    }
    EXPECT_TRUE(r.tableModel);
    EXPECT_TRUE(r.OpensInTableModel());
    EXPECT_EQ(r.table, table);
}

TEST(ReadCaseText, TagsInAnyOrderOnOneLineOrWithTextBetween) {
    const std::string ordered = "<A=x>\r\n<B=y>\r\n<ALPHA=2,5>\r\n<Q=1>\r\n<ZF=.4>\r\n<XB=.1>\r\n<XD=.9>\r\n"
                                "<R=2>\r\n<E=.8>\r\n[[\r\n]]\r\n";
    const std::string shuffled =
        "<E=.8> junk <XD=.9><XB=.1> more <Q=1>\r\n<R=2><ZF=.4><B=y><ALPHA=2,5><A=x>[[]]";
    const std::string withText = "header\r\n<A=x> <B=y> note <ALPHA=2,5>\r\n<Q=1>\r\n<ZF=.4>\r\nfree "
                                 "text\r\n<XB=.1>\r\n<XD=.9>\r\n<R=2>\r\n<E=.8>\r\n[[\r\n]]\r\n";
    const CaseReadResult a = ReadCaseText(ordered, "ENG");
    for (const std::string& text : {shuffled, withText}) {
        const CaseReadResult b = ReadCaseText(text, "ENG");
        EXPECT_EQ(b.status, CaseReadStatus::Accepted);
        EXPECT_EQ(b.fields, a.fields);
    }
    EXPECT_EQ(*a.fields[static_cast<int>(CaseField::ALPHA)], "2,5");
}

TEST(ReadCaseText, FirstOccurrenceWinsAndValuesAreNotTrimmed) {
    const CaseReadResult r = ReadCaseText("<A= benceno ><A=tolueno><R=3", "ENG");
    EXPECT_EQ(*r.fields[static_cast<int>(CaseField::A)], " benceno ");
    EXPECT_FALSE(r.fields[static_cast<int>(CaseField::R)].has_value()); // no ">" after the tag
    EXPECT_FALSE(r.fields[static_cast<int>(CaseField::E)].has_value());
}

TEST(ReadCaseText, MissingEfficiencyTagLeavesNothing) {
    const CaseReadResult r =
        ReadCaseText("<A=a><B=b><ALPHA=2><Q=1><ZF=.5><XB=.1><XD=.9><R=2>[[\r\n]]", "ENG");
    EXPECT_FALSE(r.fields[static_cast<int>(CaseField::E)].has_value());
    EXPECT_TRUE(r.fields[static_cast<int>(CaseField::R)].has_value());
}

TEST(ReadCaseText, BlockWithCommasTabsAndBlankLines) {
    const CaseReadResult r = ReadCaseText(Case("0,25 0,4\r\n\r\n\r\n0,5\t\t0,7\r\n"), "ENG");
    ASSERT_EQ(r.status, CaseReadStatus::Accepted);
    ASSERT_EQ(r.table.LastPointIndex, 3);
    const double xs[] = {0, 0.25, 0.5, 1}, ys[] = {0, 0.4, 0.7, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(r.table.x[i], xs[i]);
        EXPECT_DOUBLE_EQ(r.table.y[i], ys[i]);
    }
    EXPECT_EQ(r.table.x[4], -1);
}

TEST(ReadCaseText, CompletesTwoPointsToFour) {
    const CaseReadResult r = ReadCaseText(Case("0.1\t0.3\r\n0.5\t0.8\r\n"), "ESP");
    ASSERT_EQ(r.status, CaseReadStatus::Accepted);
    EXPECT_EQ(r.table.LastPointIndex, 3);
    EXPECT_EQ((std::array{r.table.x[0], r.table.x[1], r.table.x[2], r.table.x[3]}),
              (std::array{0.0, 0.1, 0.5, 1.0}));
    EXPECT_EQ((std::array{r.table.y[0], r.table.y[1], r.table.y[2], r.table.y[3]}),
              (std::array{0.0, 0.3, 0.8, 1.0}));
}

TEST(ReadCaseText, ChecksRunPointByPointWithTheirMessages) {
    struct Row {
        const char* block;
        const char* esp;
        const char* eng;
    };
    const Row rows[] = {
        {"0\t0.2\r\n", "ERROR: Valores incompatibles para disolución pura de un componente",
         "ERROR: Invalid data"},
        {"1.2\t0.9\r\n", "ERROR: Datos fuera del rango [0, 1]", "ERROR: Data out of range [0, 1]"},
        {"0.3\t0.5\r\n0.3\t0.6\r\n", "ERROR: Los valores no son consecutivos", "ERROR: Invalid data"},
        // x = 1 before the end is no end here: the row after it fails.
        {"0.4\t0.6\r\n1\t1\r\n0.2\t0.3\r\n", "ERROR: Los valores no son consecutivos", "ERROR: Invalid data"},
        // The order check of a point comes before its pure-component check.
        {"0.5\t0\r\n0.4\t0.3\r\n", "ERROR: Los valores no son consecutivos", "ERROR: Invalid data"},
        {"-0.1\t-0.1\r\n", "ERROR: Datos fuera del rango [0, 1]", "ERROR: Data out of range [0, 1]"},
    };
    for (const Row& row : rows) {
        const CaseReadResult esp = ReadCaseText(Case(row.block), "ESP");
        EXPECT_EQ(esp.status, CaseReadStatus::Rejected) << row.block;
        EXPECT_EQ(esp.message, row.esp) << row.block;
        EXPECT_EQ(ReadCaseText(Case(row.block), "ENG").message, row.eng) << row.block;
        EXPECT_EQ(ReadCaseText(Case(row.block), "FRA").message, "") << row.block;
        EXPECT_FALSE(esp.OpensInTableModel());
    }
}

TEST(ReadCaseText, TableEndsAtTheFirstMinusOne) {
    const CaseReadResult r = ReadCaseText(Case("0.2 0.4\r\n-1 -1\r\n7 7\r\n"), "ENG");
    ASSERT_EQ(r.status, CaseReadStatus::Accepted);
    EXPECT_EQ(r.table.LastPointIndex, 2);
}

TEST(ReadCaseText, MissingBlockEndIsBadFormat) {
    for (const char* text : {"<A=a>[[\r\n0.2 0.4\r\n", "<A=a>\r\n0.2 0.4\r\n]]", "]] [["}) {
        const CaseReadResult r = ReadCaseText(text, "ENG");
        EXPECT_EQ(r.status, CaseReadStatus::BadFormat) << text;
        EXPECT_FALSE(r.OpensInTableModel());
    }
    EXPECT_EQ(*ReadCaseText("<A=a>[[", "ENG").fields[0], "a");
}

TEST(ReadCaseText, ModelNeedsTheTableTagAndTwoPoints) {
    struct Row {
        std::string text;
        bool tableModel;
        bool opensInTable;
    };
    const Row rows[] = {
        {Case("0.5 0.7\r\n", "<VLE=TABLE"), true, true},
        {Case("0.5 0.7\r\n", "<VLE=ALPHA>"), false, false},
        {Case("0.5 0.7\r\n", "<vle=table>"), false, false},
        {Case("", "<VLE=TABLE>"), true, false}, // no point: nothing to use
        {Case("-1 -1\r\n0.5 0.7\r\n", "<VLE=TABLE>"), true, false},
        {Case("1 1\r\n", "<VLE=TABLE>"), true, false}, // one point, no curve between the ends
        {Case("0\t0\r\n", "<VLE=TABLE>"), true, false},
    };
    for (const Row& row : rows) {
        const CaseReadResult r = ReadCaseText(row.text, "ENG");
        EXPECT_EQ(r.status, CaseReadStatus::Accepted) << row.text;
        EXPECT_EQ(r.tableModel, row.tableModel) << row.text;
        EXPECT_EQ(r.OpensInTableModel(), row.opensInTable) << row.text;
    }
}

TEST(ReadCaseText, FullTableWithoutEndPointsIsRefusedNotTruncated) {
    auto rows = [](int n, double first) {
        std::string block;
        for (int i = 0; i < n; ++i) {
            const double v = first + i * 0.009;
            block += std::to_string(v) + "\t" + std::to_string(v) + "\r\n";
        }
        return block;
    };
    const CaseReadResult full = ReadCaseText(Case(rows(100, 0.001)), "ENG");
    EXPECT_EQ(full.status, CaseReadStatus::Rejected);
    EXPECT_EQ(full.message, "ERROR: No room left in the table to add the points (0, 0) and (1, 1)");
    EXPECT_EQ(ReadCaseText(Case(rows(99, 0.001)), "ENG").status, CaseReadStatus::Rejected);
    const CaseReadResult fits = ReadCaseText(Case(rows(99, 0.0)), "ENG"); // starts at (0, 0)
    EXPECT_EQ(fits.status, CaseReadStatus::Accepted);
    EXPECT_EQ(fits.table.LastPointIndex, 99);
}

TEST(ReadCaseText, LinesEndingInLfAloneReadTheSame) {
    const std::string crlf = Case("0.1\t0.3\r\n0.5\t0.8\r\n");
    std::string lf = crlf;
    for (size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.erase(p, 1);
    const CaseReadResult a = ReadCaseText(crlf, "ENG"), b = ReadCaseText(lf, "ENG");
    EXPECT_EQ(b.status, CaseReadStatus::Accepted);
    EXPECT_EQ(b.table, a.table);
}

// Every name a field can hold reads back from the case and the table file as it was written: every
// printable character but the refused ones, accented letters, and texts that look like tags.
TEST(CaseNames, EveryAcceptedNameReadsBack) {
    std::vector<std::string> names = {"á é í ó ú ñ Á É Í Ó Ú Ñ ü Ü ç à è ò ß ø å æ œ €", "E=5", "VLE=TABLE",
                                      "Benceno (seco); 99,5 % & más", "1,2-dicloroetano"};
    std::string all;
    for (char c = ' '; c <= '~'; ++c) {
        if (IsRefusedInCaseValue(c)) continue;
        all += c;
        names.push_back(std::string("a") + c + "b");
    }
    names.push_back(all.substr(1)); // all but the leading blank, which the file trims
    for (const std::string& name : names) {
        CaseFieldTexts fields = StartupFields();
        FieldText(fields, CaseField::A) = name;
        FieldText(fields, CaseField::B) = name + name;
        const CaseReadResult read =
            ReadCaseText(CaseFileText(fields, CaseModel::Alpha, DefaultEquilibriumTable()), "ENG");
        ASSERT_EQ(read.status, CaseReadStatus::Accepted) << name;
        EXPECT_EQ(read.fields[static_cast<int>(CaseField::A)], name);
        EXPECT_EQ(read.fields[static_cast<int>(CaseField::B)], name + name);
        for (const auto& [field, tag] : kCaseWriteOrder) {
            if (field == CaseField::A || field == CaseField::B) continue;
            EXPECT_EQ(read.fields[static_cast<int>(field)], FieldText(fields, field)) << name << " " << tag;
        }
        const std::string table = TableFileText(name, name + name, DefaultEquilibriumTable());
        EXPECT_EQ(FindTagValue(table, "<A="), name);
        EXPECT_EQ(FindTagValue(table, "<B="), name + name);
    }
    // Only the refused characters go.
    EXPECT_EQ(WithoutRefusedCaseCharacters("x<E=9>[[y]]\r\nz"), "xE=9yz");
}
