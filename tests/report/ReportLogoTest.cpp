#include "report/ReportLogo.h"
#include "tests/support/HangLimit.h"
#include "tests/support/ScratchFolder.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

// A logo is a picture of its file alone: no file, pipe, font or style sheet
// elsewhere is ever opened for it, and nothing in it can hang or exhaust the
// program. The report drawing it is ReportIdentityTest's.

namespace {
std::string Svg(const std::string& inside, const std::string& before = "")
{
    return before +
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           "width=\"200\" height=\"50\">" +
           inside + "</svg>";
}

std::string Base64Png(int width, int height)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(width, height, QImage::Format_RGB32).save(&buffer, "PNG");
    return png.toBase64().toStdString();
}

std::string Nested(int depth)
{
    std::string nested;
    for (int i = 0; i < depth; ++i)
        nested += "<g>";
    for (int i = 0; i < depth; ++i)
        nested += "</g>";
    return nested;
}
} // namespace

TEST(ReportLogoTest, ReadFromItsOwnBytesAloneWithinItsLimits)
{
    ScratchFolder dir;
    const std::string pipe = dir.File("pipe"), secret = dir.File("secret.png");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(secret));
    std::filesystem::create_directory(dir.File("folder.png"));
    QImage(LargestLogoSide, 1, QImage::Format_RGB32).save(QString::fromStdString(dir.File("widest.png")));
    QImage(LargestLogoSide + 1, 1, QImage::Format_RGB32).save(QString::fromStdString(dir.File("wider.png")));
    const std::string svgSvg =
        QByteArray::fromStdString(Svg("<image width=\"9\" height=\"9\" xlink:href=\"" + secret + "\"/>"))
            .toBase64()
            .toStdString();
    const struct
    {
        std::string name, bytes; // a file of these bytes, or the path `name` as it is when empty
        QSize read;              // the picture read; or refused, naming `refusal`
        std::string refusal;
    } logos[] = {
        // Drawn 400 pixels tall, its text with the GUI's fonts.
        {"text.svg", Svg("<text x=\"10\" y=\"40\" font-size=\"30\">ACME</text>"), QSize(200 * 400 / 50, 400),
         ""},
        {"picture-inside.svg",
         Svg("<image width=\"9\" height=\"9\" xlink:href=\"data:image/png;base64," + Base64Png(9, 9) +
             "\"/>"),
         QSize(1600, 400), ""},
        {"very-wide.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1000\" height=\"1\"/>",
         QSize(LargestLogoSide, LargestLogoSide / 1000), ""},
        {"widest.png", "", QSize(LargestLogoSide, 1), ""},
        {"wider.png", "", {}, "more than the 10,000 a side"},
        {"large.svg", Svg("<!--" + std::string(LargestLogoFile, ' ') + "-->"), {}, "larger than the 10 MB"},
        {pipe, "", {}, "named pipe"},
        {"/dev/zero", "", {}, "device"},
        {"folder.png", "", {}, "folder"},
        {"text.txt", "not a picture", {}, "not a PNG or SVG"},
        // References to anything outside the file, which is never opened.
        {"image.svg", Svg("<image width=\"9\" height=\"9\" xlink:href=\"" + secret + "\"/>"), {}, secret},
        {"above.svg", Svg("<image width=\"9\" height=\"9\" href=\"../secret.png\"/>"), {}, "../secret.png"},
        {"pipe.svg", Svg("<image width=\"9\" height=\"9\" xlink:href=\"" + pipe + "\"/>"), {}, pipe},
        {"svg-inside.svg",
         Svg("<image width=\"9\" height=\"9\" xlink:href=\"data:image/svg+xml;base64," + svgSvg + "\"/>"),
         {},
         "not a PNG or JPEG"},
        {"font.svg",
         Svg("<font-face><font-face-src><font-face-uri xlink:href=\"file:///f.svg\"/>"
             "</font-face-src></font-face>"),
         {},
         "file:///f.svg"},
        {"import.svg", Svg("<style>@import url(s.css);</style>"), {}, "imported"},
        {"fill.svg", Svg("<rect width=\"9\" height=\"9\" fill=\"url(" + pipe + "#g)\"/>"), {}, pipe},
        {"stylesheet.svg", Svg("", "<?xml-stylesheet href=\"s.css\"?>"), {}, "style sheet"},
        {"entity.svg",
         Svg("<text>&x;</text>", "<!DOCTYPE svg [<!ENTITY x SYSTEM \"" + secret + "\">]>"),
         {},
         "DOCTYPE"},
        // Drawing that would never end, or exhaust the stack.
        {"use.svg", Svg("<g id=\"a\"><use xlink:href=\"#a\"/></g>"), {}, "<use>"},
        {"gradients.svg",
         Svg("<linearGradient id=\"a\" xlink:href=\"#b\"/><linearGradient id=\"b\" "
             "xlink:href=\"#a\"/>"),
         {},
         "lead back"},
        {"deep.svg", Svg(Nested(300)), {}, "nested"},
    };
    for (const auto& logo : logos) {
        SCOPED_TRACE(logo.name);
        const std::string path = logo.bytes.empty() ? (logo.name[0] == '/' ? logo.name : dir.File(logo.name))
                                                    : dir.File(logo.name);
        if (!logo.bytes.empty())
            WriteBytes(path, logo.bytes);
        const HangLimit limit(5);
        const ReportLogo read = ReadReportLogo(path);
        if (logo.refusal.empty()) {
            ASSERT_TRUE(read.image) << read.error;
            EXPECT_EQ(read.image->size(), logo.read);
        } else {
            EXPECT_FALSE(read.image);
            EXPECT_NE(read.error.find(logo.refusal), std::string::npos) << read.error;
            EXPECT_EQ(read.error.find('\n'), std::string::npos) << read.error;
        }
    }
}
