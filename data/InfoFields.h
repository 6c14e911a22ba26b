#pragma once

#include <string>

// The job, cable and system information the user types in for the loss-test
// report. Nothing stores them in a file: every run starts with all empty.
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
