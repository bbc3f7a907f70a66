#pragma once

#include <QFont>
#include <QString>

namespace lumadisc {

// The transport buttons' captions are glyphs of the "Webdings" font. Where that font is not
// installed, the same symbols are drawn from characters every desktop font has.
struct Glyph {
    QString text;
    QFont font;
};

Glyph glyphFor(const QString& caption, const QFont& base);

} // namespace lumadisc
