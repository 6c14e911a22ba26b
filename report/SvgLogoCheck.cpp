#include "report/SvgLogoCheck.h"

#include "platform/files/QuotedName.h"
#include "report/ReportLogo.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <QXmlStreamReader>

#include <vector>

namespace {
// Deeper nesting would be drawn by recursion as deep.
constexpr size_t DeepestNesting = 256;
// Parts drawn, each repetition by <use> counted: far more than any logo.
constexpr qint64 MostDrawnParts = 1000000;

std::string Quoted(QStringView text)
{
    return QuotedName(text.toString().toStdString());
}

// An element's or attribute's name without its prefix: the file may bind
// any prefix to a namespace.
QStringView LocalName(QStringView name)
{
    return name.mid(name.lastIndexOf(u':') + 1);
}

// A picture inside the file, as Qt's SVG drawing decodes it: the base64
// after the last "base64,".
std::optional<std::string> EmbeddedPictureProblem(QStringView uri)
{
    const QString mark = QStringLiteral("base64,");
    const qsizetype at = uri.lastIndexOf(mark);
    if (at < 0)
        return "a data: URI that is not base64";
    QByteArray bytes = QByteArray::fromBase64(uri.mid(at + mark.size()).toLatin1());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg")
        return "a picture inside it that is not a PNG or JPEG picture";
    const QSize size = reader.size();
    if (size.width() > LargestLogoSide || size.height() > LargestLogoSide)
        return "a picture inside it of more than 10,000 pixels a side";
    return std::nullopt;
}

// A reference: "#id" (given back in `part`) or a data: URI; nothing else.
std::optional<std::string> ReferenceProblem(QStringView value, QString& part)
{
    const QStringView reference = value.trimmed();
    if (reference.startsWith(u'#')) {
        part = reference.mid(1).toString();
        return std::nullopt;
    }
    if (reference.startsWith(u"data:", Qt::CaseInsensitive))
        return EmbeddedPictureProblem(reference);
    return "a reference to " + Quoted(reference) + ", outside the file";
}

// Every url(...) of a style or an attribute; CSS's @import.
std::optional<std::string> StyleProblem(QStringView text)
{
    if (text.contains(u"@import", Qt::CaseInsensitive))
        return "a style sheet imported from outside the file";
    const QString url = QStringLiteral("url(");
    for (qsizetype at = text.indexOf(url, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(url, at + url.size(), Qt::CaseInsensitive)) {
        const qsizetype end = text.indexOf(u')', at);
        QStringView inner = text.mid(at + url.size(), end < 0 ? -1 : end - at - url.size()).trimmed();
        if (inner.size() >= 2 && (inner.front() == u'"' || inner.front() == u'\'') &&
            inner.back() == inner.front())
            inner = inner.mid(1, inner.size() - 2);
        if (!inner.startsWith(u'#') && !inner.startsWith(u"data:", Qt::CaseInsensitive))
            return "a reference to " + Quoted(inner) + ", outside the file";
    }
    return std::nullopt;
}

// An element being read, and what it holds so far.
struct OpenPart
{
    QString name; // without a prefix
    QString id;
    qint64 parts = 1; // itself and everything in it
    bool holdsUse = false;
};

class SvgChecker
{
public:
    std::optional<std::string> Check(const QByteArray& svg)
    {
        QXmlStreamReader xml(svg);
        // As Qt's SVG drawing reads the file: names as written.
        xml.setNamespaceProcessing(false);
        while (!xml.atEnd()) {
            std::optional<std::string> problem;
            switch (xml.readNext()) {
            case QXmlStreamReader::DTD:
                if (!xml.entityDeclarations().isEmpty() || !xml.notationDeclarations().isEmpty() ||
                    xml.text().contains(u'['))
                    problem = "a DOCTYPE with declarations (entities) of its own";
                break;
            case QXmlStreamReader::EntityReference:
                problem = "the entity " + Quoted(xml.name());
                break;
            case QXmlStreamReader::ProcessingInstruction:
                if (xml.processingInstructionTarget() == u"xml-stylesheet")
                    problem = "a style sheet from outside the file";
                break;
            case QXmlStreamReader::StartElement:
                problem = Start(xml);
                break;
            case QXmlStreamReader::Characters:
                if (!m_Open.empty() && m_Open.back().name == u"style")
                    problem = StyleProblem(xml.text());
                break;
            case QXmlStreamReader::EndElement:
                End();
                break;
            default:
                break;
            }
            if (problem)
                return problem;
        }
        if (xml.hasError())
            return "not an SVG file that can be read: line " + std::to_string(xml.lineNumber()) + ": " +
                   xml.errorString().toStdString();
        return Repetitions();
    }

private:
    std::optional<std::string> Start(const QXmlStreamReader& xml)
    {
        if (m_Open.size() >= DeepestNesting)
            return "parts nested more than " + std::to_string(DeepestNesting) + " deep";
        OpenPart part{LocalName(xml.name()).toString(),
                      xml.attributes().value(QStringLiteral("id")).toString()};
        const bool use = part.name == u"use";
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            std::optional<std::string> problem;
            if (LocalName(attribute.name()) == u"href") {
                QString target;
                problem = ReferenceProblem(attribute.value(), target);
                if (use)
                    m_Used.push_back(target);
                if (!target.isEmpty() && !part.id.isEmpty())
                    m_ReferenceOf.insert(part.id, target);
            } else {
                problem = StyleProblem(attribute.value());
            }
            if (problem)
                return problem;
        }
        part.holdsUse = use;
        m_Open.push_back(std::move(part));
        return std::nullopt;
    }

    void End()
    {
        if (m_Open.empty())
            return;
        const OpenPart done = std::move(m_Open.back());
        m_Open.pop_back();
        if (!done.id.isEmpty())
            m_PartsOf.insert(done.id, done.parts);
        // A part that holds a <use> may not be repeated by another: nested
        // repetitions multiply, and one that holds itself never ends.
        if (done.holdsUse && !done.id.isEmpty())
            m_HoldingUse.insert(done.id);
        if (m_Open.empty()) {
            m_Drawn += done.parts;
        } else {
            m_Open.back().parts += done.parts;
            m_Open.back().holdsUse = m_Open.back().holdsUse || done.holdsUse;
        }
    }

    std::optional<std::string> Repetitions() const
    {
        qint64 drawn = m_Drawn;
        for (const QString& target : m_Used) {
            if (target.isEmpty())
                continue;
            if (m_HoldingUse.contains(target))
                return "a <use> of " + Quoted(target) + ", which holds a <use> itself";
            drawn += m_PartsOf.value(target, 0);
        }
        if (drawn > MostDrawnParts)
            return "more than " + std::to_string(MostDrawnParts) + " parts to draw";
        // Gradients and the like take what they lack from the part they
        // name, which may not lead back to them: each chain is followed
        // once, marking the parts on it.
        enum Mark
        {
            OnChain = 1,
            Followed
        };
        QHash<QString, int> marks;
        for (auto start = m_ReferenceOf.begin(); start != m_ReferenceOf.end(); ++start) {
            std::vector<QString> chain;
            for (QString at = start.key(); m_ReferenceOf.contains(at) && !marks.contains(at);
                 at = m_ReferenceOf.value(at)) {
                marks.insert(at, OnChain);
                chain.push_back(at);
                if (marks.value(m_ReferenceOf.value(at)) == OnChain)
                    return "references that lead back to " + Quoted(m_ReferenceOf.value(at));
            }
            for (const QString& part : chain)
                marks.insert(part, Followed);
        }
        return std::nullopt;
    }

    std::vector<OpenPart> m_Open;
    qint64 m_Drawn = 0;
    QHash<QString, qint64> m_PartsOf; // by id
    QSet<QString> m_HoldingUse;       // ids of parts that are or hold a <use>
    std::vector<QString> m_Used;      // what each <use> repeats
    QHash<QString, QString> m_ReferenceOf;
};
} // namespace

std::optional<std::string> SvgLogoProblem(const QByteArray& svg)
{
    return SvgChecker().Check(svg);
}
