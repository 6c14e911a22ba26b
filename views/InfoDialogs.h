#pragma once

#include "views/CInfoDialog.h"

// "Job Information": the job, its reason, contractor, operators and customer.
class CJobInfoDlg : public CInfoDialog
{
    Q_OBJECT
public:
    explicit CJobInfoDlg(QWidget* parent = nullptr);
};

// "Cable Information": both locations, maker, type and two custom lines. The
// cable ID travels with the dialog hidden: the loss-test report fills it.
class CCableInfoDlg : public CInfoDialog
{
    Q_OBJECT
public:
    explicit CCableInfoDlg(QWidget* parent = nullptr);
};

// "System Information": name and serial number of the two test units.
class CSystemInfoDlg : public CInfoDialog
{
    Q_OBJECT
public:
    explicit CSystemInfoDlg(QWidget* parent = nullptr);
};

// The header's groups, each edited in its dialog.
enum class HeaderGroup
{
    Job,
    Cable,
    System,
    Test
};
// The group's dialog on `fields`; true when the user accepted it. Nothing
// is remembered for a later run.
bool EditHeaderGroup(QWidget* owner, HeaderGroup group, InfoFields& fields);

// "Test Information": what a network owner asks of the test itself: the
// reference method (1, 2 or 3 jumpers), the test cords, each unit's
// calibration date, the instrument's model and firmware.
class CTestInfoDlg : public CInfoDialog
{
    Q_OBJECT
public:
    explicit CTestInfoDlg(QWidget* parent = nullptr);
};

// The four Edit commands: the window's header, whose fields are
// remembered for a later run.
void ShowJobInformation(QWidget* owner, InfoFields& fields);
void ShowCableInformation(QWidget* owner, InfoFields& fields);
void ShowSystemInformation(QWidget* owner, InfoFields& fields);
void ShowTestInformation(QWidget* owner, InfoFields& fields);
