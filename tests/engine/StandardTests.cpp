// The engine on the shipped tables: the published limit deviations, and every
// letter and grade at sizes in and at the edges of every size range against
// an independent statement of ISO 286-1 / GB/T 1800.3: the standard's tables
// typed in again (iso286-1.tsv) and the rules that derive every zone from
// them, worked in integer tenths of a micrometre, sharing no code with the engine.
// Then reading Quorbel.dat: its layout, damaged and cut copies, and loading it from disk.
#include <unistd.h>

#include <bit>
#include <stdexcept>

#include "Shipped.h"
#include "TestData.h"
#include "ZoneRows.h"
#include "datafile/ShippedDigest.h"
#include "datafile/StandardTables.h"
#include "engine/Applicability.h"
#include "engine/DataFile.h"
#include "engine/Sha256.h"
#include "texts/Meanings.h"

namespace brimsel::test {
namespace {

namespace iso {

// A row of iso286-1.tsv by its first two fields ("shaft a", "it 01"); NaN
// where the standard gives no value.
const std::vector<double>& Row(const std::string& key) {
    static std::map<std::string, std::vector<double>> rows;
    if (rows.empty())
        for (const auto& row : ReadTsv("engine/iso286-1.tsv"))
            for (std::size_t i = 2; i < row.Fields.size(); ++i)
                rows[row[0] + " " + row[1]].push_back(row[i] == "-" ? NAN : std::stod(row[i]));
    return rows.at(key);
}

// Tenths of a micrometre at a range; none beyond the row or where it is empty.
std::optional<int> Tenths(const std::string& key, int range) {
    const auto& values = Row(key);
    if (range >= static_cast<int>(values.size()) || std::isnan(values[range])) return {};
    return static_cast<int>(std::lround(10.0 * values[range]));
}

std::string GradeText(int grade) { return grade == -1 ? "01" : std::to_string(grade); }

std::string Lower(std::string s) {
    std::ranges::transform(s, s.begin(), ::tolower);
    return s;
}

// A fundamental deviation, or the hole codes allowed instead: 31 where the
// standard leaves the cell empty, 21 or 31 for a grade it does not give for
// the letters, 0 or 31 where the reference is unsure.
struct Deviation {
    Deviation(int t = 0, std::vector<int> c = {0}, const char* n = "")
        : tenths(t), codes(c), note(n) {}
    // A value from the tables, or 31 (the cell is empty) with the note.
    Deviation(std::optional<int> t, const char* n)
        : Deviation(t.value_or(0), {t ? 0 : 31}, t ? "" : n) {}
    bool given() const { return codes == std::vector<int>{0}; }
    int tenths;
    std::vector<int> codes;
    const char* note;
};

// es for a..h, ei for j..zc.
Deviation ShaftDeviation(const std::string& letters, int grade, int range, int main) {
    if (letters == "j") {
        if (grade < 5 || grade > 8) return {0, {21, 31}, "j grade"};
        return {Tenths(grade <= 6 ? "j 5-6" : "j " + GradeText(grade), main), "j cell"};
    }
    if (letters == "k") return {grade >= 4 && grade <= 7 ? Tenths("k 4-7", main).value_or(0) : 0};
    return {Tenths("shaft " + letters, range), "undefined shaft cell"};
}

// EI for A..H, ES for J..ZC.
Deviation HoleDeviation(const std::string& letters, int grade, int range, int main, float size) {
    const bool upTo500 = main <= 12;
    // Δ-carrying values are not defined below IT3 where Δ is not 0.
    const auto plusDelta = [&](int tenths) -> Deviation {
        if (main == 0) return {tenths};
        if (grade < 3) return {0, {31}, "delta below IT3"};
        return {tenths + Tenths("delta " + GradeText(grade), main).value()};
    };
    const Deviation shaft = ShaftDeviation(Lower(letters), grade, range, main);
    if (letters <= "H") return shaft.given() ? Deviation{-shaft.tenths} : shaft;
    if (letters == "J") {
        if (grade < 6 || grade > 8) return {0, {21, 31}, "J grade"};
        return {Tenths("J " + GradeText(grade), main), "J above 500"};
    }
    if (letters == "K" || letters == "M" || letters == "N") {
        // -k(4..7) for K, -m, -n: the shaft's value for the same range.
        const int base = letters == "K" ? -Tenths("k 4-7", main).value_or(0) : -shaft.tenths;
        if (letters == "M" && grade == 6 && size > 250.0f && size <= 315.0f) return {-90};
        if (!upTo500)
            return {base, grade <= 8 ? std::vector{0} : std::vector{0, 31},
                    "K, M, N above IT8 above 500"};
        if (grade <= 8) return plusDelta(base);
        if (letters == "K") return main == 0 ? Deviation{0} : Deviation{0, {31}, "K above IT8"};
        return {letters == "M" ? base : main == 0 ? -40 : 0};
    }
    // P to ZC: -ei, plus Δ up to IT7 within 500 mm.
    if (!shaft.given()) return shaft;
    return grade <= 7 && upTo500 ? plusDelta(-shaft.tenths) : Deviation{-shaft.tenths};
}

// The first range whose upper limit holds the size, the count of ranges when none does.
int RangeOf(const std::string& kind, float size) {
    const auto& limits = Row("limits " + kind);
    return static_cast<int>(std::ranges::find_if(limits, [&](double l) { return l >= size; }) -
                            limits.begin());
}

// "+0.035", " 0", "-0.0002": rounded half away from zero to micrometres (20
// twentieths) or, when either value needs it, tenths (2).
std::string Caption(int twentieths, bool three) {
    if (twentieths == 0) return " 0";
    const int unit = three ? 20 : 2, scale = three ? 1000 : 10000;
    const int units = (std::abs(twentieths) + unit / 2) / unit;
    std::string fraction = std::to_string(units % scale);
    fraction.insert(0, (three ? 3u : 4u) - fraction.size(), '0');
    return (twentieths > 0 ? "+" : "-") + std::to_string(units / scale) + "." + fraction;
}

// The deviations in twentieths of a micrometre (the symmetric zones of the
// finest grades need halves of tenths), when 0 is among the codes.
Expected Zone(std::vector<int> codes, int upper20, int lower20, std::string note) {
    const bool three = upper20 % 20 == 0 && lower20 % 20 == 0;
    Expected e{codes, upper20 / 20000.0, lower20 / 20000.0, false, {}, note};
    e.Captions = {Caption(upper20, three), Caption(lower20, three)};
    return e;
}

// What the engine must report for a zone: upper-case letters for holes, lower
// case for shafts, grade -1 for IT01.
Expected Evaluate(const std::string& letters, int grade, float size, bool custom,
                  Edition edition = Edition::Gb1998) {
    const bool hole = std::isupper(static_cast<unsigned char>(letters[0]));
    const int main = RangeOf("main", size), range = RangeOf("deviation", size);
    const int it = Tenths("it " + GradeText(grade), main).value_or(0);
    if (it == 0) return Zone({hole ? 31 : 32}, 0, 0, "no IT");
    const std::string lower = Lower(letters);
    if (custom && size <= 1.0f &&
        (lower == "a" || lower == "b" || grade >= 14 || (letters == "N" && grade > 8)))
        return Zone({hole ? 41 : 42}, 0, 0, "small size");
    if (lower == "js") {
        // 1998: IT7..IT11 of an odd number of micrometres lose the half
        // micrometre; 2020: ±IT/2 always.
        const bool roundDown = edition == Edition::Gb1998 && grade >= 7 && grade <= 11 &&
                               it % 10 == 0 && (it / 10) % 2 == 1;
        return Zone({0}, roundDown ? it - 10 : it, roundDown ? 10 - it : -it, "symmetric");
    }
    Deviation f = hole ? HoleDeviation(letters, grade, range, main, size)
                       : ShaftDeviation(letters, grade, range, main);
    for (int& code : f.codes) code += code != 0 && !hole;
    const bool fIsUpper = hole ? letters > "H" : letters <= "h";
    return Zone(f.codes, 2 * f.tenths + (fIsUpper ? 0 : 2 * it),
                2 * f.tenths - (fIsUpper ? 2 * it : 0), f.note);
}

}  // namespace iso

TSV_ROW_TEST(PublishedRows, LimitDeviations, "engine/published.tsv") {
    const std::size_t digit = std::min(row[1].find_first_of("0123456789"), row[1].size());
    CheckZoneRow(test::Shipped(), row, 2, row[1].substr(0, digit), row[1].substr(digit), row[0],
                 false);
}

// Exact micrometres x 10^7 of a derivation text; tenths are all the tables hold.
long long Units(const std::string& text) {
    return text.empty() ? 0 : std::llround(std::stod(text) * 10.0) * 1'000'000;
}

// The derivation against the reference: its range, its rule, and the limits
// it gives, worked again from its own IT, F and Δ.
std::string DerivationMismatch(const ZoneDeviations& r, const Expected& e,
                               const std::string& letters, int grade, float size) {
    const ZoneDerivation& d = r.Derivation;
    const bool js = iso::Lower(letters) == "js",
               m6 = letters == "M" && grade == 6 && size > 250.0f && size <= 315.0f;
    const auto& limits = iso::Row(js || m6 ? "limits main" : "limits deviation");
    int first = iso::RangeOf(js || m6 ? "main" : "deviation", size), last = first;
    // Inside the standard tolerance's range, the neighbouring deviation ranges
    // that give the same zone count as one, as in the printed tables.
    const int main = iso::RangeOf("main", size);
    const auto joins = [&](int row) {
        const auto at = static_cast<float>(limits[row]);
        const Expected o = iso::Evaluate(letters, grade, at, false);
        return !js && !m6 && iso::RangeOf("main", at) == main && o.Upper == e.Upper &&
               o.Lower == e.Lower;
    };
    while (first > 0 && joins(first - 1)) --first;
    while (last + 1 < static_cast<int>(limits.size()) && joins(last + 1)) ++last;
    if (d.RangeHigh != SingleText(static_cast<float>(limits[last])) ||
        d.RangeLow != (first == 0 ? "0" : SingleText(static_cast<float>(limits[first - 1]))))
        return "range " + d.RangeLow + ".." + d.RangeHigh;
    // Δ: holes K, M, N up to IT8 and P..ZC up to IT7, above 3 up to 500 mm.
    const bool delta = size > 3.0f && size <= 500.0f &&
                       (letters == "K" || letters == "M" || letters == "N" ? grade <= 8
                        : letters >= "P" && letters <= "ZC"                ? grade <= 7
                                                                           : false);
    const auto units = [](double mm) { return std::llround(mm * 20000.0) * 500'000; };
    const ZoneRule rule =
        js      ? (2 * units(e.Upper) < Units(d.ToleranceUm) ? ZoneRule::SymmetricRounded
                                                             : ZoneRule::Symmetric)
        : m6    ? ZoneRule::M6Special
        : delta ? ZoneRule::Delta
        : iso::Lower(letters) == "j" ? ZoneRule::GradeBand
                                     : ZoneRule::None;
    if (d.Rule != rule) return "rule " + std::string(RuleKeyword(d.Rule));
    const long long it = Units(d.ToleranceUm), f = Units(d.FundamentalUm) + Units(d.DeltaUm);
    const long long t = rule == ZoneRule::SymmetricRounded ? it - 10'000'000 : it;
    const long long upper = d.Role == FundamentalRole::None    ? t / 2
                            : d.Role == FundamentalRole::Upper ? f
                                                               : f + it;
    const long long lower = d.Role == FundamentalRole::None ? -t / 2 : upper - it;
    if (upper != units(e.Upper) || lower != units(e.Lower)) return "derived limits";
    return "";
}

const std::vector<std::string> kLetters = {"a", "b", "c",  "cd", "d", "e",  "ef", "f", "fg", "g",
                                           "h", "j", "js", "k",  "m", "n",  "p",  "r", "s",  "t",
                                           "u", "v", "x",  "y",  "z", "za", "zb", "zc"};

// The whole outcome of an evaluation, for comparing two of them.
std::string Whole(const ZoneDeviations& r) {
    const ZoneDerivation& d = r.Derivation;
    return Describe(r) + " " + r.UpperPlain + " " + r.LowerPlain + " " + d.RangeLow + ".." +
           d.RangeHigh + " " + d.ToleranceUm + " " + d.FundamentalUm + " " + d.DeltaUm + " " +
           std::to_string(static_cast<int>(d.Role)) + " " + std::string(RuleKeyword(d.Rule));
}

// Fails on each result the reference does not allow, reporting the first 60.
// In the 2020 edition every zone but JS/js must also equal its 1998 outcome.
void Sweep(bool hole, bool custom, const std::vector<float>& sizes, Edition edition) {
    int zones = 0, computed = 0, failures = 0;
    for (std::string letters : kLetters) {
        if (hole) std::transform(letters.begin(), letters.end(), letters.begin(), ::toupper);
        for (int grade = -1; grade <= 18; ++grade) {
            const std::string gradeText = iso::GradeText(grade), zone = letters + gradeText;
            for (const float size : sizes) {
                ZoneQuery query{letters, gradeText, size, custom, zone, edition};
                const auto evaluate = [&] {
                    return hole ? EvaluateHoleZone(test::Shipped(), query)
                                : EvaluateShaftZone(test::Shipped(), query);
                };
                const auto r = evaluate();
                const Expected e = iso::Evaluate(letters, grade, size, custom, edition);
                std::string why = Mismatch(r, e);
                if (why.empty() && r.Ok()) why = DerivationMismatch(r, e, letters, grade, size);
                query.Edition = Edition::Gb1998;
                if (why.empty() && iso::Lower(letters) != "js" && Whole(evaluate()) != Whole(r))
                    why = "differs from 1998";
                ++zones;
                computed += r.Ok();
                if (!why.empty() && ++failures <= 60)
                    ADD_FAILURE() << zone << " at " << size << " mm" << (custom ? " (custom)" : "")
                                  << " edition " << EditionKeyword(edition) << ": got "
                                  << Describe(r) << "; expected " << e << " (" << why << ")";
            }
        }
    }
    EXPECT_EQ(failures, 0) << "of " << zones << " zones";
    EXPECT_TRUE(custom || computed * 2 > zones) << computed << " of " << zones << " zones computed";
}

// Just above the lower limit, in the middle and at the upper limit of every
// range, in both editions.
TEST(RuleSweep, EveryZoneAtEverySizeRange) {
    std::vector<float> sizes;
    for (float lower = 0.0f; const double limit : iso::Row("limits deviation")) {
        const auto upper = static_cast<float>(limit);
        sizes.insert(sizes.end(), {lower + 0.01f, (lower + upper) / 2.0f, upper});
        lower = upper;
    }
    for (const Edition edition : {Edition::Gb1998, Edition::Gb2020}) {
        for (const bool hole : {true, false}) {
            Sweep(hole, false, sizes, edition);
            Sweep(hole, true, {0.0f, 0.5f, 1.0f, 1.01f, 3.0f}, edition);
        }
    }
}

// The spans run from 0 to 3150 without a gap, and the reference allows each
// span's code just above its lower end and at every range limit inside it.
TEST(Applicability, SpansAgreeWithTheReference) {
    std::vector<float> sizes{1.0f};
    for (const double limit : iso::Row("limits deviation"))
        sizes.push_back(static_cast<float>(limit));
    int failures = 0;
    for (const bool hole : {true, false}) {
        for (std::string letters : kLetters) {
            if (hole) std::transform(letters.begin(), letters.end(), letters.begin(), ::toupper);
            for (int grade = -1; grade <= 18; ++grade) {
                const NormalisedZone zone{letters, iso::GradeText(grade),
                                          letters + iso::GradeText(grade)};
                const auto spans = ZoneApplicability(
                    test::Shipped(), zone, hole ? ZoneMember::Hole : ZoneMember::Shaft, true);
                const auto allowed = [&](const ZoneSpan& span, float size) {
                    const auto codes = iso::Evaluate(letters, grade, size, true).Codes;
                    return std::ranges::find(codes, span.Code) != codes.end();
                };
                bool ok = spans.front().Low == "0" && spans.back().High == "3150";
                for (std::size_t i = 0; i < spans.size(); ++i) {
                    const float low = std::stof(spans[i].Low), high = std::stof(spans[i].High);
                    ok = ok && (i == 0 || (spans[i].Low == spans[i - 1].High &&
                                           spans[i].Code != spans[i - 1].Code));
                    ok = ok && allowed(spans[i], std::nextafter(low, 4000.0f));
                    for (const float size : sizes)
                        ok = ok && (size <= low || size > high || allowed(spans[i], size));
                }
                if (!ok && ++failures <= 20) ADD_FAILURE() << zone.Text << ": spans disagree";
            }
        }
    }
}

// Reading Quorbel.dat: its layout, damaged and cut copies, and loading it from disk.
namespace fs = std::filesystem;

template <typename Data>
auto Tables(Data& d) {
    return std::array{&d.DeviationKeys, &d.StandardTolerances, &d.FundamentalDeviations};
}

// Every count, every element's bits and the mark.
std::vector<std::uint32_t> Bits(const ToleranceData& data) {
    std::vector<std::uint32_t> bits{static_cast<std::uint16_t>(data.FormatMark)};
    for (const Table* t : Tables(data)) {
        bits.insert(bits.end(), {std::uint32_t(t->Columns), std::uint32_t(t->Rows)});
        for (const float e : t->Elements) bits.push_back(std::bit_cast<std::uint32_t>(e));
    }
    return bits;
}

void ExpectRead(const DataFileResult& result, const ToleranceData& expected) {
    ASSERT_TRUE(result.Ok()) << result.Problem;
    EXPECT_TRUE(Bits(*result.Data) == Bits(expected)) << "the tables read differ";
}

bool Rejected(const DataFileResult& result) { return !result.Ok() && !result.Problem.empty(); }

// Offset of a block (K, T, D) or of the mark (M) in the standard tables' file.
std::size_t Offset(char block) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < 3 && block != "KTD"[i]; ++i)
        at += 18 + 4 * Tables(test::Shipped())[i]->Elements.size();
    return at;
}

// The standard tables with the changes of a damage.tsv row, and their file with
// its byte changes; `was` and `wrote` collect, in hex, the bytes overwritten and written.
std::string Changed(const std::string& changes, ToleranceData& data, std::string& was,
                    std::string& wrote) {
    std::vector<std::string> inFile;
    for (const std::string& change : test::Split(changes, ' ')) {
        const std::string value = change.substr(change.find('=') + 1);
        Table& table = *Tables(data)[std::string("KTD").find(change[0]) % 3];
        int a = 0, b = 0;
        if (change[1] == '+') {
            inFile.push_back(change);
        } else if (std::sscanf(change.c_str(), "%*c(%d,%d)", &a, &b) == 2) {
            table(a, b) = std::strtof(value.c_str(), nullptr);
        } else if (change[0] == 'M') {
            data.FormatMark = static_cast<std::int16_t>(std::stoi(value));
        } else if (std::sscanf(value.c_str(), "%dx%d", &a, &b) == 2) {
            Table resized = Table::Sized(a, b);
            for (std::int32_t row = 0; row < std::min(b, table.Rows); ++row)
                for (std::int32_t column = 0; column < std::min(a, table.Columns); ++column)
                    resized(column, row) = table(column, row);
            table = resized;
        } else {
            ADD_FAILURE() << "unknown change " << change;
        }
    }
    std::string bytes = EncodeToleranceFile(data);
    for (const std::string& change : inFile) {
        std::size_t at = Offset(change[0]) + std::stoul(change.substr(2));
        for (std::size_t i = change.find('=') + 1; i + 1 < change.size(); i += 2, ++at) {
            bytes.resize(std::max(bytes.size(), at + 1));
            const auto old = static_cast<unsigned char>(bytes[at]);
            was += {"0123456789ABCDEF"[old >> 4], "0123456789ABCDEF"[old & 15]};
            wrote += change.substr(i, 2);
            bytes[at] = static_cast<char>(std::stoi(change.substr(i, 2), nullptr, 16));
        }
    }
    return bytes;
}

TSV_ROW_TEST(DamageRows, LayoutAndDamage, "engine/damage.tsv") {
    ToleranceData data = test::Shipped();
    std::string was, wrote;
    const DataFileResult result = DecodeToleranceFile(Changed(row[1], data, was, wrote));
    if (row[0] == "holds") {
        EXPECT_EQ(was, wrote);
    } else if (row[0] == "accepted") {
        ExpectRead(result, data);
    } else {
        EXPECT_TRUE(row[0] == "rejected" && Rejected(result))
            << row[2] << ": " << row[0] << ", but "
            << (result.Ok() ? "accepted" : "rejected: " + result.Problem);
    }
}

TEST(DataFile, CutsAndUnevenTables) {
    // Every cut is rejected; the writer refuses a table that is not whole.
    const std::string good = EncodeToleranceFile(test::Shipped());
    for (std::size_t length = 0; length < good.size(); ++length)
        ASSERT_TRUE(Rejected(DecodeToleranceFile(std::string_view(good).substr(0, length))))
            << "cut to " << length << " bytes";
    ToleranceData uneven = test::Shipped();
    uneven.StandardTolerances.Elements.pop_back();
    EXPECT_THROW(EncodeToleranceFile(uneven), std::invalid_argument);
}

// The programs take only the file their build wrote. Every single-bit flip is
// refused: its digest is computed from the hash of the blocks before the flip,
// which is what hashing the whole flipped file computes, 120,000 times faster
// than reading each; a flip in every block also goes through the reader.
TEST(DataFile, OnlyTheShippedContent) {
    const std::string good = EncodeToleranceFile(test::Shipped());
    ASSERT_EQ(Sha256Hex(good), kShippedDataDigest) << "the build wrote these tables";
    ExpectRead(DecodeShippedFile(good, kShippedDataDigest), test::Shipped());
    const auto refused = [](std::string bytes) {
        return Rejected(DecodeShippedFile(bytes, kShippedDataDigest));
    };
    std::string it7 = good;  // IT7 at 80-120 mm becomes 35.25 µm: a valid layout
    it7[1743] ^= 0x01;
    EXPECT_TRUE(DecodeToleranceFile(it7).Ok() && refused(it7));
    for (const std::string& tail : {std::string(1, '\x02'), std::string(1, '\0'),
                                    std::string("garbage"), std::string(999, 'x')})
        EXPECT_TRUE(refused(good + tail)) << tail.size() << " bytes appended";
    for (std::size_t cut = 1; cut <= 8; ++cut)
        EXPECT_TRUE(refused(good.substr(0, good.size() - cut))) << cut << " bytes cut";

    Sha256 before;  // the blocks before the one flipped
    std::size_t flips = 0, passed = 0;
    for (std::size_t block = 0; block < good.size(); block += 64) {
        const std::string_view after = std::string_view(good).substr(block);
        std::string flipped(after.substr(0, 64));
        for (std::size_t bit = 0; bit < 8 * flipped.size(); ++bit, ++flips) {
            flipped[bit / 8] = static_cast<char>(flipped[bit / 8] ^ (1 << bit % 8));
            Sha256 hash = before;
            hash.Add(flipped);
            hash.Add(after.substr(flipped.size()));
            passed += DigestHex(hash.Finish()) == kShippedDataDigest;
            if (bit == block / 64 % 512) {
                EXPECT_TRUE(
                    refused(good.substr(0, block) + flipped + std::string(after.substr(64))));
            }
            flipped[bit / 8] = static_cast<char>(flipped[bit / 8] ^ (1 << bit % 8));
        }
        before.Add(after.substr(0, 64));
    }
    EXPECT_EQ(flips, 8 * good.size());
    EXPECT_EQ(passed, 0u) << "flipped files that pass as shipped";
}

// SHA-256 on the published test vectors, whole and added in uneven pieces.
TEST(DataFile, Sha256KnownVectors) {
    for (const auto& [text, digest] : std::vector<std::pair<std::string, std::string>>{
             {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
             {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
             {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
             {std::string(1'000'000, 'a'),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"}}) {
        EXPECT_EQ(Sha256Hex(text), digest) << text.size() << " bytes";
        Sha256 hash;
        for (std::size_t at = 0, piece = 1; at < text.size(); at += piece, piece = piece % 70 + 1)
            hash.Add(std::string_view(text).substr(at, piece));
        EXPECT_EQ(DigestHex(hash.Finish()), digest) << "in pieces";
    }
}

// Missing, damaged and unchanged files are checked where the programs load
// them; here what only a file on disk can be.
TEST(DataFile, LoadingAFolderOrAWriteProtectedFile) {
    const fs::path folder = fs::path(testing::TempDir()) / ("brimsel-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / kDataFileName);
    EXPECT_TRUE(Rejected(LoadToleranceFile(folder / kDataFileName, kShippedDataDigest)));
    const fs::path path = folder / "copy.dat";
    std::ofstream(path, std::ios::binary) << EncodeToleranceFile(test::Shipped());
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ExpectRead(LoadToleranceFile(path, kShippedDataDigest), test::Shipped());
    std::ofstream(folder / "long.dat", std::ios::binary)
        << EncodeToleranceFile(test::Shipped()) << std::string(999, 'x');
    EXPECT_TRUE(Rejected(LoadToleranceFile(folder / "long.dat", kShippedDataDigest)));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace brimsel::test
