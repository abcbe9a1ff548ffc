#include <gtest/gtest.h>

#include "engine/os_version.h"

namespace {

struct FakeVersion : platform::VersionSource {
    bool extendedOk = true;
    bool plainOk = true;
    platform::VersionInfo extended;
    platform::VersionInfo plain;
    bool QueryExtended(platform::VersionInfo& info) override {
        if (extendedOk) info = extended;
        return extendedOk;
    }
    bool QueryPlain(platform::VersionInfo& info) override {
        if (plainOk) info = plain;
        return plainOk;
    }
};

struct ClassifyRow {
    std::uint32_t platformId, major, minor;
    engine::OsType expected;   // -1: the previous value stays
};

TEST(DetectOsType, ClassificationTable) {
    const ClassifyRow rows[] = {
        {1, 4, 0, 1},   {1, 4, 10, 2},  {1, 4, 90, 2},  {1, 4, 3, -1}, {1, 5, 0, -1},
        {2, 3, 51, 3},  {2, 0, 0, 3},   {2, 4, 0, 3},   {2, 5, 0, 4},  {2, 5, 1, 5},
        {2, 5, 2, 6},   {2, 5, 3, -1},  {2, 6, 0, 7},   {2, 6, 1, 8},  {2, 6, 2, 9},
        {2, 6, 3, -1},  {2, 10, 0, -1}, {2, 7, 0, -1},  {0, 4, 0, 8},  {3, 10, 0, 8},
        {2, 0xFFFFFFFFu, 0, -1},   // majors compare unsigned: not "0 to 4"
    };
    for (const ClassifyRow& row : rows) {
        FakeVersion source;
        source.extended = {row.platformId, row.major, row.minor};
        engine::OsType osType = -1;
        engine::DetectOsType(source, osType);
        EXPECT_EQ(osType, row.expected) << "platform " << row.platformId << " version " << row.major << "."
                                        << row.minor;
    }
}

TEST(DetectOsType, FallsBackToThePlainRecord) {
    FakeVersion source;
    source.extendedOk = false;
    source.extended = {2, 6, 2};
    source.plain = {2, 5, 0};
    engine::OsType osType = 0;
    engine::DetectOsType(source, osType);
    EXPECT_EQ(osType, 4);
}

TEST(DetectOsType, BothQueriesRefusedKeepsTheValue) {
    FakeVersion source;
    source.extendedOk = source.plainOk = false;
    engine::OsType osType = 0;
    engine::DetectOsType(source, osType);
    EXPECT_EQ(osType, 0);
    osType = 7;
    engine::DetectOsType(source, osType);
    EXPECT_EQ(osType, 7);
}

struct FakeWow64 : platform::Wow64Source {
    bool exported = true;
    std::int32_t flagSet = 0;
    bool called = false;
    bool FindIsWow64Process() override { return exported; }
    void CallIsWow64Process(std::int32_t& flag) override {
        called = true;
        flag = flagSet;
    }
};

TEST(IsWow64, ExportAndFlag) {
    struct Row {
        const char* name;
        bool exported;
        std::int32_t flag;
        bool expected;
    };
    const Row rows[] = {
        {"64-bit Windows", true, 1, true},
        {"32-bit Windows with the export", true, 0, false},
        {"export missing", false, 1, false},
        {"flag other than 1", true, 2, false},
    };
    for (const Row& row : rows) {
        FakeWow64 source;
        source.exported = row.exported;
        source.flagSet = row.flag;
        EXPECT_EQ(engine::IsWow64(source), row.expected) << row.name;
        EXPECT_EQ(source.called, row.exported) << row.name;
    }
}

}  // namespace
