#include "ui/glyphs.h"

#include <QFontDatabase>
#include <QHash>

namespace lumadisc {

Glyph glyphFor(const QString& caption, const QFont& base) {
    static const bool hasWebdings = QFontDatabase::families().contains(QStringLiteral("Webdings"));
    if (hasWebdings) {
        QFont font = base;
        font.setFamily(QStringLiteral("Webdings"));
        return {caption, font};
    }
    static const QHash<QString, QString> symbols = {
        {QStringLiteral("4"), QStringLiteral("\u25B6")},       // play
        {QStringLiteral(";"), QStringLiteral("\u275A\u275A")}, // pause
        {QStringLiteral("<"), QStringLiteral("\u25A0")},       // stop
        {QStringLiteral("7"), QStringLiteral("\u25C0\u25C0")}, // back
        {QStringLiteral("8"), QStringLiteral("\u25B6\u25B6")}, // forward
        {QStringLiteral("U"), QStringLiteral("\u266A")},       // sound on
        {QStringLiteral("V"), QStringLiteral("\u2715")},       // muted
    };
    return {symbols.value(caption, caption), base};
}

} // namespace lumadisc
