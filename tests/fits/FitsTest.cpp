// The catalogue's lists and defaults at every size; the finder against a search
// the long way, its ranking, near misses and refusals.
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

ZoneList Look(const std::string& list, const std::string& key, float size) {
    if (list == "hole") return ListHoleBasisGroup(key, size);
    if (list == "shaft") return ListShaftBasisGroup(key, size);
    const std::size_t slash = key.find('/');
    return BaseZones(static_cast<std::int16_t>(std::stoi(key.substr(0, slash))),
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

TSV_ROW_TEST(CatalogueRows, ListsAndTheirDefaults, "fits/catalogue.tsv") {
    for (const std::string& size : test::Split(row[2], ' ')) {
        const ZoneList list = Look(row[0], row[1], Size(size));
        EXPECT_EQ(Joined(list) + " @" + std::to_string(list.DefaultPosition),
                  row[3] + " @" + row[4])
            << "size " << size;
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

// Hundredths of a micrometre of a deviation's plain text or a request, read
// with the library's own number reading, not the finder's.
long long Fine(const std::string& mm) { return std::llround(std::stod(mm) * 100'000.0); }
constexpr long long kPerFine = 100;  // the finder's ten-millionths in one

struct Expected {
    long long Max = 0, Min = 0;
    int Standing = 2;  // 0 preferred, 1 common, 2 other
    int Basis = 0;
};

// A fit the plain way: the engine's float deviations as plain decimals, kept with its
// better standing when the catalogue offers it twice.
void Offer(std::map<std::string, Expected>& fits, const std::string& h, const std::string& s,
           float size, bool custom, int standing, int basis) {
    const auto known = fits.find(h + "/" + s);
    if (known != fits.end() && known->second.Standing <= standing) return;
    long long limits[2][2];
    for (const bool hole : {true, false}) {
        std::string letters, grade;
        SplitZoneCode(hole ? h : s, letters, grade);
        const ZoneQuery q{letters, grade, size, custom, hole ? std::string_view(h) : ""};
        const ZoneDeviations d =
            hole ? EvaluateHoleZone(test::Shipped(), q) : EvaluateShaftZone(test::Shipped(), q);
        if (!d.Ok()) return;
        limits[hole][0] = Fine(d.UpperPlain);
        limits[hole][1] = Fine(d.LowerPlain);
    }
    fits[h + "/" + s] = {limits[1][0] - limits[0][1], limits[1][1] - limits[0][0], standing, basis};
}

// Every fit of the scope, searched the long way.
std::map<std::string, Expected> BruteForce(float size, bool all, const std::string& basis) {
    std::map<std::string, Expected> fits;
    for (int b = 0; b <= 1; ++b) {
        if (basis != "any" && basis != (b == 0 ? "hole" : "shaft")) continue;
        for (std::int16_t kind = 0; kind <= 2; ++kind) {
            for (const std::string_view base :
                 BaseZones(static_cast<std::int16_t>(b), kind, size).Entries) {
                const std::string key = FitGroupKey(kind, base);
                const ZoneList group =
                    b == 0 ? ListHoleBasisGroup(key, size) : ListShaftBasisGroup(key, size);
                for (std::string_view entry : group.Entries) {
                    const int standing = entry.starts_with('*') ? 0 : 1;
                    if (entry.starts_with('*')) entry.remove_prefix(1);
                    Offer(fits, std::string(b == 0 ? base : entry),
                          std::string(b == 0 ? entry : base), size, false, standing, b);
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
                    Offer(fits, b == 0 ? "H" + g : mate, b == 0 ? mate : "h" + g, size, true, 2, b);
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
    const FitSearch found = FindFits(test::Shipped(), request);
    ASSERT_TRUE(found.Ok());
    const long long min = Fine(row[1]), max = Fine(row[2]);
    const auto brute = BruteForce(std::stof(row[0]), row[3] == "all", row[4]);
    std::vector<std::string> expected, got, gotMisses;
    long long nearest = -1;
    for (const auto& [name, e] : brute) {
        const long long miss = std::max(0LL, min - e.Min) + std::max(0LL, e.Max - max);
        if (miss == 0) expected.push_back(Line(name, e));
        if (nearest < 0 || miss < nearest) nearest = miss;
    }
    EXPECT_EQ(found.Considered, brute.size());
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
