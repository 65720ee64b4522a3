// The simulator's command line.
#include "options.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarmigo::sim;
using Outcome = ParsedArguments::Outcome;

namespace {

ParsedArguments parse(std::vector<std::string_view> args) {
    return parseArguments(args);
}

} // namespace

TEST(SimArguments, DefaultsAndEveryFlag) {
    ParsedArguments none = parse({});
    ASSERT_EQ(none.outcome, Outcome::Run);
    EXPECT_EQ(none.options.games, 100);
    EXPECT_EQ(none.options.seed, 1u);
    EXPECT_TRUE(none.options.hard[0]);
    EXPECT_FALSE(none.options.hard[1]);

    ParsedArguments all = parse(
        {"--games", "1000", "--seed", "18446744073709551615", "--p0", "easy", "--p1", "hard"});
    ASSERT_EQ(all.outcome, Outcome::Run) << all.error;
    EXPECT_EQ(all.options.games, 1000);
    EXPECT_EQ(all.options.seed, 18446744073709551615u);
    EXPECT_FALSE(all.options.hard[0]);
    EXPECT_TRUE(all.options.hard[1]);
}

TEST(SimArguments, ValueAfterAnEqualsSignAndTheLastRepeatWins) {
    ParsedArguments r = parse({"--games=7", "--seed=0", "--p1=hard", "--games", "9"});
    ASSERT_EQ(r.outcome, Outcome::Run) << r.error;
    EXPECT_EQ(r.options.games, 9);
    EXPECT_EQ(r.options.seed, 0u);
    EXPECT_TRUE(r.options.hard[1]);
}

TEST(SimArguments, ExpertPlaysAsHardWhereOnlyTheRecordIsRead) {
    ParsedArguments r = parse({"--p0", "expert", "--p1=expert", "--p1", "easy"});
    ASSERT_EQ(r.outcome, Outcome::Run) << r.error;
    EXPECT_TRUE(r.options.hard[0]);
    EXPECT_TRUE(r.options.expert[0]);
    EXPECT_FALSE(r.options.hard[1]);
    EXPECT_FALSE(r.options.expert[1]);
}

TEST(SimArguments, HelpWinsWhereverItStands) {
    EXPECT_EQ(parse({"--help"}).outcome, Outcome::Help);
    EXPECT_EQ(parse({"--games", "3", "--help"}).outcome, Outcome::Help);
}

TEST(SimArguments, MalformedArgumentsNameTheirFault) {
    struct Case {
        std::vector<std::string_view> args;
        const char* says;
    };
    const std::vector<Case> cases{
        {{"--rounds", "3"}, "unknown argument '--rounds'"},
        {{"games"}, "unknown argument 'games'"},
        {{"--games"}, "--games needs a value"},
        {{"--p0"}, "--p0 needs a value"},
        {{"--games", "0"}, "not '0'"},
        {{"--games", "-4"}, "not '-4'"},
        {{"--games", "+4"}, "not '+4'"},
        {{"--games", "4.5"}, "not '4.5'"},
        {{"--games", "100000001"}, "not '100000001'"},
        {{"--games="}, "not ''"},
        {{"--seed", "x1"}, "--seed needs a whole number"},
        {{"--seed", "-1"}, "not '-1'"},
        {{"--seed", "18446744073709551616"}, "not '18446744073709551616'"},
        {{"--p1", "Hard"}, "--p1 needs easy, hard or expert, not 'Hard'"},
        {{"--p0", "experts"}, "--p0 needs easy, hard or expert, not 'experts'"},
    };
    for (const Case& c : cases) {
        ParsedArguments r = parse(c.args);
        EXPECT_EQ(r.outcome, Outcome::Error) << c.says;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
    }
}
