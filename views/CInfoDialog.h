#pragma once

#include "data/InfoFields.h"

#include <QDialog>

#include <string>
#include <vector>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// A modal dialog of labelled single-line edits, each bound to one of the
// information fields. OK copies every edit back; Cancel changes nothing.
class CInfoDialog : public QDialog
{
    Q_OBJECT

public:
    // Puts each bound field's current text into its edit.
    void LoadFrom(const InfoFields& fields);
    // Copies every edit, unchanged ones included, into its field.
    void StoreTo(InfoFields& fields) const;

    // The edit with the given control id, for tests and the hidden field.
    QLineEdit* Edit(int id) const;

    // Adds "Save Header..." and "Load Header...": all twenty fields of the
    // report's header, with this dialog's edits, to a header file, and from
    // one into `fields` at once (this dialog's edits show what was loaded).
    // A file that cannot be used says why and changes nothing.
    void OfferHeaderFiles(InfoFields& fields);
    void SaveHeader();
    void LoadHeader();

protected:
    CInfoDialog(const QString& caption, QWidget* parent);

    // Opens with the first field focused.
    void showEvent(QShowEvent* event) override;

    // A label and its edit at grid row `row`, label in column `column`, the
    // edit spanning `columnSpan` columns after it. Fields are added in reading
    // order, which the Tab key follows.
    // The edit takes as many characters as the field does.
    QLineEdit* AddField(int row, int column, const QString& label, int id, std::string InfoFields::*field,
                        int columnSpan = 1);
    QLabel* AddLabel(int row, int column, const QString& text);

private:
    struct Binding
    {
        QLineEdit* edit;
        int id;
        std::string InfoFields::*field;
    };

    QGridLayout* m_Grid;
    QDialogButtonBox* m_Buttons;
    InfoFields* m_Fields = nullptr; // while header files are offered
    QPushButton* m_Ok;
    QPushButton* m_Cancel;
    std::vector<Binding> m_Bindings;
};
