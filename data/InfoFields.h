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

    void Clear() { *this = InfoFields(); }
};

// Which information dialog holds a field.
enum class InfoGroup
{
    Job,
    Cable,
    System
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

// The twenty fields in the order the report header prints them.
extern const std::array<InfoFieldInfo, 20> InfoFieldTable;

// The most characters `field` takes.
int InfoFieldLimit(std::string InfoFields::*field);
