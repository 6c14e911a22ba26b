#include "jobs/PgJobLocation.h"

#include <gtest/gtest.h>

// A team job's name read as libpq is given it, and as it may be shown.
TEST(TeamJobLocation, TakesTheJobOutAndNeverShowsThePassword)
{
    const struct
    {
        const char* location;
        const char* conninfo; // null: a job file's path
        const char* job;
        const char* shown;
    } cases[] = {
        {"postgresql://ana:pw-1@db/kav?job=DC-North", "postgresql://ana:pw-1@db/kav", "DC-North",
         "postgresql://ana@db/kav?job=DC-North"},
        {"postgres://db/kav?sslmode=require&job=DC%20North&password=pw-2",
         "postgres://db/kav?sslmode=require&password=pw-2", "DC North",
         "postgres://db/kav?sslmode=require&job=DC%20North"},
        {"host=db  dbname = kav job='DC \\'N\\'' password=pw-3", "host='db' dbname='kav' password='pw-3'",
         "DC 'N'", "host='db' dbname='kav' job='DC \\'N\\''"},
        {"postgresql://db/kav", "postgresql://db/kav", "", "postgresql://db/kav"},
        {"/jobs/dc-north.kavjob", nullptr, "", ""},
        {"size=2 m.kavjob", nullptr, "", ""},
        {"a=b.kavjob", nullptr, "", ""},
    };
    for (const auto& c : cases) {
        const std::string location = c.location;
        ASSERT_EQ(IsPgJobLocation(location), c.conninfo != nullptr) << location;
        if (c.conninfo == nullptr)
            continue;
        const std::optional<PgJobLocation> parsed = ParsePgJobLocation(location);
        ASSERT_TRUE(parsed) << location;
        EXPECT_EQ(parsed->conninfo, c.conninfo) << location;
        EXPECT_EQ(parsed->job, c.job) << location;
        EXPECT_EQ(PgJobLocationShown(location), c.shown) << location;
    }
}

// A server and a job's name typed apart make the location they name.
TEST(TeamJobLocation, IsMadeOfAServerAndAJobName)
{
    const struct
    {
        const char* conninfo;
        const char* job;
        const char* location;
    } cases[] = {
        {"postgresql://db/kav", "DC North/2", "postgresql://db/kav?job=DC%20North%2F2"},
        {"postgresql://db/kav?sslmode=require", "F&1", "postgresql://db/kav?sslmode=require&job=F%261"},
        {"host=db dbname=kav", "DC 'N'", "host='db' dbname='kav' job='DC \\'N\\''"},
        {"", "A", "job='A'"},
    };
    for (const auto& c : cases) {
        const std::string location = PgJobLocationOf(c.conninfo, c.job);
        EXPECT_EQ(location, c.location) << c.conninfo;
        const std::optional<PgJobLocation> parsed = ParsePgJobLocation(location);
        ASSERT_TRUE(parsed) << location;
        EXPECT_EQ(parsed->job, c.job) << location;
    }
}
