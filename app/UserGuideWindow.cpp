#include "app/UserGuideWindow.h"

#include "app/UserGuideFiles.h"

#include <QAction>
#include <QFileInfo>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

UserGuideWindow::UserGuideWindow(const QString& firstPage, QWidget* parent)
    : QWidget(parent, Qt::Window), m_Browser(new UserGuideBrowser(this))
{
    setWindowTitle(tr("KAV User Guide"));
    m_Browser->setObjectName("userGuideBrowser");
    m_Browser->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_Back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), m_Browser,
                            &QTextBrowser::backward);
    m_Back->setShortcut(QKeySequence::Back);
    m_Back->setToolTip(tr("Goes back to the page read before"));
    m_Forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), m_Browser,
                               &QTextBrowser::forward);
    m_Forward->setShortcut(QKeySequence::Forward);
    m_Forward->setToolTip(tr("Goes forward to the page left by Back"));
    m_Home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), m_Browser,
                            &QTextBrowser::home);
    m_Home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_Home->setToolTip(tr("Goes to the guide's first page"));
    m_Back->setEnabled(false);
    m_Forward->setEnabled(false);
    connect(m_Browser, &QTextBrowser::backwardAvailable, m_Back, &QAction::setEnabled);
    connect(m_Browser, &QTextBrowser::forwardAvailable, m_Forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_Browser, 1);
    resize(820, 700);

    m_Browser->setSource(QUrl::fromLocalFile(firstPage));
}

void UserGuideBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    if (!name.isLocalFile() || QFileInfo::exists(name.toLocalFile())) {
        QTextBrowser::doSetSource(name, type);
        return;
    }
    // The page's name, taken again from the English folder.
    QUrl english = QUrl::fromLocalFile(UserGuideFiles::PageFile(UserGuideFiles::Languages().constFirst(),
                                                                QFileInfo(name.toLocalFile()).fileName()));
    english.setFragment(name.fragment());
    QTextBrowser::doSetSource(english, type);
}
