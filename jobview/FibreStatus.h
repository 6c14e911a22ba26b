#pragma once

#include "jobs/JobState.h"

#include <QColor>
#include <QIcon>
#include <QString>

// How the job window shows a fibre's state: a word, a colour and an icon
// whose shape differs too, so that no state is told by colour alone.

QString FibreStateName(FibreState state);
QColor FibreStateColour(FibreState state);
QIcon FibreStateIcon(FibreState state);

// The state a test's verdict gives its fibre.
FibreState StateOfVerdict(JobVerdict verdict);

// A cable's state: the worst of its fibres' (Fail, Conflict, Incomplete,
// Missing, Warning, Pass in that order).
FibreState CableState(const JobCounts& counts);

// "Current", "Superseded", ...: a record's place among its fibre's tests.
QString RecordRoleName(RecordRole role);

// The counts above the job's tree, in one line.
QString JobCountsText(const JobCounts& counts);
