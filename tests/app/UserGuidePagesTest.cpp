#include "app/UserGuideFiles.h"
#include "app/UserGuideWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

// The guide as it is shipped: both languages have the same pages, every page
// can be reached from the first, and every link and picture on a page, as
// the guide's browser reads them, leads to a file that exists.
class UserGuidePagesTest : public QObject
{
    Q_OBJECT

private:
    static QDir SourceGuide() { return QDir(qEnvironmentVariable("KAV_SOURCE_DIR") + "/docs/guide"); }

    static QSet<QString> PageNames(const QString& language)
    {
        const QStringList names = QDir(SourceGuide().filePath(language)).entryList({"*.html"}, QDir::Files);
        return QSet<QString>(names.begin(), names.end());
    }

    struct PageReferences
    {
        QStringList links;    // anchors' targets, as written
        QStringList pictures; // images' names, as written
    };

    static PageReferences References(const QTextDocument& document)
    {
        PageReferences found;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                if (format.isImageFormat())
                    found.pictures << format.toImageFormat().name();
                else if (format.isAnchor() && !found.links.contains(format.anchorHref()))
                    found.links << format.anchorHref();
            }
        }
        return found;
    }

private slots:
    void everyPageIsReachedAndEveryLinkAndPictureLeadsToAFile()
    {
        // A program run from the build tree finds the guide as written.
        QCOMPARE(QFileInfo(UserGuideFiles::Folder()).canonicalFilePath(), SourceGuide().canonicalPath());
        const QSet<QString> english = PageNames("en");
        QVERIFY2(english.size() >= 8, "a first page and a page per task");
        for (const QString& language : UserGuideFiles::Languages()) {
            QCOMPARE(PageNames(language), english);
            const QDir folder(SourceGuide().filePath(language));
            QSet<QString> reached{folder.filePath("index.html")};
            QStringList due{folder.filePath("index.html")};
            while (!due.isEmpty()) {
                const QString page = due.takeFirst();
                UserGuideBrowser browser;
                browser.setSource(QUrl::fromLocalFile(page));
                QVERIFY2(!browser.document()->isEmpty(), qPrintable(page));
                const PageReferences references = References(*browser.document());
                QVERIFY2(!references.links.isEmpty(), qPrintable(page + ": no link"));
                for (const QString& link : references.links) {
                    const QUrl target = browser.source().resolved(QUrl(link));
                    if (!target.isLocalFile() && !target.scheme().isEmpty())
                        continue; // the web, opened by the desktop's browser
                    const QString file = target.toLocalFile();
                    QVERIFY2(QFileInfo(file).isFile(), qPrintable(page + ": link " + link));
                    // A page links within its own language.
                    QCOMPARE(QFileInfo(file).absolutePath(), folder.absolutePath());
                    if (!reached.contains(file)) {
                        reached << file;
                        due << file;
                    }
                }
                for (const QString& picture : references.pictures) {
                    const QString file = browser.source().resolved(QUrl(picture)).toLocalFile();
                    QVERIFY2(QFileInfo(file).isFile(), qPrintable(page + ": picture " + picture));
                    QVERIFY2(!browser.loadResource(QTextDocument::ImageResource, QUrl(picture)).isNull(),
                             qPrintable(page + ": picture " + picture));
                }
            }
            // No page is left that the reader cannot come to from the first.
            QCOMPARE(reached.size(), english.size());
        }
    }
};

QTEST_MAIN(UserGuidePagesTest)
#include "UserGuidePagesTest.moc"
