#include "views/ReportOptionsDialog.h"

#include "platform/ui/ProgramSettings.h"
#include "platform/ui/Prompts.h"
#include "report/ReportBrand.h"
#include "views/DialogFolders.h"
#include "views/DialogRunner.h"
#include "views/RecordText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
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
} // namespace Keys

const QString LogoDialogKind = QStringLiteral("OpenLogo");

// The choices of the names box, in its order.
constexpr NameEncoding NameChoices[] = {NameEncoding::Automatic, NameEncoding::Utf8, NameEncoding::Gb18030,
                                        NameEncoding::Latin1};
const char* const NameChoiceTexts[] = {"Automatic (UTF-8, else GB18030, else Latin-1)", "UTF-8", "GB18030",
                                       "Latin-1"};
} // namespace

CReportOptionsDlg::CReportOptionsDlg(QWidget* parent)
    : QDialog(parent), m_Company(new QLineEdit(this)), m_Logo(new QLineEdit(this)),
      m_Footer(new QCheckBox(QStringLiteral("Page footer: page numbers, date, file and cable"), this)),
      m_Summary(new QCheckBox(QStringLiteral("Summary page"), this)), m_Names(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Report Options"));
    m_Company->setObjectName(QStringLiteral("company"));
    m_Company->setToolTip(
        QStringLiteral("Printed in place of the maker's name at the head of the loss-test report"));
    m_Logo->setObjectName(QStringLiteral("logo"));
    m_Logo->setToolTip(QStringLiteral("A PNG or SVG picture printed at the right of the report's title"));
    m_Footer->setObjectName(QStringLiteral("footer"));
    m_Summary->setObjectName(QStringLiteral("summaryPage"));
    m_Summary->setToolTip(QStringLiteral("The loss-test report ends with a page that sums up its verdicts"));
    m_Names->setObjectName(QStringLiteral("names"));
    m_Names->setToolTip(QStringLiteral("How the cable and fiber names in the instrument's files are read"));
    for (const char* text : NameChoiceTexts)
        m_Names->addItem(QString::fromLatin1(text));

    auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
    browse->setToolTip(QStringLiteral("Chooses the logo's file"));
    connect(browse, &QPushButton::clicked, this, &CReportOptionsDlg::ChooseLogo);
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(m_Logo);
    logoRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Company:"), m_Company);
    form->addRow(QStringLiteral("&Logo:"), logoRow);
    form->addRow(QString(), m_Footer);
    form->addRow(QString(), m_Summary);
    form->addRow(QStringLiteral("&Names read as:"), m_Names);

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
        this, QStringLiteral("Pictures (*.png;*.svg)|*.png;*.svg|All Files (*)|*||"),
        LastFolder(LogoDialogKind));
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
            Prompts::Current().Message(this, QStringLiteral("The logo cannot be used."), windowTitle(),
                                       MessageButtons::Ok, MessageIcon::Warning,
                                       QString::fromStdString(read.error));
            return false;
        }
    }
    options.company = m_Company->text().trimmed().toStdString();
    options.logoFile = logo;
    options.footer = m_Footer->isChecked();
    options.summaryPage = m_Summary->isChecked();
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
    return options;
}

void RestoreNameEncoding()
{
    const std::optional<NameEncoding> names =
        NameEncodingOfWord(ProgramSettings::Current().Value(Keys::Names).toString().toStdString());
    SetNameEncoding(names.value_or(NameEncoding::Automatic));
}
