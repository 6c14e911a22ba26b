#pragma once

#include <array>
#include <string>

// The job, cable and system information the user types in for the loss-test
// report. Text is UTF-8.
struct InfoFields
{
    // Job
    std::string JobId, JobDate, Reason, Contractor, OperatorA, OperatorB, Customer, CustomJob1, CustomJob2;
    // Cable
    std::string CableId, LocationA, LocationB, CableMfr, CableType, CustomCable1, CustomCable2;
    // System
    std::string UnitNameA, UnitNameB, SerialNumberA, SerialNumberB;
    // Test: how the reference was set (1, 2 or 3 jumpers), the test cords,
    // when each unit was calibrated, and the instrument as typed.
    std::string ReferenceMethod, TestCords, CalibrationDateA, CalibrationDateB, InstrumentModel, Firmware;

    void Clear() { *this = InfoFields(); }
};

// Which information dialog holds a field.
enum class InfoGroup
{
    Job,
    Cable,
    System,
    Test
};

// One field: its name (as header files and settings key it), where it lives
// and the most characters its edit takes.
struct InfoFieldInfo
{
    const char* name;
    std::string InfoFields::*field;
    InfoGroup group;
    int limit;
};

constexpr size_t InfoFieldCount = 26;
// The fields in the order the report header prints them.
extern const std::array<InfoFieldInfo, InfoFieldCount> InfoFieldTable;

// The reference methods a test may name: the jumpers its reference took.
bool IsReferenceMethod(const std::string& text); // "", "1", "2" or "3"

// The most characters `field` takes.
int InfoFieldLimit(std::string InfoFields::*field);
