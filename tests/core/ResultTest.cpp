#include "base/Result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tallar {
namespace {

Result<int> parseLevel(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return Result<int>::error("poziom „" + text + "” nie jest liczbą", {.field = "Poziom:"});
    return std::stoi(text);
}

// An error handed on through a function of another type keeps its message and place.
Result<std::string> describeLevel(const std::string& text) {
    Result<int> level = parseLevel(text);
    if (!level)
        return level.error();
    return "poziom " + std::to_string(*level);
}

TEST(Result, CarriesAValueOrAnErrorWithItsPlace) {
    const Result<int> good = parseLevel("12");
    ASSERT_TRUE(good.ok());
    EXPECT_TRUE(static_cast<bool>(good));
    EXPECT_EQ(good.value(), 12);
    EXPECT_EQ(good.message(), "");

    const Result<std::string> bad = describeLevel("x1");
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.message(), "poziom „x1” nie jest liczbą");
    EXPECT_EQ(bad.error().place.field, "Poziom:");
    EXPECT_EQ(bad.error().place.line, 0);
    EXPECT_EQ(describeLevel("7").value(), "poziom 7");
}

TEST(Result, IsMadeFromWhatItsValueIsMadeFrom) {
    // A text literal becomes the std::string it holds; an int widens to a long.
    const Result<std::string> named = "Obrona";
    EXPECT_EQ(*named, "Obrona");
    const Result<long> widened = 3;
    EXPECT_EQ(widened.value(), 3L);
}

TEST(Result, HoldsValuesThatCanOnlyBeMoved) {
    Result<std::unique_ptr<int>> made = std::make_unique<int>(5);
    ASSERT_TRUE(made);
    std::unique_ptr<int> taken = std::move(made).value();
    EXPECT_EQ(*taken, 5);
}

TEST(Status, IsTheResultWithoutAValue) {
    const Status fine;
    EXPECT_TRUE(fine.ok());
    EXPECT_EQ(fine.message(), "");

    const Status failed = Status::error("brak pliku", {.file = "bohater.xml", .line = 3});
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message(), "brak pliku");
    EXPECT_EQ(failed.error().place.file, "bohater.xml");
    EXPECT_FALSE(failed.error().place.empty());

    // A result's error becomes a status and back, the same error throughout.
    const Status fromResult = statusOf(parseLevel(""));
    EXPECT_EQ(fromResult.message(), "poziom „” nie jest liczbą");
    EXPECT_TRUE(statusOf(parseLevel("3")).ok());
    const Result<int> fromStatus = failed.error();
    EXPECT_EQ(fromStatus.error().place.line, 3);
}

} // namespace
} // namespace tallar
