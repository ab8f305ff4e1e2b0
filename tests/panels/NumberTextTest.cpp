#include "panels/NumberText.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(NumberTextTest, EditNumbersAcceptDecimalTextOnly)
{
    const struct {
        const char* Text;
        double Value;
    } numbers[] = {{"12", 12}, {" 12.5 ", 12.5}, {"+3", 3}, {"-2", -2}, {".5", 0.5}, {"5.", 5}, {"1e2", 100}};
    for (const auto& row : numbers) {
        EXPECT_EQ(ParseEditNumber(row.Text), row.Value) << row.Text;
    }
    for (const char* text : {"", "   ", "abc", "1,5", "inf", "nan", "12abc", "0x10", "1e", "--1", "+-1", "1 2"}) {
        EXPECT_EQ(ParseEditNumber(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(NumberTextTest, FixedFormatRoundsHalvesAwayFromZero)
{
    const struct {
        double Value;
        int Decimals;
        const char* Text;
    } rows[] = {{0.125, 2, "0.13"},   {-0.125, 2, "-0.13"}, {4.0 / 3, 2, "1.33"}, {2, 4, "2.0000"},
                {-0.001, 2, "0.00"}, {0, 2, "0.00"},      {3.814697265625, 2, "3.81"},
                {10.5, 0, "11"},     {0.05, 2, "0.05"},   {1234.5678, 2, "1234.57"}};
    for (const auto& row : rows) {
        EXPECT_EQ(FormatFixed(row.Value, row.Decimals), row.Text) << row.Value;
    }
}

TEST(NumberTextTest, HundredthsPrintInShortestForm)
{
    const struct {
        long long Hundredths;
        const char* Text;
    } rows[] = {{50, "0.5"}, {127, "1.27"}, {37, "0.37"}, {300, "3"}, {5, "0.05"},
                {0, "0"},    {-50, "-0.5"}, {101, "1.01"}, {110, "1.1"}, {-7, "-0.07"}};
    for (const auto& row : rows) {
        EXPECT_EQ(FormatHundredths(row.Hundredths), row.Text) << row.Hundredths;
    }
}

} // namespace
} // namespace qx
