#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

class QPaintDevice;

// Single lines of text shaped once for a font and a device and then drawn as
// glyphs: a report repeats its labels and many of its numbers on every page,
// and shaping costs more than drawing. One cache serves one print job.
class ShapedTextCache
{
public:
    struct Shaped
    {
        QList<QGlyphRun> runs; // positioned from the line's top-left corner
        qreal width = 0;
        qreal height = 0; // ascent and descent
    };

    const Shaped& Get(const QString& text, const QFont& font, QPaintDevice* device);

private:
    struct Key
    {
        QFont font;
        int dotsPerInch;
        QString text;
        bool operator==(const Key& other) const
        {
            return dotsPerInch == other.dotsPerInch && text == other.text && font == other.font;
        }
    };
    friend size_t qHash(const Key& key, size_t seed)
    {
        return qHashMulti(seed, key.font, key.dotsPerInch, key.text);
    }

    QHash<Key, Shaped> m_Shapes;
};
