#pragma once

#include <QObject>
#include <QString>

// The one document. The measurements live in the data store, so all the
// document keeps is its title; it never becomes modified.
class CKAVDoc : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // A new document is titled "KAV Application System".
    void OnNewDocument();
    const QString& Title() const { return m_Title; }

signals:
    void TitleChanged(const QString& title);

private:
    QString m_Title;
};
