#include "agreement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <regex>

#include "conditions/form3.h"

namespace pelzaro {

namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// The texts of a sheet that hold `fragment`, in print order.
std::vector<std::string> textsWith(const std::vector<std::string>& texts,
                                   const std::string& fragment) {
    std::vector<std::string> found;
    for (const std::string& t : texts)
        if (t.find(fragment) != std::string::npos) found.push_back(t);
    return found;
}

// A number printed to `decimals` places agrees with the value the page holds when they differ
// by no more than half the last printed place (and the page's single precision).
bool printedAs(double printed, double shown, int decimals) {
    const double half = 0.5 * std::pow(10.0, -decimals);
    return std::fabs(printed - shown) <= half + 1e-6 * std::max(1.0, std::fabs(shown));
}

// Compares the number after `label` on the `nth` text holding it with a page's box.
void expectNumber(Disagreements& out, const std::vector<std::string>& texts,
                  const std::string& label, size_t nth, const std::string& what,
                  const TextBox& box, int decimals) {
    std::vector<std::string> lines = textsWith(texts, label);
    if (lines.size() <= nth) {
        out.push_back("page 1 prints no " + quoted(label) + " for " + what + " (the page shows " +
                      quoted(box.Text()) + ")");
        return;
    }
    std::optional<double> printed = numberAfter(lines[nth], label);
    double shown = leadingNumber(box.Text());
    if (!printed || !printedAs(*printed, shown, decimals))
        out.push_back(what + ": the page shows " + quoted(box.Text()) + ", page 1 prints " +
                      quoted(lines[nth]));
}

// Compares the text after `label` on the `nth` text holding it with what a page shows.
void expectText(Disagreements& out, const std::vector<std::string>& texts,
                const std::string& label, size_t nth, const std::string& what,
                const std::string& shown) {
    std::vector<std::string> lines = textsWith(texts, label);
    if (lines.size() <= nth) {
        out.push_back("page 1 prints no " + quoted(label) + " for " + what);
        return;
    }
    const std::string& line = lines[nth];
    if (line.substr(line.find(label) + label.size()) != shown)
        out.push_back(what + ": the page shows " + quoted(shown) + ", page 1 prints " +
                      quoted(line));
}

void expectPresent(Disagreements& out, const PrintedSheet& page, const std::string& fragment,
                   const std::string& why) {
    if (!page.holds(fragment)) out.push_back(why + ": page 1 prints no " + quoted(fragment));
}

// The first text at or after `from` that matches, and where it stands.
std::optional<std::smatch> firstMatch(const std::vector<std::string>& texts, const std::regex& re,
                                      size_t from, size_t* at = nullptr) {
    for (size_t i = from; i < texts.size(); ++i) {
        std::smatch m;
        if (std::regex_search(texts[i], m, re)) {
            if (at) *at = i;
            return m;
        }
    }
    return std::nullopt;
}

std::string escaped(const std::string& s) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(s, special, R"(\$&)");
}

size_t indexOf(const std::vector<std::string>& texts, const std::string& fragment) {
    for (size_t i = 0; i < texts.size(); ++i)
        if (texts[i].find(fragment) != std::string::npos) return i;
    return texts.size();
}

bool passes(const std::string& verdict) { return verdict.find("O.K") != std::string::npos; }

// A result row of the wall page, printed on page 4 as the result of a formula: a text from
// `from` on that matches `formula` followed by the row's value (and a unit, a comparison or
// the end of the text), with the verdict the page shows when `withVerdict`.
void expectWallValue(Disagreements& out, const std::vector<std::string>& texts,
                     const std::string& formula, const ShownWallRow& row, size_t from,
                     bool withVerdict, const std::string& what) {
    std::regex re(formula + escaped(row.value) + R"((m|kN/m2)?( [<>]|$))");
    std::vector<std::string> printed;
    for (size_t i = from; i < texts.size(); ++i)
        if (std::regex_search(texts[i], re)) printed.push_back(texts[i]);
    if (printed.empty()) {
        out.push_back(what + ": the wall page shows " +
                      quoted(row.name + row.value + " " + row.verdict) +
                      ", page 4 prints no such result");
        return;
    }
    if (!withVerdict) return;
    for (const std::string& line : printed)
        if (passes(row.verdict) == passes(line)) return;
    out.push_back(what + ": the wall page shows " + quoted(row.verdict) + ", page 4 prints " +
                  quoted(printed.front()));
}

}  // namespace

double leadingNumber(const std::string& text) {
    static const std::regex number(R"(^\s*[+-]?(\d+\.?\d*|\.\d+))");
    std::smatch m;
    if (!std::regex_search(text, m, number)) return 0.0;
    return std::strtod(m[0].str().c_str(), nullptr);
}

Disagreements conditionsDisagreements(App& app, const PrintedSheet& page1) {
    Disagreements out;
    Form3* found = app.find<Form3>();
    if (found == nullptr) return out;
    const Form3& f = *found;
    const std::vector<std::string>& t = page1.texts;
    const bool road = f.opt_D.Value();
    const bool seismic = f.opt4.Value();

    expectText(out, t, "・築造地 ： ", 0, "the site", f.txt1.Text());
    if (f.opt_T.Value() || road) {
        expectNumber(out, t, road ? "：σck= " : "： Ｆc= ", 0, "the concrete strength", f.txt2, 0);
        expectNumber(out, t, road ? "：σsa= " : "：ｆt= ", 0, "the allowable steel stress",
                     seismic ? f.txt13 : f.txt3, 2);
    }
    if (f.opt3.Value()) expectPresent(out, page1, "設計条件（常時）", "the normal case");
    if (seismic) expectPresent(out, page1, "地震時）", "the seismic case");
    expectNumber(out, t, "：γ= ", 0, "the unit weight of concrete", f.txt6, 2);
    expectNumber(out, t, "：γs= ", 0, "the unit weight of soil", f.txt5, 2);
    expectText(out, t, "・土質の種類          ： ", 0, "the backfill soil", f.cbo1.Text());
    expectText(out, t, "・土質の種類          ： ", 1, "the foundation soil", f.cbo2.Text());
    expectNumber(out, t, "： φ= ", 0, "φ of the backfill", f.txt8, 2);
    expectNumber(out, t, "： φ= ", 1, "φ of the foundation", f.txt11, 2);
    if (!page1.holds("（安定計算時）δ= 計算による"))
        expectNumber(out, t, "（安定計算時）δ=", 0, "δ for stability", f.txt10, 2);
    expectNumber(out, t, "（断面計算時）δ=", 0, "δ for the member design", f.txt12, 2);
    if (f.opt3.Value() && f.opt1.Value())
        expectNumber(out, t, "直接入力 KA=", 0, "the typed KA", f.txt15, 2);
    if (f.opt3.Value() && f.opt2.Value())
        expectPresent(out, page1, "クーロンの土圧式による。", "KA computed");
    // The foundation's cohesion as its box shows it; 0 prints as the bare literal.
    if (leadingNumber(f.txt14.Text()) == 0.0)
        expectPresent(out, page1, "             　  ・粘 着 力            ： Ｃ= 0 kN/m2",
                      "no cohesion of the foundation (the box shows " + quoted(f.txt14.Text()) +
                          ")");
    else
        expectNumber(out, t, "： Ｃ= ", 1, "the cohesion of the foundation", f.txt14, 1);
    if (!seismic && (f.opt_T.Value() || road))
        expectNumber(out, t, road ? "：ｑa= " : "： fe= ", 0, "the bearing capacity", f.txt4, 0);
    if (f.opt5.Value()) expectNumber(out, t, "： μ= ", 0, "the typed μ", f.txt9, 2);
    if (f.opt6.Value()) {
        expectNumber(out, t, "μ=tan", 0, "φ of μ=tanφ", f.txt11, 2);
        expectNumber(out, t, "°= ", 0, "μ=tanφ", f.txt9, 3);
        // And μ is the tangent of the angle printed beside it (π taken as 3.14159).
        std::vector<std::string> lines = textsWith(t, "μ=tan");
        if (!lines.empty()) {
            std::optional<double> phi = numberAfter(lines[0], "μ=tan");
            std::optional<double> mu = numberAfter(lines[0], "°= ");
            if (phi && mu && !printedAs(*mu, std::tan(*phi * 3.14159 / 180.0), 3))
                out.push_back("μ=tanφ: page 1 prints " + quoted(lines[0]) +
                              ", which is not the tangent of its angle");
        }
    }
    return out;
}

Disagreements stabilityDisagreements(const ShownWallResults& shown, const PrintedSheet& page4) {
    Disagreements out;
    const std::vector<std::string>& t = page4.texts;
    for (const std::optional<ShownWallRow>* row : {&shown.overturning, &shown.secondOverturning}) {
        if (!*row) continue;
        const ShownWallRow& r = **row;
        if (r.name == "F =")
            expectWallValue(out, t, R"(F=Mr/Mo=[^=]*=)", r, 0, true, "overturning F");
        else if (r.name == "d(m)=")
            // "d=(Mr－Mo)/ΣV=(Mr－Mo)/ΣV=d", its values on the line or on the next one
            expectWallValue(out, t, R"(=\([^=]*\)/[^=]*=)", r, 0, true, "overturning d");
        else if (r.name == "e(m)=")
            expectWallValue(out, t, R"(e=\(B/2\)－d=[^=]*=-?)", r, 0, true, "eccentricity");
    }
    if (shown.bearing) {
        // σmax is the result printed after the formula "最 大 接 地 圧 σmax=(ΣV/B)･…".
        const size_t head = indexOf(t, "最 大 接 地 圧");
        static const std::regex result(R"(^[ 　]*=([-0-9.]+)kN/m2$)");
        size_t at = 0;
        std::optional<std::smatch> m = firstMatch(t, result, head, &at);
        if (head == t.size() || !m || (*m)[1] != shown.bearing->value)
            out.push_back("σmax: the wall page shows " + quoted(shown.bearing->value) +
                          ", page 4 prints " + (m ? quoted(t[at]) : std::string("none")));
        std::regex limit("σmax(,σmin)? ([<>]) " + escaped(shown.bearingLimit) + "kN/m2");
        size_t lat = 0;
        if (!firstMatch(t, limit, 0, &lat))
            out.push_back("the bearing capacity: the wall page shows " +
                          quoted(shown.bearingLimit) + ", page 4 prints none");
        else if (passes(shown.bearing->verdict) != passes(t[lat]))
            out.push_back("the bearing verdict: the wall page shows " +
                          quoted(shown.bearing->verdict) + ", page 4 prints " + quoted(t[lat]));
    }
    // The sliding factors are the results of the formulas of the sliding block: with a shear
    // key the page shows the factor with the key, and under the residential-land standard
    // also the one without it.
    const size_t sliding = indexOf(t, "滑り出しに対する検討");
    if (shown.sliding) expectWallValue(out, t, "=", *shown.sliding, sliding, true, "sliding F");
    if (shown.slidingWithoutKey)
        expectWallValue(out, t, R"(F=RH/ΣH=[^=]*=)", *shown.slidingWithoutKey, sliding, false,
                        "sliding F without the key");
    return out;
}

Disagreements memberDisagreements(const std::vector<ShownMemberRow>& rows,
                                  const PrintedReport& report) {
    Disagreements out;
    static const std::regex bars(R"(配筋 (\S+)-(\d+)@  -----> ∴ (\S+)-(-?\d+)@  とする)");
    static const std::regex sigmaC(R"(σc=2M/[^=]*=[^=]*=([-0-9.]+)N/mm2)");
    static const std::regex sigmaS(R"(σs=M/[^=]*=[^=]*=([-0-9.]+)N/mm2)");
    static const std::regex tauC(R"(τc=S/[^=]*=[^=]*=([-0-9.]+)N/mm2)");
    static const std::regex failing(R"(^\s*>(σca|σsa|τca)=)");
    for (const ShownMemberRow& row : rows) {
        const std::string part = std::string("row ") + row.letter + ": ";
        std::optional<std::vector<std::string>> section = report.memberSection(row.letter);
        if (!section) {
            // A row without a bar kind is a part the wall lacks, or one the chapter must not
            // print; a row with one is a part the chapter left out.
            if (!row.barKind.empty())
                out.push_back(part + "the page shows bar kind " + quoted(row.barKind) +
                              ", the member chapter is printed without the part " +
                              memberHeading(row.letter));
            continue;
        }
        if (row.barKind.empty() || !row.hasResults()) {
            out.push_back(part + "the page shows " +
                          (row.barKind.empty() ? std::string("no bar kind")
                                               : std::string("no stress results")) +
                          ", yet the report prints the part " + memberHeading(row.letter));
            continue;
        }
        const std::vector<std::string>& s = *section;
        size_t at = 0;
        std::optional<std::smatch> b = firstMatch(s, bars, 0, &at);
        if (!b) {
            out.push_back(part + "the report prints no bar line");
        } else {
            const std::string printed = s[at];
            if ((*b)[1] != row.barKind || (*b)[3] != row.barKind)
                out.push_back(part + "the page shows bar kind " + quoted(row.barKind) +
                              ", the report prints " + quoted(printed));
            if ((*b)[2] != row.computedSpacing)
                out.push_back(part + "the page shows the computed spacing " +
                              quoted(row.computedSpacing) + ", the report prints " +
                              quoted(printed));
            if (!printedAs(std::stod((*b)[4]), leadingNumber(row.designSpacing), 0))
                out.push_back(part + "the page shows the design spacing " +
                              quoted(row.designSpacing) + ", the report prints " +
                              quoted(printed));
        }
        auto expectStress = [&](const std::regex& re, const std::string& shown,
                                const std::string& name) {
            size_t where = 0;
            std::optional<std::smatch> v = firstMatch(s, re, 0, &where);
            if (shown == "――" || shown.empty()) {
                if (v)
                    out.push_back(part + "the page shows no " + name + ", the report prints " +
                                  quoted(s[where]));
                return;
            }
            if (!v || (*v)[1] != shown)
                out.push_back(part + "the page shows " + name + " " + quoted(shown) +
                              ", the report prints " + (v ? quoted(s[where]) : "none"));
        };
        expectStress(sigmaC, row.sigmaC, "σc");
        expectStress(sigmaS, row.sigmaS, "σs");
        expectStress(tauC, row.tauC, "τc");
        const bool printedFailure = firstMatch(s, failing, 0).has_value();
        if (passes(row.verdict) == printedFailure)
            out.push_back(part + "the page shows the verdict " + quoted(row.verdict) +
                          ", the report prints " +
                          (printedFailure ? "a failing check" : "every check passing"));
    }
    return out;
}

}  // namespace pelzaro
