#include "views/InfoDialogs.h"

#include "views/DialogRunner.h"
#include "views/ReportHeaderMemory.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
template <class Dialog> bool EditInformation(QWidget* owner, InfoFields& fields)
{
    Dialog dialog(owner);
    dialog.LoadFrom(fields);
    dialog.OfferHeaderFiles(fields);
    if (RunDialog(dialog) != QDialog::Accepted)
        return false;
    dialog.StoreTo(fields);
    return true;
}
} // namespace

CJobInfoDlg::CJobInfoDlg(QWidget* parent) : CInfoDialog(tr("Job Information"), parent)
{
    AddField(0, 0, tr("Job ID:"), 1057, &InfoFields::JobId);
    AddField(0, 2, tr("Date:"), 1063, &InfoFields::JobDate);
    // The reason is the one long field: it spans both columns.
    AddField(1, 0, tr("Reason:"), 1058, &InfoFields::Reason, 3);
    AddField(2, 0, tr("Contractor:"), 1059, &InfoFields::Contractor);
    AddField(2, 2, tr("Operator A:"), 1062, &InfoFields::OperatorA);
    AddField(3, 0, tr("Customer:"), 1060, &InfoFields::Customer);
    AddField(3, 2, tr("Operator B:"), 1051, &InfoFields::OperatorB);
    AddField(4, 0, tr("Custom job 1:"), 1061, &InfoFields::CustomJob1);
    AddField(4, 2, tr("Custom job 2:"), 1052, &InfoFields::CustomJob2);
}

CCableInfoDlg::CCableInfoDlg(QWidget* parent) : CInfoDialog(tr("Cable Information"), parent)
{
    AddField(0, 0, tr("Location A:"), 1017, &InfoFields::LocationA);
    AddField(0, 2, tr("Location B:"), 1048, &InfoFields::LocationB);
    AddField(1, 0, tr("Cable Mfr.:"), 1046, &InfoFields::CableMfr);
    AddField(1, 2, tr("Cable Type:"), 1049, &InfoFields::CableType);
    AddField(2, 0, tr("Custom cable 1:"), 1047, &InfoFields::CustomCable1);
    AddField(2, 2, tr("Custom cable 2:"), 1050, &InfoFields::CustomCable2);
    // Hidden: carried through the dialog but neither seen nor changed.
    QLineEdit* cableId = AddField(3, 0, QString(), 1064, &InfoFields::CableId);
    QLabel* cableIdLabel = AddLabel(3, 0, tr("Cable ID:"));
    cableIdLabel->setObjectName("labelCableId");
    cableIdLabel->hide();
    cableId->hide();
}

CSystemInfoDlg::CSystemInfoDlg(QWidget* parent) : CInfoDialog(tr("System Information"), parent)
{
    auto* unitA = AddLabel(0, 1, tr("Unit A"));
    auto* unitB = AddLabel(0, 2, tr("Unit B"));
    unitA->setAlignment(Qt::AlignCenter);
    unitB->setAlignment(Qt::AlignCenter);
    AddField(1, 0, tr("Unit Name:"), 1053, &InfoFields::UnitNameA);
    const QString unitBTip = tr("Printed in the report's header under \"Unit B\"");
    AddField(1, 1, QString(), 1054, &InfoFields::UnitNameB)->setToolTip(unitBTip);
    AddField(2, 0, tr("Serial Number:"), 1055, &InfoFields::SerialNumberA);
    AddField(2, 1, QString(), 1056, &InfoFields::SerialNumberB)->setToolTip(unitBTip);
}

bool EditHeaderGroup(QWidget* owner, HeaderGroup group, InfoFields& fields)
{
    switch (group) {
    case HeaderGroup::Job:
        return EditInformation<CJobInfoDlg>(owner, fields);
    case HeaderGroup::Cable:
        return EditInformation<CCableInfoDlg>(owner, fields);
    case HeaderGroup::Test:
        return EditInformation<CTestInfoDlg>(owner, fields);
    case HeaderGroup::System:
        break;
    }
    return EditInformation<CSystemInfoDlg>(owner, fields);
}

CTestInfoDlg::CTestInfoDlg(QWidget* parent) : CInfoDialog(tr("Test Information"), parent)
{
    QLineEdit* method = AddField(0, 0, tr("Reference (jumpers):"), 1065, &InfoFields::ReferenceMethod);
    method->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[123]")), method));
    method->setToolTip(tr("The reference method: 1, 2 or 3 jumpers"));
    AddField(0, 2, tr("Model:"), 1066, &InfoFields::InstrumentModel);
    AddField(1, 0, tr("Test cords:"), 1067, &InfoFields::TestCords, 3);
    AddField(2, 0, tr("Calibrated A:"), 1068, &InfoFields::CalibrationDateA);
    AddField(2, 2, tr("Calibrated B:"), 1069, &InfoFields::CalibrationDateB);
    AddField(3, 0, tr("Firmware:"), 1070, &InfoFields::Firmware);
}

void ShowJobInformation(QWidget* owner, InfoFields& fields)
{
    EditHeaderGroup(owner, HeaderGroup::Job, fields);
    RememberReportHeader(fields);
}

void ShowCableInformation(QWidget* owner, InfoFields& fields)
{
    EditHeaderGroup(owner, HeaderGroup::Cable, fields);
    RememberReportHeader(fields);
}

void ShowSystemInformation(QWidget* owner, InfoFields& fields)
{
    EditHeaderGroup(owner, HeaderGroup::System, fields);
    RememberReportHeader(fields);
}

void ShowTestInformation(QWidget* owner, InfoFields& fields)
{
    EditHeaderGroup(owner, HeaderGroup::Test, fields);
    RememberReportHeader(fields);
}
