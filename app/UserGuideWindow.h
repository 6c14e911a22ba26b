#pragma once

#include <QTextBrowser>
#include <QWidget>

class QAction;

// The user guide read inside the program: its pages with Back, Forward and
// Home. Links between pages stay in the window; a link to the web opens in
// the desktop's browser.
class UserGuideWindow : public QWidget
{
    Q_OBJECT

public:
    // Opens on `firstPage`, the file Home goes back to.
    explicit UserGuideWindow(const QString& firstPage, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_Browser; }
    QAction* BackAction() const { return m_Back; }
    QAction* ForwardAction() const { return m_Forward; }
    QAction* HomeAction() const { return m_Home; }

private:
    QTextBrowser* m_Browser;
    QAction* m_Back;
    QAction* m_Forward;
    QAction* m_Home;
};

// A browser that takes a page the reader's language lacks from the English
// guide instead of showing an empty page.
class UserGuideBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
};
