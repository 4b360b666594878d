// The catalogue's lists and defaults at every size, in both editions; the
// finder against a search the long way, its ranking, near misses and refusals.
#include "Shipped.h"
#include "TestData.h"
#include "engine/Deviations.h"
#include "engine/ZoneCode.h"
#include "fits/Catalogue.h"
#include "fits/FitFinder.h"

namespace brimsel::fits {
namespace {

// "500+" is the smallest single above 500: the first size a "size > 500" entry meets.
float Size(const std::string& text) {
    const float size = std::stof(text);
    return text.back() == '+' ? std::nextafter(size, 1.0e9f) : size;
}

ZoneList Look(const std::string& list, const std::string& key, float size,
              Edition edition = Edition::Gb1998) {
    const ToleranceData& t = test::Shipped();
    if (list == "hole") return ListHoleBasisGroup(t, edition, key, size);
    if (list == "shaft") return ListShaftBasisGroup(t, edition, key, size);
    const std::size_t slash = key.find('/');
    return BaseZones(t, edition, static_cast<std::int16_t>(std::stoi(key.substr(0, slash))),
                     static_cast<std::int16_t>(std::stoi(key.substr(slash + 1))), size);
}

std::string Joined(const ZoneList& list) {
    std::string text;
    for (const std::string_view zone : list.Entries) {
        if (!text.empty()) text += ' ';
        text += zone;
    }
    return list.Found ? text : "-";
}

TEST(Catalogue, ListsAndTheirDefaults) {
    for (const auto& [file, edition] : {std::pair("fits/catalogue.tsv", Edition::Gb1998),
                                        std::pair("fits/figures-2020.tsv", Edition::Gb2020)}) {
        for (const test::TsvRow& row : test::ReadTsv(file)) {
            for (const std::string& size : test::Split(row[2], ' ')) {
                const testing::ScopedTrace trace(row.File.c_str(), row.Line, "size " + size);
                const ZoneList list = Look(row[0], row[1], Size(size), edition);
                EXPECT_EQ(Joined(list) + " @" + std::to_string(list.DefaultPosition),
                          row[3] + " @" + row[4]);
            }
        }
    }
}

// The figures of the 2020 edition, hole basis then shaft basis, each by its
// columns clearance, transition, interference; brackets frame a preferred fit.
const char* const kFigures2020[2] = {
    "H6/g5 H6/h5 H7/f6 [H7/g6] [H7/h6] H8/e7 [H8/f7] [H8/h7] H8/d8 [H8/e8] H8/f8 H8/h8 "
    "H9/d8 [H9/e8] H9/f8 H9/h8 H10/b9 H10/c9 [H10/d9] H10/e9 [H10/h9] [H11/b11] [H11/c11] "
    "H11/d10 H11/h10 "
    "H6/js5 H6/k5 H6/m5 [H7/js6] [H7/k6] H7/m6 [H7/n6] H8/js7 H8/k7 H8/m7 "
    "H6/n5 H6/p5 [H7/p6] [H7/r6] [H7/s6] H7/t6 H7/u6 H7/x6 H8/s7 H8/u7",
    "G6/h5 H6/h5 F7/h6 [G7/h6] [H7/h6] E8/h7 [F8/h7] [H8/h7] D9/h8 [E9/h8] F9/h8 [H9/h8] "
    "E8/h9 [F8/h9] [H8/h9] D9/h9 [E9/h9] F9/h9 [H9/h9] C10/h9 [D10/h9] [H10/h9] [B11/h9] "
    "JS6/h5 K6/h5 M6/h5 [JS7/h6] [K7/h6] M7/h6 [N7/h6] "
    "N6/h5 P6/h5 [P7/h6] [R7/h6] [S7/h6] T7/h6 U7/h6 X7/h6"};

// Hundredths of a micrometre of a deviation's plain text or a request, read
// with the library's own number reading, not the finder's.
long long Fine(const std::string& mm) { return std::llround(std::stod(mm) * 100'000.0); }
constexpr long long kPerFine = 100;  // the finder's ten-millionths in one

// A zone's upper and lower limits in hundredths of a micrometre, read from its
// plain texts; none where the engine refuses it. `custom`: sizes up to 1 mm
// refuse a and b.
std::optional<std::pair<long long, long long>> Limits(const std::string& zone, float size,
                                                      Edition edition, bool custom = true) {
    std::string letters, grade;
    SplitZoneCode(zone, letters, grade);
    const bool hole = MemberByCase(zone) == ZoneMember::Hole;
    const ZoneQuery q{letters, grade, size, custom, hole ? std::string_view(zone) : "", edition};
    const ZoneDeviations d =
        hole ? EvaluateHoleZone(test::Shipped(), q) : EvaluateShaftZone(test::Shipped(), q);
    if (!d.Ok()) return std::nullopt;
    return std::pair(Fine(d.UpperPlain), Fine(d.LowerPlain));
}

// At 0, at every size range limit and just above it, and around 1 mm: every
// fit of the figures whose zones are both defined stands once, under the kind
// its limits give, framed fits first; the base lists hold exactly the bases
// with a fit of the kind, "H7" / "h6" selected.
TEST(Catalogue, Figures2020ListEachDefinedFitUnderItsKind) {
    std::vector<float> sizes = {0.0f, 0.5f, 1.0f, std::nextafter(1.0f, 2.0f)};
    for (const auto& row : test::ReadTsv("engine/iso286-1.tsv")) {
        if (row[0] != "limits" || row[1] != "deviation") continue;
        for (std::size_t i = 2; i < row.Fields.size(); ++i) {
            const float limit = std::stof(row[i]);
            sizes.insert(sizes.end(), {limit, std::nextafter(limit, 4000.0f)});
        }
    }
    sizes.pop_back();  // nothing above 3150
    for (const float size : sizes) {
        for (int basis = 0; basis <= 1; ++basis) {
            std::vector<std::string> bases;
            std::map<std::string, std::string> expected;  // "0H7": "*g6 *h6 f6"
            for (const bool framed : {true, false}) {
                for (std::string fit : test::Split(kFigures2020[basis], ' ')) {
                    const bool boxed = fit.front() == '[';
                    if (boxed) fit = fit.substr(1, fit.size() - 2);
                    const std::string hole = fit.substr(0, fit.find('/')),
                                      shaft = fit.substr(fit.find('/') + 1);
                    const std::string& base = basis == 0 ? hole : shaft;
                    if (std::ranges::find(bases, base) == bases.end()) bases.push_back(base);
                    const auto h = Limits(hole, size, Edition::Gb2020);
                    const auto s = Limits(shaft, size, Edition::Gb2020);
                    if (boxed != framed || !h || !s) continue;
                    const long long max = h->first - s->second, min = h->second - s->first;
                    const int kind = max > 0 && min >= 0 ? 0 : max > 0 || min >= 0 ? 1 : 2;
                    std::string& list = expected[std::to_string(kind) + base];
                    list += std::string(list.empty() ? "" : " ") + (framed ? "*" : "") +
                            (basis == 0 ? shaft : hole);
                }
            }
            for (std::int16_t kind = 0; kind <= 2; ++kind) {
                std::string offered;
                int selected = 0, count = 0;
                for (const std::string& base : bases) {
                    const std::string key = std::to_string(kind) + base;
                    const ZoneList group =
                        Look(basis == 0 ? "hole" : "shaft", key, size, Edition::Gb2020);
                    const auto want = expected.find(key);
                    EXPECT_EQ(Joined(group) + " @" + std::to_string(group.DefaultPosition),
                              want == expected.end() ? "- @-1" : want->second + " @0")
                        << key << " at " << size;
                    if (want == expected.end()) continue;
                    if (base == (basis == 0 ? "H7" : "h6")) selected = count;
                    offered += (count++ == 0 ? "" : " ") + base;
                }
                const ZoneList got = BaseZones(test::Shipped(), Edition::Gb2020,
                                               static_cast<std::int16_t>(basis), kind, size);
                EXPECT_EQ(Joined(got) + " @" + std::to_string(got.DefaultPosition),
                          offered + " @" + std::to_string(selected))
                    << basis << "/" << kind << " at " << size;
            }
        }
    }
}

// Every list the window can offer, at every quarter millimetre, next to every
// bound and at sizes no input allows, keeps an entry and its default; every
// base zone finds its mating group (also those offered only up to 500 mm).
TEST(Catalogue, EveryOfferedListKeepsAnEntryAndItsDefaultAtEverySize) {
    std::vector<float> sizes = {std::numeric_limits<float>::quiet_NaN(), -1.0f,
                                std::numeric_limits<float>::infinity()};
    for (int i = 0; i <= 3150 * 4; ++i) sizes.push_back(static_cast<float>(i) / 4.0f);
    for (const float bound : {1.0f, 3.0f, 14.0f, 18.0f, 24.0f, 100.0f, 500.0f}) {
        sizes.push_back(std::nextafter(bound, 0.0f));
        sizes.push_back(std::nextafter(bound, 1.0e9f));
    }
    const auto usable = [](const ZoneList& list) {
        return list.Found && list.DefaultPosition >= 0 &&
               list.DefaultPosition < static_cast<int>(list.Entries.size());
    };
    for (const float size : sizes) {
        for (std::int16_t basis = 0; basis <= 1; ++basis) {
            for (std::int16_t kind = 0; kind <= 2; ++kind) {
                ASSERT_TRUE(usable(BaseZones(basis, kind, size)))
                    << basis << "/" << kind << " at " << size;
                for (const float at : {size, 0.0f}) {
                    for (const std::string_view zone : BaseZones(basis, kind, at).Entries) {
                        const std::string key = FitGroupKey(kind, zone);
                        ASSERT_TRUE(usable(Look(basis == 0 ? "hole" : "shaft", key, size)))
                            << key << " at " << size;
                    }
                }
            }
        }
    }
}

struct Expected {
    long long Max = 0, Min = 0;
    int Standing = 3;  // FitStanding: 0 preferred, 1 common, 2 listed, 3 other
    int Basis = 0;
};

// A fit the plain way: the engine's deviations as plain decimals, kept with its
// better standing when the catalogue offers it twice.
void Offer(std::map<std::string, Expected>& fits, const std::string& h, const std::string& s,
           float size, bool custom, int standing, int basis, Edition edition) {
    const auto known = fits.find(h + "/" + s);
    if (known != fits.end() && known->second.Standing <= standing) return;
    const auto hole = Limits(h, size, edition, custom), shaft = Limits(s, size, edition, custom);
    if (!hole || !shaft) return;
    fits[h + "/" + s] = {hole->first - shaft->second, hole->second - shaft->first, standing, basis};
}

// Every fit of the scope, searched the long way.
std::map<std::string, Expected> BruteForce(float size, bool all, const std::string& basis,
                                           Edition edition) {
    std::map<std::string, Expected> fits;
    for (int b = 0; b <= 1; ++b) {
        if (basis != "any" && basis != (b == 0 ? "hole" : "shaft")) continue;
        for (std::int16_t kind = 0; kind <= 2; ++kind) {
            for (const std::string_view base :
                 Look("base", std::to_string(b) + "/" + std::to_string(kind), size, edition)
                     .Entries) {
                const std::string key = FitGroupKey(kind, base);
                for (std::string_view entry :
                     Look(b == 0 ? "hole" : "shaft", key, size, edition).Entries) {
                    const int standing = entry.starts_with('*')       ? 0
                                         : edition == Edition::Gb1998 ? 1
                                                                      : 2;
                    if (entry.starts_with('*')) entry.remove_prefix(1);
                    Offer(fits, std::string(b == 0 ? base : entry),
                          std::string(b == 0 ? entry : base), size, false, standing, b, edition);
                }
            }
        }
    }
    if (!all) return fits;
    std::set<std::string> holes = {"JS"}, shafts = {"js"};
    for (const DeviationBand& band : DeviationBands()) {
        (band.Side == ZoneMember::Hole ? holes : shafts).insert(std::string(band.Letters));
    }
    std::vector<std::string> grades = {"01"};
    for (int g = 0; g <= 18; ++g) grades.push_back(std::to_string(g));
    for (int b = 0; b <= 1; ++b) {
        if (basis != "any" && basis != (b == 0 ? "hole" : "shaft")) continue;
        for (const std::string& g : grades) {
            for (const std::string& letters : b == 0 ? shafts : holes) {
                for (const std::string& other : grades) {
                    const std::string mate = letters + other;
                    Offer(fits, b == 0 ? "H" + g : mate, b == 0 ? mate : "h" + g, size, true, 3, b,
                          edition);
                }
            }
        }
    }
    return fits;
}

std::string Line(const std::string& name, const Expected& e) {
    return name + " " + std::to_string(e.Max) + " " + std::to_string(e.Min) + " " +
           std::to_string(e.Standing) + " " + std::to_string(e.Basis);
}

// Each row: the finder's fits equal the brute force's qualifying ones, in
// ranking order; with none, the near misses are the nearest of them all.
TSV_ROW_TEST(FinderRows, FindsWhatABruteForceSearchFinds, "fits/finder.tsv") {
    FitRequest request{row[0], row[1], row[2],
                       row[3] == "all" ? FitScope::All : FitScope::Catalogue, std::nullopt};
    if (row[4] != "any") request.Basis = row[4] == "hole" ? BasisSystem::Hole : BasisSystem::Shaft;
    request.Edition = ReadEdition(row.Fields.size() > 7 ? row[7] : "1998").value();
    const FitSearch found = FindFits(test::Shipped(), request);
    ASSERT_TRUE(found.Ok());
    const long long min = Fine(row[1]), max = Fine(row[2]);
    const auto brute = BruteForce(std::stof(row[0]), row[3] == "all", row[4], request.Edition);
    std::vector<std::string> expected, got, gotMisses;
    long long nearest = -1;
    for (const auto& [name, e] : brute) {
        const long long miss = std::max(0LL, min - e.Min) + std::max(0LL, e.Max - max);
        if (miss == 0) expected.push_back(Line(name, e));
        if (nearest < 0 || miss < nearest) nearest = miss;
    }
    EXPECT_EQ(found.Considered, brute.size());
    // Every fit of the standard is every fit in either edition.
    if (request.Scope == FitScope::All && request.Edition != Edition::Gb1998) {
        request.Edition = Edition::Gb1998;
        EXPECT_EQ(found.Considered, FindFits(test::Shipped(), request).Considered);
    }
    EXPECT_EQ(found.Qualifying, expected.size());
    EXPECT_EQ(std::to_string(expected.size()), row[5]);
    // Ranked: nearer miss, better standing, wider tolerances, nearer the middle.
    const auto rank = [&](const FoundFit& f) {
        return std::tuple(f.Miss, f.Standing, f.Min - f.Max,
                          std::llabs(f.Max + f.Min - (min + max) * kPerFine));
    };
    for (const auto* list : {&found.Fits, &found.NearMisses}) {
        for (const FoundFit& f : *list) {
            const Expected e{f.Max / kPerFine, f.Min / kPerFine, static_cast<int>(f.Standing),
                             static_cast<int>(f.Basis)};
            (list == &found.Fits ? got : gotMisses).push_back(Line(f.Hole + "/" + f.Shaft, e));
            EXPECT_EQ(f.MarginMin, f.Min - min * kPerFine);
            EXPECT_EQ(f.MarginMax, max * kPerFine - f.Max);
            EXPECT_EQ(f.Miss / kPerFine, std::max(0LL, min - e.Min) + std::max(0LL, e.Max - max));
            if (&f != &list->front()) {
                EXPECT_LE(rank(*(&f - 1)), rank(f)) << f.Hole << "/" << f.Shaft;
            }
        }
    }
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, expected);
    if (expected.empty()) {
        ASSERT_EQ(gotMisses.size(), std::min<std::size_t>(kNearMisses, brute.size()));
        EXPECT_EQ(found.NearMisses.front().Miss / kPerFine, nearest);
    } else {
        EXPECT_TRUE(gotMisses.empty());
        EXPECT_EQ(found.Fits.front().Hole + "/" + found.Fits.front().Shaft, row[6]);
    }
}

TSV_ROW_TEST(FinderRequestRows, RefusedOrLimited, "fits/finder-requests.tsv") {
    const FindProblem problems[] = {FindProblem::None,          FindProblem::SizeNotANumber,
                                    FindProblem::SizeOutside,   FindProblem::MinNotANumber,
                                    FindProblem::MaxNotANumber, FindProblem::MinAboveMax,
                                    FindProblem::SizeTooPrecise};
    const FitSearch found = FindFits(
        test::Shipped(), {row[0], row[1], row[2], FitScope::All, std::nullopt, std::stoul(row[3])});
    EXPECT_EQ(found.Problem, problems[std::stoi(row[4])]);
    EXPECT_EQ(found.Fits.size() + found.NearMisses.size(), std::stoul(row[5]));
}

}  // namespace
}  // namespace brimsel::fits
