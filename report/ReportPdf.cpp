#include "report/ReportPdf.h"

#include "data/PrintableName.h"
#include "platform/AppTitle.h"
#include "report/ReportJob.h"
#include "report/ReportOptions.h"
#include "report/ReportText.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cctype>

namespace {
// The resolution of a common laser printer: report coordinates map to whole
// pixels as they do on paper.
constexpr int PdfResolution = 600;

QString XmlText(const QString& text)
{
    return text.toHtmlEscaped();
}

// "KAV Report of cables.bin": what the report is about.
QString ReportSubject(const ReportJob& job)
{
    const ReportOptions& options = job.Options();
    if (options.sourceFile.empty())
        return job.Title();
    const ReportLanguage::Use language(job.Language());
    return ReportText("Report", "%1 of %2")
        .arg(job.Title(), QString::fromStdString(PrintableName(options.sourceFile)));
}

// What an archive keeps of the report (PDF/A-1b keeps it as XMP): its title,
// author (the company), subject and the time it was printed.
QByteArray ReportXmp(const ReportJob& job)
{
    const ReportOptions& options = job.Options();
    const QString title = job.Title();
    const QString subject = ReportSubject(job);
    const QString created =
        job.PrintedAt().toOffsetFromUtc(0).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
    const auto alternative = [](const char* element, const QString& text) {
        return QStringLiteral(
                   "      <dc:%1><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li></rdf:Alt></dc:%1>\n")
            .arg(QLatin1String(element), XmlText(text));
    };
    QString xmp = QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        "  <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "    <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n");
    xmp += alternative("title", title);
    xmp += alternative("description", subject);
    if (!options.company.empty())
        xmp += QStringLiteral("      <dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>\n")
                   .arg(XmlText(QString::fromStdString(PrintableName(options.company))));
    xmp +=
        QStringLiteral("    </rdf:Description>\n"
                       "    <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
                       "xmp:CreatorTool=\"%1\" xmp:CreateDate=\"%2\" xmp:ModifyDate=\"%2\"/>\n"
                       "    <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
                       "pdf:Producer=\"Qt %3\"/>\n"
                       "    <rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\" "
                       "pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>\n"
                       "  </rdf:RDF>\n"
                       "</x:xmpmeta>\n"
                       "<?xpacket end='w'?>")
            .arg(XmlText(QString::fromLatin1(MainCaption)), created, QLatin1String(qVersion()));
    return xmp.toUtf8();
}

// Replaces `removed` bytes at `at` by `inserted` in a document whose
// objects the cross-reference table finds by their offsets: the offsets of
// the objects after `at`, and the table's own start, move along.
void Splice(QByteArray& pdf, qsizetype at, qsizetype removed, const QByteArray& inserted)
{
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    const qsizetype startKey = pdf.lastIndexOf("startxref\n");
    if (xref < at || startKey < xref)
        return;
    const qsizetype delta = inserted.size() - removed;
    // Each entry of the table: ten digits of offset, then " 00000 n \n".
    const qsizetype firstEntry = pdf.indexOf('\n', pdf.indexOf('\n', xref + 6) + 1) + 1;
    for (qsizetype entry = firstEntry; entry + 20 <= pdf.size() && pdf.mid(entry + 10, 9) == " 00000 n ";
         entry += 20) {
        const qsizetype offset = pdf.mid(entry, 10).toLongLong();
        if (offset > at)
            pdf.replace(entry, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
    }
    const qsizetype start = startKey + 10;
    pdf.replace(start, pdf.indexOf('\n', start) - start, QByteArray::number(xref + 1 + delta));
    pdf.replace(at, removed, inserted);
}

// The writer dates the document by the clock, in the machine's zone; the
// report's own time of printing takes its place, in UTC as the XMP date, so
// that the same report is the same bytes in every zone.
void DateCreation(QByteArray& pdf, const QDateTime& printedAt)
{
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    const qsizetype end = at < 0 ? -1 : pdf.indexOf(')', at);
    if (end < 0)
        return;
    const qsizetype start = at + key.size();
    Splice(pdf, start, end - start,
           printedAt.toOffsetFromUtc(0).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z");
}

// A PDF text string: UTF-16 with its byte order mark, in hexadecimal.
QByteArray PdfText(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode() + 0x10000, 16).mid(1).toUpper();
    return hex + ">";
}

// The writer's document information has a title and a creator only; the
// subject and the author (the company), which the XMP already carries and
// PDF/A wants alike in both, go in before the creator.
void AddInfoEntries(QByteArray& pdf, const QString& subject, const QString& author)
{
    const qsizetype trailer = pdf.lastIndexOf("trailer\n");
    const qsizetype infoKey = trailer < 0 ? -1 : pdf.indexOf("/Info ", trailer);
    if (infoKey < 0)
        return;
    const QByteArray object = pdf.mid(infoKey + 6, pdf.indexOf(' ', infoKey + 6) - infoKey - 6);
    const qsizetype info = pdf.indexOf("\n" + object + " 0 obj");
    const qsizetype creator = info < 0 ? -1 : pdf.indexOf("/Creator ", info);
    if (creator < 0)
        return;
    QByteArray entries = "/Subject " + PdfText(subject) + "\n";
    if (!author.isEmpty())
        entries += "/Author " + PdfText(author) + "\n";
    Splice(pdf, creator, 0, entries);
}

// The writer names each document with a random identifier; one drawn from
// the document itself, in the same number of bytes, keeps it unique to what
// the file holds and lets the same report be made again byte for byte.
void IdentifyByContent(QByteArray& pdf)
{
    const QByteArray key = "/ID [ <";
    const qsizetype at = pdf.lastIndexOf(key);
    constexpr qsizetype HexDigits = 32;
    const QByteArray tail = "> <";
    if (at < 0 || pdf.mid(at + key.size() + HexDigits, tail.size()) != tail)
        return;
    const qsizetype first = at + key.size(), second = first + HexDigits + tail.size();
    pdf.replace(first, HexDigits, QByteArray(HexDigits, '0'));
    pdf.replace(second, HexDigits, QByteArray(HexDigits, '0'));
    const QByteArray id = QCryptographicHash::hash(pdf, QCryptographicHash::Md5).toHex();
    pdf.replace(first, HexDigits, id);
    pdf.replace(second, HexDigits, id);
}
} // namespace

QPageSize DefaultReportPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

std::optional<QPageSize> ReportPaperNamed(const std::string& name)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "a4")
        return QPageSize(QPageSize::A4);
    if (lower == "letter")
        return QPageSize(QPageSize::Letter);
    return std::nullopt;
}

ReportPdfResult ReportPdf(ReportJob& job, const QPageSize& paper, QPageLayout::Orientation orientation,
                          const PageProgress& progress)
{
    ReportPdfResult pdf;
    QBuffer buffer(&pdf.bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        const QMarginsF margins(ReportMarginInches, ReportMarginInches, ReportMarginInches,
                                ReportMarginInches);
        writer.setPageLayout(QPageLayout(paper, orientation, margins, QPageLayout::Inch));
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setTitle(job.Title());
        writer.setCreator(QString::fromLatin1(MainCaption));
        writer.setDocumentXmpMetadata(ReportXmp(job));
        QPainter painter;
        if (!painter.begin(&writer)) {
            pdf.result = PageLoopResult::Failed;
        } else {
            pdf.result = PrintReportPages(painter, writer, job, 1, job.PageCount(), progress);
            painter.end();
        }
    }
    if (pdf.result != PageLoopResult::Done)
        pdf.bytes.clear();
    else {
        DateCreation(pdf.bytes, job.PrintedAt());
        AddInfoEntries(pdf.bytes, ReportSubject(job),
                       QString::fromStdString(PrintableName(job.Options().company)));
        IdentifyByContent(pdf.bytes);
    }
    return pdf;
}
