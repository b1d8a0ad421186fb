#include "markup.h"

#include <gtest/gtest.h>

namespace markview {
namespace {

std::string Describe(const Nodes& nodes);

std::string Describe(const Node& n) {
    switch (n.kind) {
    case Node::Kind::Text: {
        std::string s = "[";
        if (n.bold) s.push_back('b');
        if (n.italic) s.push_back('i');
        if (n.script == Script::Sub) s.push_back('_');
        if (n.script == Script::Super) s.push_back('^');
        s.append(n.text);
        s.push_back(']');
        return s;
    }
    case Node::Kind::Break:
        return "<LF>";
    case Node::Kind::Tab:
        return std::string("<SP").append(std::to_string(n.column)).append(">");
    case Node::Kind::Fraction:
        return std::string("{")
            .append(Describe(n.children[0]))
            .append("/")
            .append(Describe(n.children[1]))
            .append("}");
    case Node::Kind::System: {
        std::string s = "<sys";
        for (const Nodes& row : n.children) s.append("|").append(Describe(row));
        return s.append(">");
    }
    case Node::Kind::Image:
        return std::string("<img ")
            .append(n.imageName)
            .append(" ")
            .append(std::to_string(int(n.widthMm)))
            .append("x")
            .append(std::to_string(int(n.heightMm)))
            .append(">");
    }
    return "?";
}

std::string Describe(const Nodes& nodes) {
    std::string s;
    for (const Node& n : nodes) s += Describe(n);
    return s;
}

TEST(MarkupParser, Tokens) {
    const std::pair<const char*, const char*> cases[] = {
        {"&+BNumber&-B of", "[bNumber][ of]"},
        {"&+Ix&-I_m_i_n = 1", "[ix][_min][ = 1]"},
        {"1&.2346&E5 and 1&.5&E-3",
         "[1,2346\u2009\u00D7\u200910][^5][ and 1,5\u2009\u00D7\u200910][^\u22123]"},
        {"&alfa - 1", "[\u03B1 - 1]"},
        {"&+Bb)&-B& Number", "[bb)][ Number]"},
        {"a&LF&SP=18:b", "[a]<LF><SP18>[b]"},
        {"#COC(&+Iz&-I_F&+I#N)(q - 1#COC)&-I", "{[iz][_F]/[iq - 1]}"},
        {"#NES(X}#RWS(R#RW1(y = x#RW1)#RW2(y = 2#RW2)#RWS)#NES) so", "<sys|[y = x]|[y = 2]>[ so]"},
        {"#IMG('mcth_temp1.jpg'DXmm=130:DYmm=120:#IMG)&LF", "<img mcth_temp1.jpg 130x120><LF>"},
        {"A&Z#Q 50% E", "[A&Z#Q 50% E]"},
        {"tail_", "[tail_]"},
        {"x_\u00E1", "[x][_\u00E1]"},
        {"line\r\nbreak", "[linebreak]"},
        {"&+I&+Bslope = 0&.6&LFSo that", "[bislope = 0,6]<LF>[So that]"}, // a line break ends the styles
    };
    for (const auto& [markup, expected] : cases) {
        const ParseResult r = ParsePartMarkup(markup, ",");
        ASSERT_TRUE(r.ok) << markup << ": " << r.error;
        EXPECT_EQ(Describe(r.document.parts[kStatement]), expected) << markup;
    }
}

TEST(MarkupParser, MalformedMarkupIsReportedWithItsPlace) {
    std::string nested;
    for (int i = 0; i < 40; ++i) nested += "#COC(";
    const std::tuple<std::string, Fault, std::size_t> cases[] = {
        {"#COC(a#N)(b", Fault::MissingEnd, 11},
        {"#COC(a#COC)", Fault::UnexpectedEnd, 6},
        {"ab#N)(c", Fault::UnexpectedEnd, 2},
        {"x&SP=:y", Fault::BadTab, 1},
        {"&SP=12", Fault::BadTab, 0},
        {"#NES(X}a#NES)", Fault::BadSystem, 7},
        {"#NES(X}#RWS(R#RW1(a#RW1)", Fault::BadSystem, 24},
        {"#IMG('x.jpg", Fault::BadPicture, 6},
        {"#IMG('x.jpg'DXmm=:DYmm=1:#IMG)", Fault::BadPicture, 6},
        {"#RW1(a#RW1)", Fault::BadSystem, 0},
        {"a#ENU(b", Fault::PartMisplaced, 1},
        {nested, Fault::TooDeep, 16 * 5},
    };
    for (const auto& [markup, fault, offset] : cases) {
        const ParseResult r = ParsePartMarkup(markup);
        EXPECT_FALSE(r.ok) << markup;
        EXPECT_EQ(r.fault, fault) << markup << ": " << r.error;
        EXPECT_EQ(r.offset, offset) << markup;
    }
}

TEST(MarkupParser, WholeDocument) {
    const ParseResult r = ParseReportMarkup("#DEC(,#DEC)\r\n\r\n#ENU(&+Ba&.5#ENU)\r\n\r\n#SOL(b#SOL)\r\n\r\n"
                                            "#RS1(&+Ic#RS1)\r\n\r\n#RS2(d#RS2)");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.document.decimalSymbol, ",");
    EXPECT_EQ(Describe(r.document.parts[kStatement]), "[ba,5]");
    EXPECT_EQ(Describe(r.document.parts[kAnswers]), "[b]"); // each part starts plain
    EXPECT_EQ(Describe(r.document.parts[kResults]), "[ic]");
    EXPECT_EQ(Describe(r.document.parts[kSolution]), "[d]");
    EXPECT_TRUE(r.document.present[kSolution]);

    const std::pair<const char*, Fault> bad[] = {
        {"", Fault::NoParts},
        {"hello", Fault::TextOutsideParts},
        {"#ENU(a#ENU)#ENU(b#ENU)", Fault::PartMisplaced},
        {"#ENU(a#SOL)", Fault::UnexpectedEnd},
        {"#DEC(,", Fault::MissingEnd},
        {"#ENU(a", Fault::MissingEnd},
    };
    for (const auto& [text, fault] : bad) {
        const ParseResult b = ParseReportMarkup(text);
        EXPECT_FALSE(b.ok) << text;
        EXPECT_EQ(b.fault, fault) << text << ": " << b.error;
    }
}

} // namespace
} // namespace markview
