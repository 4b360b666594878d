// Zone queries as rows of the engine's data files, and the check of a result
// against what a row or the reference expects.
#pragma once

#include <TestData.h>

#include "engine/Deviations.h"
#include "engine/NumberText.h"

namespace brimsel::test {

// Quotes keep a field's blanks: "\" 0\"" is " 0"; "\t" stands for a tab.
inline std::string Unquote(std::string s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return Unescaped(s);
}

// "-3.05+2090": the floats written, added in double as the engine adds a
// float cell to a tolerance. From -0 on, so that "-0" stays negative.
inline double FloatSum(const std::string& text) {
    double sum = -0.0;
    char* end = nullptr;
    for (const char* p = text.c_str(); *p; p = end) {
        sum += static_cast<double>(std::strtof(p, &end));
        if (end == p) break;
    }
    return sum;
}

struct Expected {
    std::vector<int> Codes;             // allowed, 0 for computed
    double Upper = 0, Lower = 0;        // mm
    bool Exact = false;                 // the float nearest the value, else also a neighbour of it
    std::vector<std::string> Captions;  // none, or upper and lower
    std::string Note;                   // why, for failure messages
};

inline std::ostream& operator<<(std::ostream& out, const Expected& e) {
    for (const int code : e.Codes)
        (code ? out << "error " << code : out << e.Upper * 1000 << " / " << e.Lower * 1000 << " um")
            << ", ";
    if (!e.Captions.empty()) out << '"' << e.Captions[0] << "\" / \"" << e.Captions[1] << "\" ";
    return out << e.Note;
}

// Why a result is not what is expected; empty when it is.
inline std::string Mismatch(const ZoneDeviations& r, const Expected& e) {
    if (std::find(e.Codes.begin(), e.Codes.end(), r.ErrorCode) == e.Codes.end()) return "code";
    const bool empty = r.Upper == 0 && r.Lower == 0 && r.UpperText.empty() && r.LowerText.empty();
    if (!r.Ok()) return empty ? "" : "deviations with an error";
    const auto near = [&](float stored, double millimetres) {
        const auto f = static_cast<float>(millimetres);
        return stored == f || (!e.Exact && std::nextafter(f, stored) == stored);
    };
    if (!near(r.Upper, e.Upper) || !near(r.Lower, e.Lower)) return "value";
    const bool captioned =
        e.Captions.empty() || (r.UpperText == e.Captions[0] && r.LowerText == e.Captions[1]);
    return captioned ? "" : "caption";
}

inline std::string Describe(const ZoneDeviations& r) {
    const std::string value = r.Ok() ? SingleText(r.Upper) + " / " + SingleText(r.Lower) +
                                           " mm (\"" + r.UpperText + "\" / \"" + r.LowerText + "\")"
                                     : "error " + std::to_string(r.ErrorCode);
    return value + ", grade \"" + r.Grade + '"' + (r.BarPlaced ? ", bar placed" : "");
}

// Fields from `at` on: upper and lower micrometres, or "error" and the codes
// allowed ("21/31"); the two captions in quotes; then options, as the data
// files describe them.
inline void CheckZoneRow(const ToleranceData& tables, const TsvRow& row, std::size_t at,
                         const std::string& letters, const std::string& grade,
                         const std::string& sizeText, bool exact) {
    const float size = std::stof(sizeText);
    Expected e{{}, FloatSum(row[at]) / 1000.0, FloatSum(row[at + 1]) / 1000.0, exact, {}, {}};
    for (const auto& code : Split(row[at] == "error" ? row[at + 1] : "0", '/'))
        e.Codes.push_back(std::stoi(code));
    if (row[at + 2].starts_with('"')) e.Captions = {Unquote(row[at + 2]), Unquote(row[at + 3])};
    const auto option = [&](const std::string& name) -> std::optional<std::string> {
        for (std::size_t i = at + 2; i < row.Fields.size(); ++i)
            if (row[i] == name || row[i].starts_with(name + '='))
                return Unquote(row[i].substr(std::min(row[i].size(), name.size() + 1)));
        return std::nullopt;
    };
    e.Exact = e.Exact || option("exact");
    const std::string text = option("text").value_or(letters + grade);
    const ZoneQuery query{letters, grade,
                          size,    option("custom").has_value(),
                          text,    ReadEdition(option("edition").value_or("1998")).value()};
    const bool hole = !letters.empty() && std::isupper(static_cast<unsigned char>(letters[0]));
    const auto r = hole ? EvaluateHoleZone(tables, query) : EvaluateShaftZone(tables, query);
    std::string why = Mismatch(r, e);
    if (option("grade") && r.Grade != *option("grade")) why += " grade";
    if ((option("bar") || option("nobar")) && r.BarPlaced != option("bar").has_value())
        why += " bar";
    if (!why.empty())
        ADD_FAILURE() << letters << " \"" << grade << "\" at " << size << " mm: got " << Describe(r)
                      << "; expected " << e << " (" << why << ")";
}

}  // namespace brimsel::test
