// The wallpaper of the desktops that keep it behind a service on the session bus.
#include "linux/desktop_wallpaper.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QUrl>
#include <QVariantMap>

namespace lumadisc {

namespace {

// A desktop that does not answer must not hold the user interface for long.
constexpr int kTimeoutMs = 3000;

QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kTimeoutMs);
}

// The image wallpaper's fill modes are those of a Qt Quick Image.
int plasmaFillMode(WallpaperStyle style) {
    switch (style) {
    case WallpaperStyle::Tile:
        return 3; // Tile
    case WallpaperStyle::Stretch:
        return 0; // Stretch
    case WallpaperStyle::Center:
        break;
    }
    return 6; // Pad: the picture at its own size, in the middle
}

// xfdesktop's image-style values.
int xfceImageStyle(WallpaperStyle style) {
    switch (style) {
    case WallpaperStyle::Tile:
        return 2;
    case WallpaperStyle::Stretch:
        return 3;
    case WallpaperStyle::Center:
        break;
    }
    return 1;
}

} // namespace

void setPlasmaWallpaper(const std::string& path, WallpaperStyle style) {
    // A fully encoded URI holds neither quotes nor backslashes, so it is safe inside the
    // script's string.
    const QString uri =
        QUrl::fromLocalFile(QString::fromStdString(path)).toString(QUrl::FullyEncoded);
    const QString script = QStringLiteral(R"(desktops().forEach(function (desktop) {
    desktop.wallpaperPlugin = "org.kde.image";
    desktop.currentConfigGroup = ["Wallpaper", "org.kde.image", "General"];
    desktop.writeConfig("Image", "%1");
    desktop.writeConfig("FillMode", %2);
});)")
                               .arg(uri)
                               .arg(plasmaFillMode(style));
    call(QStringLiteral("org.kde.plasmashell"), QStringLiteral("/PlasmaShell"),
         QStringLiteral("org.kde.PlasmaShell"), QStringLiteral("evaluateScript"), {script});
}

void setXfceBackdrop(const std::string& path, WallpaperStyle style) {
    const QString service = QStringLiteral("org.xfce.Xfconf");
    const QString object = QStringLiteral("/org/xfce/Xfconf");
    const QString channel = QStringLiteral("xfce4-desktop");
    const QDBusMessage properties =
        call(service, object, service, QStringLiteral("GetAllProperties"),
             {channel, QStringLiteral("/backdrop")});
    if (properties.type() != QDBusMessage::ReplyMessage || properties.arguments().isEmpty())
        return;
    // Each monitor and workspace keeps its picture in its own ".../last-image".
    const auto backdrop = qdbus_cast<QVariantMap>(properties.arguments().first());
    const QString lastImage = QStringLiteral("last-image");
    for (auto it = backdrop.keyBegin(); it != backdrop.keyEnd(); ++it) {
        if (!it->endsWith(QLatin1Char('/') + lastImage))
            continue;
        const QString place = it->chopped(lastImage.size());
        call(service, object, service, QStringLiteral("SetProperty"),
             {channel, *it, QVariant::fromValue(QDBusVariant(QString::fromStdString(path)))});
        call(service, object, service, QStringLiteral("SetProperty"),
             {channel, place + QStringLiteral("image-style"),
              QVariant::fromValue(QDBusVariant(xfceImageStyle(style)))});
    }
}

} // namespace lumadisc
