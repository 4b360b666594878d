#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Digits.h"
#include "TestData.h"
#include "results/Callout.h"
#include "ui/strings/StringTable.h"

namespace brimsel {
namespace {

using test::Decimals, test::Scaled, test::Written;

TEST(Callout, FormsAndResultTextAgainstDigitArithmetic) {
    for (const test::TsvRow& row : test::ReadTsv("results/callouts.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "");
        const FitResult fit{row[0], {row[1], row[2], row[3]}, {row[4], row[5], row[6]}};
        EXPECT_EQ(WriteCallout(fit, CalloutForm::Code), "Ø" + row[0] + " " + row[1] + "/" + row[4]);
        EXPECT_EQ(WriteCallout(fit, CalloutForm::CodeAndDeviations), row[7]);
        for (const int first : {2, 5}) {
            const int d =
                std::max({Decimals(row[0]), Decimals(row[first]), Decimals(row[first + 1])});
            const auto limit = [&](int i) {
                return Written(Scaled(row[0], d) + Scaled(row[i], d), d, false);
            };
            EXPECT_EQ(
                WriteCallout(fit, first == 2 ? CalloutForm::HoleLimits : CalloutForm::ShaftLimits),
                "Ø" + limit(first) + "/" + limit(first + 1));
        }
        int d = 0;
        for (const int i : {2, 3, 5, 6}) d = std::max(d, Decimals(row[i]));
        const auto difference = [&](int a, int b) {
            return Written(Scaled(row[a], d) - Scaled(row[b], d), d, true);
        };
        const auto name = [&](int i) { return std::string(LookUpString(2, std::stoi(row[i]))); };
        const std::string ending = name(8) + "\t" + difference(2, 6) + "\n" + name(9) + "\t" +
                                   difference(3, 5) + "\nkind of fit\t" + name(10) + "\n";
        EXPECT_TRUE(WriteResultText(fit, 2).value_or("").ends_with(ending)) << ending;
    }
    const FitResult blanked{"100", {"H7", " - - -", " - - -"}, {"g6", "-0.012", "-0.034"}};
    EXPECT_FALSE(WriteCallout(blanked, CalloutForm::Code) || WriteResultText(blanked, 1));
}

}  // namespace
}  // namespace brimsel
