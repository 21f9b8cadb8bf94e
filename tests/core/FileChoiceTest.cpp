#include "output/FileChoice.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

TEST(FileChoice, AppendsTheExtensionOnlyWhenTheNameHasNone) {
    EXPECT_EQ(withDefaultExtension("bohater", ".xml"), "bohater.xml");
    EXPECT_EQ(withDefaultExtension("/home/ola/bohaterowie/Żółw", ".xml"),
              "/home/ola/bohaterowie/Żółw.xml");
    EXPECT_EQ(withDefaultExtension("C:\\Gry\\v1.2\\bohater", ".xml"), "C:\\Gry\\v1.2\\bohater.xml");
    EXPECT_EQ(withDefaultExtension("/tmp/.ukryty", ".xml"), "/tmp/.ukryty.xml");
    EXPECT_EQ(withDefaultExtension("bohater.xml", ".xml"), "bohater.xml");
    EXPECT_EQ(withDefaultExtension("bohater.txt", ".xml"), "bohater.txt");
    EXPECT_EQ(withDefaultExtension("/tmp/kopia.XML", ".xml"), "/tmp/kopia.XML");
}

TEST(FileChoice, ReadsTheDialogFilter) {
    const auto filters = parseFileFilter(kCharacterFileFilter);
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0].label, "Plik xml");
    EXPECT_EQ(filters[0].patterns, std::vector<std::string>{"*.xml"});

    const auto two = parseFileFilter("Plik txt|*.txt|Wszystkie|*.txt;*.log;*||");
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].label, "Wszystkie");
    EXPECT_EQ(two[1].patterns, (std::vector<std::string>{"*.txt", "*.log", "*"}));
    EXPECT_TRUE(parseFileFilter("").empty());
}

} // namespace
} // namespace tallar
