#include "data/InfoFields.h"

namespace {
// Most fields take a short entry; the reason and the cable take a line.
constexpr int ShortLimit = 20;
constexpr int LongLimit = 50;
} // namespace

const std::array<InfoFieldInfo, InfoFieldCount> InfoFieldTable{{
    {"JobId", &InfoFields::JobId, InfoGroup::Job, ShortLimit},
    {"JobDate", &InfoFields::JobDate, InfoGroup::Job, ShortLimit},
    {"Reason", &InfoFields::Reason, InfoGroup::Job, LongLimit},
    {"Contractor", &InfoFields::Contractor, InfoGroup::Job, ShortLimit},
    {"OperatorA", &InfoFields::OperatorA, InfoGroup::Job, ShortLimit},
    {"Customer", &InfoFields::Customer, InfoGroup::Job, ShortLimit},
    {"OperatorB", &InfoFields::OperatorB, InfoGroup::Job, ShortLimit},
    {"CustomJob1", &InfoFields::CustomJob1, InfoGroup::Job, ShortLimit},
    {"CustomJob2", &InfoFields::CustomJob2, InfoGroup::Job, ShortLimit},
    {"CableId", &InfoFields::CableId, InfoGroup::Cable, LongLimit},
    {"LocationA", &InfoFields::LocationA, InfoGroup::Cable, ShortLimit},
    {"LocationB", &InfoFields::LocationB, InfoGroup::Cable, ShortLimit},
    {"CableMfr", &InfoFields::CableMfr, InfoGroup::Cable, ShortLimit},
    {"CableType", &InfoFields::CableType, InfoGroup::Cable, ShortLimit},
    {"CustomCable1", &InfoFields::CustomCable1, InfoGroup::Cable, ShortLimit},
    {"CustomCable2", &InfoFields::CustomCable2, InfoGroup::Cable, ShortLimit},
    {"UnitNameA", &InfoFields::UnitNameA, InfoGroup::System, ShortLimit},
    {"UnitNameB", &InfoFields::UnitNameB, InfoGroup::System, ShortLimit},
    {"SerialNumberA", &InfoFields::SerialNumberA, InfoGroup::System, ShortLimit},
    {"SerialNumberB", &InfoFields::SerialNumberB, InfoGroup::System, ShortLimit},
    {"ReferenceMethod", &InfoFields::ReferenceMethod, InfoGroup::Test, 1},
    {"TestCords", &InfoFields::TestCords, InfoGroup::Test, LongLimit},
    {"CalibrationDateA", &InfoFields::CalibrationDateA, InfoGroup::Test, ShortLimit},
    {"CalibrationDateB", &InfoFields::CalibrationDateB, InfoGroup::Test, ShortLimit},
    {"InstrumentModel", &InfoFields::InstrumentModel, InfoGroup::Test, ShortLimit},
    {"Firmware", &InfoFields::Firmware, InfoGroup::Test, ShortLimit},
}};

bool IsReferenceMethod(const std::string& text)
{
    return text.empty() || text == "1" || text == "2" || text == "3";
}

int InfoFieldLimit(std::string InfoFields::*field)
{
    for (const InfoFieldInfo& info : InfoFieldTable)
        if (info.field == field)
            return info.limit;
    return ShortLimit;
}
