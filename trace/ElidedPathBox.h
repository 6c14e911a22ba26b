#pragma once

#include <QFrame>
#include <QString>

// A path shown in a box of any width: whole when it fits, otherwise elided
// in the middle, so that both the folder's start and the file's name stay in
// sight; the tool tip holds it whole.
class ElidedPathBox : public QFrame
{
    Q_OBJECT

public:
    explicit ElidedPathBox(QWidget* parent = nullptr);

    void SetPath(const QString& path);
    QString Path() const { return m_Path; }
    // What the box shows at its present width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_Path;
};
