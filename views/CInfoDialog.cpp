#include "views/CInfoDialog.h"

#include "data/HeaderFile.h"
#include "platform/ui/Prompts.h"
#include "views/DialogFolders.h"
#include "views/Messages.h"
#include "views/RecordText.h"
#include "views/SaveTarget.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const HeaderFileFilter =
    QT_TRANSLATE_NOOP("CInfoDialog", "Report Header(*.kavheader)|*.kavheader|All Files (*)|*||");
const QString OpenHeaderDialogKind = QStringLiteral("OpenKAVHEADER");
} // namespace

CInfoDialog::CInfoDialog(const QString& caption, QWidget* parent) : QDialog(parent), m_Grid(new QGridLayout)
{
    setWindowTitle(caption);
    m_Grid->setHorizontalSpacing(10);
    m_Grid->setVerticalSpacing(8);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_Buttons = buttons;
    m_Ok = buttons->button(QDialogButtonBox::Ok);
    m_Cancel = buttons->button(QDialogButtonBox::Cancel);
    // Enter in any field means OK.
    m_Ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_Grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
}

QLabel* CInfoDialog::AddLabel(int row, int column, const QString& text)
{
    auto* label = new QLabel(text, this);
    m_Grid->addWidget(label, row, column);
    return label;
}

QLineEdit* CInfoDialog::AddField(int row, int column, const QString& label, int id,
                                 std::string InfoFields::*field, int columnSpan)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("edit%1").arg(id));
    edit->setMaxLength(InfoFieldLimit(field));
    edit->setMinimumWidth(150);
    if (!label.isEmpty()) {
        AddLabel(row, column, label)->setBuddy(edit);
        edit->setToolTip(tr("Printed in the report's header after \"%1\"").arg(label));
    }
    m_Grid->addWidget(edit, row, column + 1, 1, columnSpan);
    m_Bindings.push_back({edit, id, field});
    return edit;
}

void CInfoDialog::showEvent(QShowEvent* event)
{
    // The user types at once: the fields come first, in the order they were
    // added (row by row, left to right), then OK, then Cancel.
    QWidget* previous = nullptr;
    QLineEdit* first = nullptr;
    for (const Binding& binding : m_Bindings) {
        if (previous)
            setTabOrder(previous, binding.edit);
        previous = binding.edit;
        if (!first && !binding.edit->isHidden())
            first = binding.edit;
    }
    if (previous)
        setTabOrder(previous, m_Ok);
    setTabOrder(m_Ok, m_Cancel);
    if (first)
        first->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

QLineEdit* CInfoDialog::Edit(int id) const
{
    for (const Binding& binding : m_Bindings)
        if (binding.id == id)
            return binding.edit;
    return nullptr;
}

void CInfoDialog::LoadFrom(const InfoFields& fields)
{
    for (const Binding& binding : m_Bindings)
        binding.edit->setText(QString::fromStdString(fields.*binding.field));
}

void CInfoDialog::StoreTo(InfoFields& fields) const
{
    for (const Binding& binding : m_Bindings)
        fields.*binding.field = binding.edit->text().toStdString();
}

void CInfoDialog::OfferHeaderFiles(InfoFields& fields)
{
    m_Fields = &fields;
    QPushButton* save = m_Buttons->addButton(tr("Save Header..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveHeader"));
    save->setToolTip(tr("Saves the job, cable and system information to a header file"));
    QPushButton* load = m_Buttons->addButton(tr("Load Header..."), QDialogButtonBox::ActionRole);
    load->setObjectName(QStringLiteral("loadHeader"));
    load->setToolTip(tr("Fills the job, cable and system information from a header file"));
    // Neither closes the dialog.
    save->setAutoDefault(false);
    load->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &CInfoDialog::SaveHeader);
    connect(load, &QPushButton::clicked, this, &CInfoDialog::LoadHeader);
}

void CInfoDialog::SaveHeader()
{
    if (!m_Fields)
        return;
    InfoFields fields = *m_Fields;
    StoreTo(fields);
    const std::optional<std::string> target =
        ChooseSaveTarget(this, tr(HeaderFileFilter), OutputKind::ReportHeader);
    if (target)
        ReportDocumentWriteResult(this, SaveHeaderFile(*target, fields));
}

void CInfoDialog::LoadHeader()
{
    if (!m_Fields)
        return;
    const QString dialogKind = OpenHeaderDialogKind;
    const std::optional<QString> chosen =
        Prompts::Current().OpenFile(this, tr(HeaderFileFilter), LastFolder(dialogKind));
    if (!chosen)
        return;
    RememberFolder(dialogKind, *chosen);
    const HeaderFileResult read = ReadHeaderFile(ToFileSystemPath(*chosen));
    if (!read.fields) {
        Prompts::Current().Message(this, tr("%1 is not a report header.").arg(*chosen), windowTitle(),
                                   MessageButtons::Ok, MessageIcon::Warning,
                                   QString::fromStdString(read.error));
        return;
    }
    *m_Fields = *read.fields;
    LoadFrom(*m_Fields);
}
