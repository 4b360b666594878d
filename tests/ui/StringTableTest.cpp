// What a copy of the table could not check: every number from 1 to 33 has its
// Chinese entry and its English twin and nothing lies around them, the twins
// say the same thing where the program builds on what they say, and entry 23
// names the program.
#include <algorithm>

#include "TestData.h"
#include "ui/strings/StringTable.h"

namespace brimsel {
namespace {

bool Has(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

TEST(StringTable, ContiguousTwinsThatAgree) {
    for (int n = 0; n <= 34; ++n) {
        const std::string_view zh = LookUpString(1, n), en = LookUpString(2, n);
        EXPECT_EQ(!zh.empty() && !en.empty(), n >= 1 && n <= 33) << n;
        EXPECT_EQ(zh.empty(), en.empty()) << n;
        // Han characters are three bytes led by 0xE4 to 0xE9; English has none.
        const auto han = [](unsigned char c) { return c >= 0xE4 && c <= 0xE9; };
        EXPECT_TRUE(std::ranges::none_of(en, han)) << n << " " << en;
        EXPECT_TRUE(n <= 1 || n == 30 || zh.empty() || std::ranges::any_of(zh, han)) << n;
    }
    for (const int id : {99, 100, 134, 199, 200, 234, 301, -101})
        EXPECT_TRUE(LoadString(id).empty());
    // The kinds of fit and the names of the limits, which the results choose by number.
    const char* kinds[][2] = {
        {"间隙", "Clearance"}, {"过渡", "Transition"}, {"过盈", "Interference"}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(Has(LookUpString(1, 11 + k), kinds[k][0])) << 11 + k;
        EXPECT_TRUE(Has(LookUpString(2, 11 + k), kinds[k][1])) << 11 + k;
    }
    for (int n = 19; n <= 22; ++n) {
        const bool largest = n == 19 || n == 21, clearance = n <= 20;
        EXPECT_TRUE(Has(LookUpString(1, n), largest ? "最大" : "最小")) << n;
        EXPECT_TRUE(Has(LookUpString(1, n), clearance ? "间隙" : "过盈")) << n;
        EXPECT_TRUE(Has(LookUpString(2, n), largest ? "MAX" : "MIN")) << n;
        EXPECT_TRUE(Has(LookUpString(2, n), clearance ? "clearance" : "interference")) << n;
    }
    for (const std::int16_t language : {std::int16_t{1}, std::int16_t{2}}) {
        EXPECT_TRUE(Has(LookUpString(language, 25), "0～3150")) << language;
        EXPECT_TRUE(Has(LookUpString(language, 29), language == 1 ? "Quorbel.dat" : "quorbel.dat"));
        EXPECT_TRUE(Has(LookUpString(language, 23), "Brimsel")) << language;
    }
}

}  // namespace
}  // namespace brimsel
