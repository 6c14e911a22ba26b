#pragma once

#include <QByteArray>

#include <optional>
#include <string>

// What keeps an SVG file from being drawn as a report's logo, in one line,
// or nothing. A logo is drawn from its own bytes alone: a reference (href,
// url()) names a part of the same file ("#id") or holds its picture itself
// (a data: URI of a PNG or JPEG picture no larger than a logo), never a file,
// a font, a style sheet or anything else elsewhere; no DOCTYPE declares
// entities. Parts nested, repeated or referring to each other so that
// drawing them would never end, or exhaust the program, are refused too.
// The bytes are read the way Qt's SVG drawing reads them.
std::optional<std::string> SvgLogoProblem(const QByteArray& svg);
