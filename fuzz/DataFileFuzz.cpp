// Any bytes as Quorbel.dat: the reader accepts or rejects them without
// reading or allocating past them, and tables it accepts are safe to index
// for every hole and shaft computation in both editions and for the 2020
// fit lists, which the tables decide.
#include "FuzzSupport.h"
#include "engine/DataFile.h"
#include "engine/Deviations.h"
#include "fits/Catalogue.h"

namespace {

// Shaft letters are these in lower case.
constexpr std::array<std::string_view, 28> kHoleLetters = {
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "JS", "J",  "K",
    "M", "N", "P", "R",  "S", "T", "U",  "V", "X",  "Y", "Z", "ZA", "ZB", "ZC"};
// The grade texts the window can hand over, and a few it never should.
constexpr std::array<std::string_view, 25> kGrades = {
    "01", "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8", "9",     "10", "11",
    "12", "13", "14", "15", "16", "17", "18", "-1", "19", "",  "99999", "-2"};
constexpr std::array<float, 12> kSizes = {0.0f,   0.5f,   1.0f,   3.0f,    3.5f,    18.0f,
                                          100.0f, 500.0f, 500.5f, 3150.0f, 3150.5f, -1.0f};

[[noreturn]] void Fail(const char* what) { brimsel::fuzz::Fail("data file", what); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const brimsel::DataFileResult result = brimsel::DecodeToleranceFile(bytes);
    if (!result.Ok()) {
        if (result.Problem.empty()) Fail("rejected without a reason");
        return 0;
    }
    const brimsel::ToleranceData& tables = *result.Data;
    std::size_t elements = 0;
    for (const brimsel::Table* t :
         {&tables.DeviationKeys, &tables.StandardTolerances, &tables.FundamentalDeviations}) {
        if (t->Columns < 0 || t->Rows < 0 ||
            t->Elements.size() != std::size_t(t->Columns) * t->Rows)
            Fail("a table's element count differs from columns x rows");
        elements += t->Elements.size();
    }
    if (elements * sizeof(float) > size) Fail("more elements than the file holds");

    // The zones asked for depend on the file, so that different accepted files
    // meet different queries; every run also asks the start-up fit.
    std::uint32_t h = 2166136261u;
    for (const unsigned char c : bytes) h = (h ^ c) * 16777619u;
    auto next = [&h] {
        h = h * 1664525u + 1013904223u;
        return h >> 8;
    };
    for (int i = 0; i < 32; ++i) {
        const bool hole = i == 0 || (i > 1 && (next() & 1) != 0);
        const std::size_t letter = i < 2 ? 10 : next() % kHoleLetters.size();
        const std::string_view grade = i == 0   ? "7"
                                       : i == 1 ? "6"
                                                : kGrades[next() % kGrades.size()];
        const float basicSize = i < 2 ? 100.0f : kSizes[next() % kSizes.size()];
        const auto bits = next();
        const bool custom = (bits & 1) != 0;
        const auto edition = (bits & 2) != 0 ? brimsel::Edition::Gb2020 : brimsel::Edition::Gb1998;
        std::string letters(kHoleLetters[letter]);
        if (!hole) std::ranges::transform(letters, letters.begin(), ::tolower);
        const std::string zone = letters + std::string(grade);
        const brimsel::ZoneQuery query{
            letters, grade, basicSize, custom, hole ? std::string_view(zone) : "", edition};
        const brimsel::ZoneDeviations r = hole ? brimsel::EvaluateHoleZone(tables, query)
                                               : brimsel::EvaluateShaftZone(tables, query);
        if (r.Ok() && (r.UpperText.empty() || r.LowerText.empty()))
            Fail("a computed zone without captions");
    }
    // Any list offered selects one of its entries, and names its groups only.
    const float listSize = kSizes[next() % kSizes.size()];
    for (std::int16_t basis = 0; basis <= 1; ++basis) {
        for (std::int16_t kind = 0; kind <= 2; ++kind) {
            using namespace brimsel::fits;
            const auto usable = [](const ZoneList& list) {
                return list.Entries.empty()
                           ? !list.Found && list.DefaultPosition == -1
                           : list.Found && list.DefaultPosition >= 0 &&
                                 std::size_t(list.DefaultPosition) < list.Entries.size();
            };
            const ZoneList bases =
                BaseZones(tables, brimsel::Edition::Gb2020, basis, kind, listSize);
            if (!usable(bases)) Fail("a base list without its selection");
            for (const std::string_view base : bases.Entries) {
                const std::string key = FitGroupKey(kind, base);
                const ZoneList group =
                    basis == 0
                        ? ListHoleBasisGroup(tables, brimsel::Edition::Gb2020, key, listSize)
                        : ListShaftBasisGroup(tables, brimsel::Edition::Gb2020, key, listSize);
                if (!group.Found || !usable(group)) Fail("a base zone without its fits");
            }
        }
    }
    return 0;
}
