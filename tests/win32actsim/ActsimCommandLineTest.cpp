#include "sim/win32/actsim/ActsimCommandLine.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace corvane::sim::win32 {
namespace {

using Faults = std::vector<std::pair<std::string, int>>;

TEST(ActsimCommandLine, RunsOnTheNamedDatabaseWithEveryFaultInOrder) {
    const auto line = ActsimCommandLine::parse(
        {"-Embedding", "C:\\Data\\Sales.dbf", "/fail", "View.SetField=70", "-FAIL", "Users.Count=440"});
    EXPECT_EQ(line.mode, ActsimCommandLine::Mode::Run);
    EXPECT_EQ(line.database, "C:\\Data\\Sales.dbf");
    EXPECT_EQ(line.faults, (Faults{{"View.SetField", 70}, {"Users.Count", 440}}));
}

TEST(ActsimCommandLine, WithoutADatabaseRunsOnTheDemo) {
    EXPECT_EQ(ActsimCommandLine::parse({}).database, "");
    EXPECT_EQ(ActsimCommandLine::parse({"/Embedding"}).database, "");
}

TEST(ActsimCommandLine, RegistersAndUnregistersWhateverTheCase) {
    EXPECT_EQ(ActsimCommandLine::parse({"/RegServer"}).mode, ActsimCommandLine::Mode::Register);
    EXPECT_EQ(ActsimCommandLine::parse({"-unregserver"}).mode, ActsimCommandLine::Mode::Unregister);
}

TEST(ActsimCommandLine, RefusesWhatItCannotRead) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"/fail"},
                                               {"/fail", "View.SetField"},
                                               {"/fail", "=70"},
                                               {"/fail", "View.SetField=7x"},
                                               {"/fail", "View.SetField=0"},
                                               {"/verbose"},
                                               {"one.dbf", "two.dbf"}}) {
        EXPECT_THROW(ActsimCommandLine::parse(arguments), std::invalid_argument) << arguments.back();
    }
}

} // namespace
} // namespace corvane::sim::win32
