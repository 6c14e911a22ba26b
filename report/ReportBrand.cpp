#include "report/ReportBrand.h"

#include <QImageReader>
#include <QPainter>

namespace {
// An SVG has no size of its own worth printing: it is drawn this tall.
constexpr int SvgHeight = 400;
} // namespace

ReportLogo ReadReportLogo(const std::string& path)
{
    ReportLogo logo;
    QImageReader reader(QString::fromStdString(path));
    const QByteArray format = reader.format();
    if (format != "png" && format != "svg") {
        logo.error = reader.canRead() ? "not a PNG or SVG picture" : reader.errorString().toStdString();
        return logo;
    }
    const QSize size = reader.size();
    if (format == "svg" && size.height() > 0)
        reader.setScaledSize(
            size.scaled(size.width() * SvgHeight / size.height() + 1, SvgHeight, Qt::KeepAspectRatio));
    const QImage read = reader.read();
    if (read.isNull()) {
        logo.error = reader.errorString().toStdString();
        return logo;
    }
    QImage flat(read.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, read);
    painter.end();
    logo.image = flat;
    return logo;
}
