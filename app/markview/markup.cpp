#include "markup.h"

#include <algorithm>

namespace markview {

namespace {

constexpr int kMaxDepth = 16;   // fractions and systems nest at most this deep
constexpr int kMaxColumn = 400; // tab stops beyond this are clamped
constexpr double kMaxImageMm = 400;

// Closing tokens: met where another is expected, the markup is malformed.
constexpr std::string_view kClosers[] = {"#N)(",  "#COC)", "#RWS)", "#NES)", "#IMG)",
                                         "#DEC)", "#ENU)", "#SOL)", "#RS1)", "#RS2)"};
constexpr std::string_view kPartOpen[kPartCount] = {"#ENU(", "#SOL(", "#RS1(", "#RS2("};
constexpr std::string_view kPartClose[kPartCount] = {"#ENU)", "#SOL)", "#RS1)", "#RS2)"};

Node MakeNode(Node::Kind kind) {
    Node n;
    n.kind = kind;
    return n;
}

class Parser {
  public:
    Parser(std::string_view text, std::string decimal) : s_(text) { doc_.decimalSymbol = std::move(decimal); }

    ParseResult Document() {
        while (ok_ && pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '\r' || c == '\n' || c == ' ' || c == '\t') {
                ++pos_;
                continue;
            }
            if (Take("#DEC(")) {
                const auto end = s_.find("#DEC)", pos_);
                if (end == std::string_view::npos)
                    return Fail(Fault::MissingEnd, "\"#DEC(\" without \"#DEC)\"");
                if (end - pos_ > 8) return Fail(Fault::BadDecimal, "decimal symbol too long");
                doc_.decimalSymbol = std::string(s_.substr(pos_, end - pos_));
                pos_ = end + 5;
                continue;
            }
            bool matched = false;
            for (int p = 0; p < kPartCount && !matched; ++p) {
                if (!Take(kPartOpen[p])) continue;
                matched = true;
                if (doc_.present[p])
                    return Fail(Fault::PartMisplaced, "part " + std::string(kPartOpen[p]) + " given twice");
                bold_ = italic_ = false; // each part starts in the plain style
                doc_.parts[p] = Content(kPartClose[p], 0);
                doc_.present[p] = ok_;
            }
            if (!matched) return Fail(Fault::TextOutsideParts, "text outside the parts of the document");
        }
        if (ok_ && std::none_of(doc_.present.begin(), doc_.present.end(), [](bool b) { return b; }))
            return Fail(Fault::NoParts, "the document has none of the parts #ENU, #SOL, #RS1, #RS2");
        return Result();
    }

    ParseResult Part() {
        doc_.parts[kStatement] = Content({}, 0);
        doc_.present[kStatement] = ok_;
        return Result();
    }

  private:
    bool At(std::string_view token) const { return s_.substr(pos_, token.size()) == token; }
    bool Take(std::string_view token) {
        if (!At(token)) return false;
        pos_ += token.size();
        return true;
    }
    ParseResult Fail(Fault fault, std::string message) {
        if (ok_) {
            ok_ = false;
            fault_ = fault;
            error_ = std::move(message);
            errorAt_ = pos_;
        }
        return Result();
    }
    ParseResult Result() {
        ParseResult r;
        r.ok = ok_;
        r.fault = fault_;
        r.error = error_;
        r.offset = errorAt_;
        if (ok_) r.document = std::move(doc_);
        return r;
    }

    void AppendText(Nodes& out, std::string_view text, Script script = Script::Normal) {
        if (text.empty()) return;
        if (!out.empty()) {
            Node& last = out.back();
            if (last.kind == Node::Kind::Text && last.bold == bold_ && last.italic == italic_ &&
                last.script == script) {
                last.text += text;
                return;
            }
        }
        Node n;
        n.text = std::string(text);
        n.bold = bold_;
        n.italic = italic_;
        n.script = script;
        out.push_back(std::move(n));
    }

    // Length of the UTF-8 sequence that starts at pos (1 for a stray byte).
    std::size_t CharLength(std::size_t pos) const {
        const auto b = static_cast<unsigned char>(s_[pos]);
        std::size_t len = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        return std::min(len, s_.size() - pos);
    }

    // Inline content up to `end` (consumed); an empty `end` reads to the end of the text.
    Nodes Content(std::string_view end, int depth) {
        Nodes out;
        while (ok_) {
            if (pos_ >= s_.size()) {
                if (!end.empty()) Fail(Fault::MissingEnd, "missing \"" + std::string(end) + "\"");
                return out;
            }
            if (!end.empty() && Take(end)) return out;
            const char c = s_[pos_];
            if (c == '&')
                Ampersand(out);
            else if (c == '#')
                Hash(out, depth);
            else if (c == '_') {
                ++pos_;
                if (pos_ >= s_.size()) {
                    AppendText(out, "_");
                    continue;
                }
                const std::size_t len = CharLength(pos_);
                AppendText(out, s_.substr(pos_, len), Script::Sub);
                pos_ += len;
            } else if (c == '\r' || c == '\n') {
                ++pos_; // line breaks are written only as &LF
            } else if (c == '\t') {
                AppendText(out, " ");
                ++pos_;
            } else {
                std::size_t stop = pos_;
                while (stop < s_.size() && s_[stop] != '&' && s_[stop] != '#' && s_[stop] != '_' &&
                       s_[stop] != '\r' && s_[stop] != '\n' && s_[stop] != '\t')
                    ++stop;
                AppendText(out, s_.substr(pos_, stop - pos_));
                pos_ = stop;
            }
        }
        return out;
    }

    void Ampersand(Nodes& out) {
        if (Take("&+B"))
            bold_ = true;
        else if (Take("&-B"))
            bold_ = false;
        else if (Take("&+I"))
            italic_ = true;
        else if (Take("&-I"))
            italic_ = false;
        else if (Take("&LF")) {
            // A style left on at the end of a line ends with it (the slope line of the minimum reflux
            // ratio leaves italics on), so it cannot run on into the following text.
            out.push_back(MakeNode(Node::Kind::Break));
            bold_ = italic_ = false;
        } else if (Take("&alfa"))
            AppendText(out, "\u03B1");
        else if (Take("& "))
            AppendText(out, " ");
        else if (Take("&."))
            AppendText(out, doc_.decimalSymbol);
        else if (At("&SP="))
            Tab(out);
        else if (Take("&E"))
            Exponent(out);
        else {
            AppendText(out, "&"); // an ampersand that starts no token is text
            ++pos_;
        }
    }

    void Tab(Nodes& out) {
        std::size_t p = pos_ + 4;
        long column = 0;
        const std::size_t digits = p;
        while (p < s_.size() && s_[p] >= '0' && s_[p] <= '9') {
            column = std::min<long>(column * 10 + (s_[p] - '0'), kMaxColumn);
            ++p;
        }
        if (p == digits || p >= s_.size() || s_[p] != ':') {
            Fail(Fault::BadTab, "\"&SP=\" needs a column number and \":\"");
            return;
        }
        pos_ = p + 1;
        Node n = MakeNode(Node::Kind::Tab);
        n.column = static_cast<int>(column);
        out.push_back(std::move(n));
    }

    // "&E" then an optional sign and digits: the exponent of ten, written as a power.
    void Exponent(Nodes& out) {
        std::size_t p = pos_;
        std::string exponent;
        if (p < s_.size() && (s_[p] == '-' || s_[p] == '+')) {
            if (s_[p] == '-') exponent = "\u2212";
            ++p;
        }
        const std::size_t digits = p;
        while (p < s_.size() && s_[p] >= '0' && s_[p] <= '9') ++p;
        if (p == digits) {
            AppendText(out, "E"); // no exponent follows: the letter as written
            return;
        }
        exponent += s_.substr(digits, p - digits);
        pos_ = p;
        AppendText(out, "\u2009\u00D7\u200910");
        AppendText(out, exponent, Script::Super);
    }

    void Hash(Nodes& out, int depth) {
        if (At("#COC(") || At("#NES(") || At("#IMG('")) {
            if (depth >= kMaxDepth) {
                Fail(Fault::TooDeep, "fractions and systems nested too deeply");
                return;
            }
            if (Take("#COC("))
                Fraction(out, depth);
            else if (Take("#NES("))
                System(out, depth);
            else if (Take("#IMG('"))
                Image(out);
            return;
        }
        for (std::string_view closer : kClosers)
            if (At(closer)) {
                Fail(Fault::UnexpectedEnd, "unexpected \"" + std::string(closer) + "\"");
                return;
            }
        for (std::string_view open : kPartOpen)
            if (At(open)) {
                Fail(Fault::PartMisplaced, "part \"" + std::string(open) + "\" inside another part");
                return;
            }
        if (At("#RW")) {
            Fail(Fault::BadSystem, "equation row outside a system");
            return;
        }
        AppendText(out, "#");
        ++pos_;
    }

    void Fraction(Nodes& out, int depth) {
        Node n = MakeNode(Node::Kind::Fraction);
        n.children.push_back(Content("#N)(", depth + 1));
        if (!ok_) return;
        n.children.push_back(Content("#COC)", depth + 1));
        if (ok_) out.push_back(std::move(n));
    }

    // "#NES(X}" "#RWS(R" then rows "#RWk(" ... "#RWk)", then "#RWS)" "#NES)".
    void System(Nodes& out, int depth) {
        if (!Take("X}") || !Take("#RWS(R")) {
            Fail(Fault::BadSystem, "a system must start \"#NES(X}#RWS(R\"");
            return;
        }
        Node n = MakeNode(Node::Kind::System);
        while (ok_ && !Take("#RWS)")) {
            if (!(At("#RW") && pos_ + 4 < s_.size() && s_[pos_ + 3] >= '1' && s_[pos_ + 3] <= '9' &&
                  s_[pos_ + 4] == '(')) {
                Fail(Fault::BadSystem, "expected an equation \"#RW1(\" or the end \"#RWS)\"");
                return;
            }
            const std::string close = "#RW" + std::string(1, s_[pos_ + 3]) + ")";
            pos_ += 5;
            n.children.push_back(Content(close, depth + 1));
        }
        if (!ok_) return;
        if (!Take("#NES)")) {
            Fail(Fault::MissingEnd, "missing \"#NES)\"");
            return;
        }
        out.push_back(std::move(n));
    }

    // "#IMG('" name "'DXmm=130:DYmm=130:#IMG)".
    void Image(Nodes& out) {
        const auto quote = s_.find('\'', pos_);
        const auto end = s_.find("#IMG)", pos_);
        if (quote == std::string_view::npos || end == std::string_view::npos || quote > end) {
            Fail(Fault::BadPicture, "a picture must read #IMG('name'DXmm=..:DYmm=..:#IMG)");
            return;
        }
        Node n = MakeNode(Node::Kind::Image);
        n.imageName = std::string(s_.substr(pos_, quote - pos_));
        n.widthMm = Dimension(s_.substr(quote + 1, end - quote - 1), "DXmm=");
        n.heightMm = Dimension(s_.substr(quote + 1, end - quote - 1), "DYmm=");
        if (n.imageName.empty() || n.widthMm <= 0 || n.heightMm <= 0) {
            Fail(Fault::BadPicture, "a picture needs a file name and sizes DXmm and DYmm");
            return;
        }
        pos_ = end + 5;
        out.push_back(std::move(n));
    }

    static double Dimension(std::string_view params, std::string_view key) {
        const auto at = params.find(key);
        if (at == std::string_view::npos) return 0;
        double v = 0;
        bool any = false;
        for (std::size_t p = at + key.size(); p < params.size() && params[p] >= '0' && params[p] <= '9';
             ++p) {
            v = std::min(v * 10 + (params[p] - '0'), kMaxImageMm);
            any = true;
        }
        return any ? v : 0;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool ok_ = true;
    Fault fault_ = Fault::None;
    std::string error_;
    std::size_t errorAt_ = 0;
    markview::Document doc_;
};

} // namespace

ParseResult ParseReportMarkup(std::string_view text) {
    return Parser(text, ".").Document();
}

ParseResult ParsePartMarkup(std::string_view text, const std::string& decimalSymbol) {
    return Parser(text, decimalSymbol).Part();
}

} // namespace markview
