#pragma once

#include "data/InfoFields.h"

#include <QDialog>

#include <string>
#include <vector>

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

protected:
    CInfoDialog(const QString& caption, QWidget* parent);

    // Opens with the first field focused.
    void showEvent(QShowEvent* event) override;

    // A label and its edit at grid row `row`, label in column `column`, the
    // edit spanning `columnSpan` columns after it. Fields are added in reading
    // order, which the Tab key follows.
    QLineEdit* AddField(int row, int column, const QString& label, int id, int limit,
                        std::string InfoFields::*field, int columnSpan = 1);
    QLabel* AddLabel(int row, int column, const QString& text);

private:
    struct Binding
    {
        QLineEdit* edit;
        int id;
        std::string InfoFields::*field;
    };

    QGridLayout* m_Grid;
    QPushButton* m_Ok;
    QPushButton* m_Cancel;
    std::vector<Binding> m_Bindings;
};
