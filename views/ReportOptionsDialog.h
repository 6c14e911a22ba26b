#pragma once

#include "data/NameDecoding.h"
#include "report/ReportOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Report Options": the user's choices about every printed report (company,
// logo, footer, summary pages, signature block, the form of dates, language)
// and how the instrument's names are read, in
// one dialog that File > "Report Options..." and Print Setup open. The
// choices are remembered from one run to the next.
class CReportOptionsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CReportOptionsDlg(QWidget* parent = nullptr);

    void LoadFrom(const ReportOptions& options, NameEncoding names);
    // False, after saying why, when the logo chosen cannot be read.
    bool StoreTo(ReportOptions& options, NameEncoding& names);

    QLineEdit* CompanyEdit() const { return m_Company; }
    QLineEdit* LogoEdit() const { return m_Logo; }
    QCheckBox* FooterBox() const { return m_Footer; }
    QCheckBox* SummaryBox() const { return m_Summary; }
    QCheckBox* SignatureBox() const { return m_Signature; }
    QLineEdit* TechnicianEdit() const { return m_Technician; }
    QLineEdit* ReviewerEdit() const { return m_Reviewer; }
    QCheckBox* InstrumentDatesBox() const { return m_InstrumentDates; }
    QComboBox* NamesBox() const { return m_Names; }
    QComboBox* LanguageBox() const { return m_Language; }

private:
    void ChooseLogo();

    QLineEdit* m_Company;
    QLineEdit* m_Logo;
    QCheckBox* m_Footer;
    QCheckBox* m_Summary;
    QCheckBox* m_Signature;
    QLineEdit* m_Technician;
    QLineEdit* m_Reviewer;
    QCheckBox* m_InstrumentDates;
    QComboBox* m_Names;
    QComboBox* m_Language;
};

// Runs the dialog on `options` and the name encoding in force; on OK keeps
// both, for this run and the next. True when something was kept.
bool EditReportOptions(QWidget* owner, ReportOptions& options);

// What the user chose in an earlier run; the defaults before the first.
ReportOptions RememberedReportOptions();
// Reads the logo of `options` from its file for a print, preview or PDF. One
// that can no longer be used (moved, changed, replaced by a pipe) is
// dropped, from the options and for the next run, with a message that says
// why.
void ReadRememberedLogo(QWidget* owner, ReportOptions& options);
// The name encoding chosen in an earlier run, put in force.
void RestoreNameEncoding();
