#include "report/ReportLogo.h"

#include "platform/files/FileBytes.h"
#include "report/SvgLogoCheck.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace {
// An SVG has no size of its own worth printing: it is drawn this tall, or
// as wide as a logo may be when it is very wide.
constexpr int SvgHeight = 400;

ReportLogo Refused(std::string error)
{
    ReportLogo logo;
    logo.error = std::move(error);
    return logo;
}

std::string SizeText(const QSize& size)
{
    return std::to_string(size.width()) + " x " + std::to_string(size.height()) + " pixels";
}
} // namespace

ReportLogo ReadReportLogo(const std::string& path)
{
    const FileBytes file = ReadFileBytes(path, LargestLogoFile);
    if (!file.ok())
        return Refused(file.reason);
    if (file.overLimit)
        return Refused("larger than the 10 MB a logo may have");
    QByteArray bytes(reinterpret_cast<const char*>(file.bytes.data()),
                     static_cast<qsizetype>(file.bytes.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format == "svgz")
        return Refused("a compressed SVG; a logo is read from an SVG file of text");
    if (format != "png" && format != "svg")
        return Refused("not a PNG or SVG picture");
    // An SVG's size is known only once it is read as a drawing, which must
    // wait until it has been found safe to draw.
    if (format == "svg")
        if (const std::optional<std::string> problem = SvgLogoProblem(bytes))
            return Refused(*problem);
    const QSize size = reader.size();
    if (format == "png" && (size.width() > LargestLogoSide || size.height() > LargestLogoSide))
        return Refused(SizeText(size) + ", more than the 10,000 a side a logo may have");
    if (format == "svg") {
        if (size.isEmpty())
            return Refused("an SVG picture without a size");
        reader.setScaledSize(size.scaled(LargestLogoSide, SvgHeight, Qt::KeepAspectRatio));
    }
    const QImage read = reader.read();
    if (read.isNull())
        return Refused(reader.errorString().toStdString());
    QImage flat(read.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, read);
    painter.end();
    ReportLogo logo;
    logo.image = flat;
    return logo;
}
