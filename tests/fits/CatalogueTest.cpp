#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "TestData.h"
#include "fits/Catalogue.h"

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

TEST(Catalogue, ListsAndTheirDefaults) {
    for (const test::TsvRow& row : test::ReadTsv("fits/catalogue.tsv")) {
        for (const std::string& size : test::Split(row[2], ' ')) {
            const testing::ScopedTrace trace(row.File.c_str(), row.Line, "size " + size);
            const ZoneList list = Look(row[0], row[1], Size(size));
            EXPECT_EQ(Joined(list) + " @" + std::to_string(list.DefaultPosition),
                      row[3] + " @" + row[4]);
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

}  // namespace
}  // namespace brimsel::fits
