// skyloom-trail's command line: what it asks for, and a one-line reason for each mistake.
#include "ephemeris/TrailCommandLine.h"

#include <gtest/gtest.h>

namespace {

TrailCommandLine parse(
    const std::string& body, const std::string& from, const std::string& to, const std::string& step = "")
{
    std::vector<std::string> words { "--body", body, "--from", from, "--to", to };
    if (!step.empty())
        words.insert(words.end(), { "--step", step });
    return TrailCommandLine::parse(words);
}

// The line fails with one line that says `reason`.
void expectFailure(const TrailCommandLine& line, const std::string& reason)
{
    EXPECT_FALSE(line.request);
    EXPECT_NE(line.error.find(reason), std::string::npos) << line.error;
    EXPECT_EQ(line.error.rfind("skyloom-trail: ", 0), 0u) << line.error;
    EXPECT_EQ(line.error.find('\n'), std::string::npos) << line.error;
}

TEST(TrailCommandLine, AsksForOneObservationEveryFiveDaysByDefault)
{
    const TrailCommandLine line = parse("venus", "2020-01-01", "2020-01-31");
    ASSERT_TRUE(line.request) << line.error;
    EXPECT_STREQ(line.request->body.name, "venus");
    EXPECT_EQ(line.request->stepDays, 5);
    EXPECT_EQ(line.request->recordCount(), 7);
    EXPECT_EQ(line.request->outputPath, "");
    EXPECT_EQ(TrailCommandLine::kUsageErrorExitCode, 2);
}

TEST(TrailCommandLine, RefusesUnknownBodiesAndBadDates)
{
    expectFailure(parse("pluto", "2020-01-01", "2020-02-01"), "unknown body 'pluto' (one of mercury, venus, mars");
    expectFailure(parse("Mars", "2020-01-01", "2020-02-01"), "unknown body 'Mars'");
    expectFailure(parse("mars", "2021-02-29", "2022-01-01"), "--from needs a date YYYY-MM-DD");
    expectFailure(parse("mars", "2021-1-5", "2022-01-01"), "not '2021-1-5'");
    expectFailure(parse("mars", "2021-01-01", "2021-13-01"), "--to needs a date");
    expectFailure(parse("mars", "2022-01-02", "2022-01-01"), "--from 2022-01-02 lies after --to 2022-01-01");
}

TEST(TrailCommandLine, RefusesStepsThatAreNotPositiveAndTrailsTooLongToLoad)
{
    expectFailure(parse("sun", "2020-01-01", "2020-12-31", "0"), "--step needs a positive number of days, not '0'");
    expectFailure(parse("sun", "2020-01-01", "2020-12-31", "-5"), "not '-5'");
    expectFailure(parse("sun", "2020-01-01", "2020-12-31", "five"), "not 'five'");
    // A trail file holds at most 1024 observations: 1023 days after the first still fit.
    EXPECT_TRUE(parse("sun", "2020-01-01", "2022-10-20", "1").request);
    expectFailure(parse("sun", "2020-01-01", "2022-10-21", "1"), "more than the 1024 observations");
    expectFailure(parse("sun", "2000-01-01", "2030-01-01"), "(take a larger --step)");
}

TEST(TrailCommandLine, RefusesUnknownOptionsAndMissingValues)
{
    expectFailure(TrailCommandLine::parse({ "--planet", "mars" }), "unknown option '--planet'");
    expectFailure(TrailCommandLine::parse({ "--body", "mars", "--from" }), "option '--from' needs a value");
    expectFailure(TrailCommandLine::parse({ "--body", "mars", "--to", "2020-01-01" }), "--from is missing");
    EXPECT_TRUE(TrailCommandLine::parse({ "--help" }).help);
    EXPECT_TRUE(TrailCommandLine::parse({ "--version" }).error.empty());
}

} // namespace
