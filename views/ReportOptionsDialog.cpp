#include "views/ReportOptionsDialog.h"

#include "platform/AppTitle.h"
#include "platform/ui/ProgramSettings.h"
#include "platform/ui/Prompts.h"
#include "report/ReportLogo.h"
#include "report/Translations.h"
#include "views/DialogFolders.h"
#include "views/DialogRunner.h"
#include "views/RecordText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
namespace Keys {
const QString Company = QStringLiteral("Report/Company");
const QString Logo = QStringLiteral("Report/Logo");
const QString Footer = QStringLiteral("Report/Footer");
const QString Summary = QStringLiteral("Report/SummaryPage");
const QString Names = QStringLiteral("Names/Encoding");
const QString Language = QStringLiteral("Report/Language");
const QString Signature = QStringLiteral("Report/Signature");
const QString Technician = QStringLiteral("Report/Technician");
const QString Reviewer = QStringLiteral("Report/Reviewer");
const QString InstrumentDates = QStringLiteral("Report/InstrumentDates");
} // namespace Keys

const QString LogoDialogKind = QStringLiteral("OpenLogo");

// The choices of the names box, in its order.
constexpr NameEncoding NameChoices[] = {NameEncoding::Automatic, NameEncoding::Utf8, NameEncoding::Gb18030,
                                        NameEncoding::Latin1};
const char* const NameChoiceTexts[] = {
    QT_TRANSLATE_NOOP("CReportOptionsDlg", "Automatic (UTF-8, else GB18030, else Latin-1)"), "UTF-8",
    "GB18030", "Latin-1"};
} // namespace

CReportOptionsDlg::CReportOptionsDlg(QWidget* parent)
    : QDialog(parent), m_Company(new QLineEdit(this)), m_Logo(new QLineEdit(this)),
      m_Footer(new QCheckBox(tr("Page footer: page numbers, date, file and cable"), this)),
      m_Summary(new QCheckBox(tr("Summary pages with the overall result first"), this)),
      m_Signature(new QCheckBox(tr("Signature block under the result"), this)),
      m_Technician(new QLineEdit(this)), m_Reviewer(new QLineEdit(this)),
      m_InstrumentDates(
          new QCheckBox(tr("Dates as the instrument shows them (day/month/year, AM/PM)"), this)),
      m_Names(new QComboBox(this)), m_Language(new QComboBox(this))
{
    setWindowTitle(tr("Report Options"));
    m_Company->setObjectName(QStringLiteral("company"));
    m_Company->setToolTip(tr("Printed in place of the maker's name at the head of the loss-test report"));
    m_Logo->setObjectName(QStringLiteral("logo"));
    m_Logo->setToolTip(tr("A PNG or SVG picture printed at the right of the report's title"));
    m_Footer->setObjectName(QStringLiteral("footer"));
    m_Summary->setObjectName(QStringLiteral("summaryPage"));
    m_Summary->setToolTip(tr("The loss-test report starts with pages that sum up its verdicts"));
    m_Signature->setObjectName(QStringLiteral("signature"));
    m_Signature->setToolTip(tr("Places for the technician and a reviewer to sign and date the report"));
    m_Technician->setObjectName(QStringLiteral("technician"));
    m_Technician->setToolTip(tr("Printed under the technician's signature line"));
    m_Reviewer->setObjectName(QStringLiteral("reviewer"));
    m_Reviewer->setToolTip(tr("Printed under the reviewer's signature line"));
    m_InstrumentDates->setObjectName(QStringLiteral("instrumentDates"));
    m_InstrumentDates->setToolTip(tr("Otherwise dates print as 2026-03-10 08:00:00 (ISO 8601)"));
    for (QLineEdit* name : {m_Technician, m_Reviewer})
        connect(m_Signature, &QCheckBox::toggled, name, &QWidget::setEnabled);
    m_Names->setObjectName(QStringLiteral("names"));
    m_Names->setToolTip(tr("How the cable and fiber names in the instrument's files are read"));
    for (const char* text : NameChoiceTexts)
        m_Names->addItem(tr(text));
    m_Language->setObjectName(QStringLiteral("language"));
    m_Language->setToolTip(tr("The language of the report's own texts, whatever the window speaks"));
    // Each language is named in itself.
    m_Language->addItem(QStringLiteral("English"), QString::fromLatin1(LanguageCodes[0]));
    m_Language->addItem(QStringLiteral("\u7B80\u4F53\u4E2D\u6587"), QString::fromLatin1(LanguageCodes[1]));
    m_Footer->setToolTip(tr("Every page ends with its number, the time of printing, the file and the cable"));

    auto* browse = new QPushButton(tr("Browse..."), this);
    browse->setToolTip(tr("Chooses the logo's file"));
    connect(browse, &QPushButton::clicked, this, &CReportOptionsDlg::ChooseLogo);
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(m_Logo);
    logoRow->addWidget(browse);

    // A row whose field is a layout gets no buddy from the form, so its
    // label is made here: otherwise it would show its "&".
    auto* logoLabel = new QLabel(tr("&Logo:"), this);
    logoLabel->setBuddy(m_Logo);
    auto* form = new QFormLayout;
    form->addRow(tr("&Company:"), m_Company);
    form->addRow(logoLabel, logoRow);
    form->addRow(QString(), m_Footer);
    form->addRow(QString(), m_Summary);
    form->addRow(QString(), m_Signature);
    form->addRow(tr("&Technician:"), m_Technician);
    form->addRow(tr("&Reviewer:"), m_Reviewer);
    form->addRow(QString(), m_InstrumentDates);
    form->addRow(tr("&Names read as:"), m_Names);
    form->addRow(tr("Report &language:"), m_Language);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CReportOptionsDlg::ChooseLogo()
{
    const std::optional<QString> chosen = Prompts::Current().OpenFile(
        this, tr("Pictures (*.png;*.svg)|*.png;*.svg|All Files (*)|*||"), LastFolder(LogoDialogKind));
    if (!chosen)
        return;
    RememberFolder(LogoDialogKind, *chosen);
    m_Logo->setText(*chosen);
}

void CReportOptionsDlg::LoadFrom(const ReportOptions& options, NameEncoding names)
{
    m_Company->setText(QString::fromStdString(options.company));
    m_Logo->setText(FromFileSystemPath(options.logoFile));
    m_Footer->setChecked(options.footer);
    m_Summary->setChecked(options.summaryPage);
    m_Signature->setChecked(options.signature);
    m_Technician->setText(QString::fromStdString(options.technician));
    m_Reviewer->setText(QString::fromStdString(options.reviewer));
    m_Technician->setEnabled(options.signature);
    m_Reviewer->setEnabled(options.signature);
    m_InstrumentDates->setChecked(options.instrumentDates);
    m_Language->setCurrentIndex(std::max(0, m_Language->findData(QString::fromStdString(options.language))));
    for (int i = 0; i < static_cast<int>(std::size(NameChoices)); ++i)
        if (NameChoices[i] == names)
            m_Names->setCurrentIndex(i);
}

bool CReportOptionsDlg::StoreTo(ReportOptions& options, NameEncoding& names)
{
    const std::string logo = ToFileSystemPath(m_Logo->text().trimmed());
    if (!logo.empty()) {
        const ReportLogo read = ReadReportLogo(logo);
        if (!read.image) {
            Prompts::Current().Message(this, tr("The logo cannot be used."), windowTitle(),
                                       MessageButtons::Ok, MessageIcon::Warning,
                                       QString::fromStdString(read.error));
            return false;
        }
    }
    options.company = m_Company->text().trimmed().toStdString();
    options.logoFile = logo;
    options.footer = m_Footer->isChecked();
    options.summaryPage = m_Summary->isChecked();
    options.signature = m_Signature->isChecked();
    options.technician = m_Technician->text().trimmed().toStdString();
    options.reviewer = m_Reviewer->text().trimmed().toStdString();
    options.instrumentDates = m_InstrumentDates->isChecked();
    options.language = m_Language->currentData().toString().toStdString();
    names = NameChoices[std::max(0, m_Names->currentIndex())];
    return true;
}

bool EditReportOptions(QWidget* owner, ReportOptions& options)
{
    CReportOptionsDlg dialog(owner);
    dialog.LoadFrom(options, NameEncodingInForce());
    NameEncoding names = NameEncodingInForce();
    // A logo that cannot be read brings the dialog back.
    do {
        if (RunDialog(dialog) != QDialog::Accepted)
            return false;
    } while (!dialog.StoreTo(options, names));
    SetNameEncoding(names);
    ProgramSettings& settings = ProgramSettings::Current();
    settings.SetValue(Keys::Company, QString::fromStdString(options.company));
    settings.SetValue(Keys::Logo, FromFileSystemPath(options.logoFile));
    settings.SetValue(Keys::Footer, options.footer);
    settings.SetValue(Keys::Summary, options.summaryPage);
    settings.SetValue(Keys::Signature, options.signature);
    settings.SetValue(Keys::Technician, QString::fromStdString(options.technician));
    settings.SetValue(Keys::Reviewer, QString::fromStdString(options.reviewer));
    settings.SetValue(Keys::InstrumentDates, options.instrumentDates);
    settings.SetValue(Keys::Language, QString::fromStdString(options.language));
    settings.SetValue(Keys::Names, QString::fromLatin1(NameEncodingWord(names)));
    return true;
}

ReportOptions RememberedReportOptions()
{
    const ProgramSettings& settings = ProgramSettings::Current();
    ReportOptions options;
    options.company = settings.Value(Keys::Company).toString().toStdString();
    options.logoFile = ToFileSystemPath(settings.Value(Keys::Logo).toString());
    const QVariant footer = settings.Value(Keys::Footer);
    if (footer.isValid())
        options.footer = footer.toBool();
    const QVariant summary = settings.Value(Keys::Summary);
    if (summary.isValid())
        options.summaryPage = summary.toBool();
    options.signature = settings.Value(Keys::Signature).toBool();
    options.technician = settings.Value(Keys::Technician).toString().toStdString();
    options.reviewer = settings.Value(Keys::Reviewer).toString().toStdString();
    options.instrumentDates = settings.Value(Keys::InstrumentDates).toBool();
    const QString language = settings.Value(Keys::Language).toString();
    if (IsLanguageCode(language))
        options.language = language.toStdString();
    return options;
}

void RestoreNameEncoding()
{
    const std::optional<NameEncoding> names =
        NameEncodingOfWord(ProgramSettings::Current().Value(Keys::Names).toString().toStdString());
    SetNameEncoding(names.value_or(NameEncoding::Automatic));
}

void ReadRememberedLogo(QWidget* owner, ReportOptions& options)
{
    options.logo = QImage();
    if (options.logoFile.empty())
        return;
    const ReportLogo read = ReadReportLogo(options.logoFile);
    if (read.image) {
        options.logo = *read.image;
        return;
    }
    const QString file = FromFileSystemPath(options.logoFile);
    options.logoFile.clear();
    ProgramSettings::Current().SetValue(Keys::Logo, QString());
    Prompts::Current().Message(
        owner,
        QCoreApplication::translate("CReportOptionsDlg",
                                    "The logo %1 can no longer be used; the reports are printed without it.")
            .arg(QDir::toNativeSeparators(file)),
        ApplicationTitle, MessageButtons::Ok, MessageIcon::Warning, QString::fromStdString(read.error));
}
