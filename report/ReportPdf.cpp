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

// What an archive keeps of the report (PDF/A-1b keeps it as XMP): its title,
// author (the company), subject and the time it was printed.
QByteArray ReportXmp(const ReportJob& job)
{
    const ReportOptions& options = job.Options();
    const QString title = job.Title();
    QString subject = title;
    if (!options.sourceFile.empty()) {
        const ReportLanguage::Use language(job.Language());
        subject = ReportText("Report", "%1 of %2")
                      .arg(title, QString::fromStdString(PrintableName(options.sourceFile)));
    }
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

// The writer dates the document by the clock; the report's own time of
// printing takes its place, in the same number of bytes, so that no offset
// in the file moves.
void DateCreation(QByteArray& pdf, const QDateTime& printedAt)
{
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    const QByteArray date =
        printedAt.toOffsetFromUtc(0).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    if (at < 0 || pdf.mid(at + key.size() + date.size() - 2, 2) != "Z)")
        return;
    pdf.replace(at + key.size(), date.size(), date);
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
        IdentifyByContent(pdf.bytes);
    }
    return pdf;
}
