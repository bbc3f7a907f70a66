#include "linux/udisks_eject.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QVariantMap>

namespace lumadisc {

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
// A drive that does not answer must not hold the user interface for long.
constexpr int kTimeoutMs = 3000;

bool succeeded(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
}

QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                  const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::systemBus().call(message, QDBus::Block, kTimeoutMs);
}

} // namespace

std::optional<bool> ejectWithUdisks(const std::string& node, bool mounted) {
    if (!QDBusConnection::systemBus().isConnected())
        return std::nullopt;
    const QVariantMap device{{QStringLiteral("path"), QString::fromStdString(node)}};
    const QDBusMessage resolved = call(QStringLiteral("/org/freedesktop/UDisks2/Manager"),
                                       QStringLiteral("org.freedesktop.UDisks2.Manager"),
                                       QStringLiteral("ResolveDevice"), {device, QVariantMap{}});
    if (!succeeded(resolved))
        return std::nullopt;
    const auto blocks = qdbus_cast<QList<QDBusObjectPath>>(resolved.arguments().first());
    if (blocks.isEmpty())
        return std::nullopt;
    const QString block = blocks.first().path();

    const QDBusMessage driveReply =
        call(block, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
             {QStringLiteral("org.freedesktop.UDisks2.Block"), QStringLiteral("Drive")});
    if (!succeeded(driveReply))
        return false;
    const QString drive = qdbus_cast<QDBusVariant>(driveReply.arguments().first())
                              .variant()
                              .value<QDBusObjectPath>()
                              .path();
    // "/" is UDisks2's way of saying the block device belongs to no drive.
    if (drive.isEmpty() || drive == QStringLiteral("/"))
        return false;

    if (mounted) {
        const QDBusMessage unmounted =
            call(block, QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
                 QStringLiteral("Unmount"), {QVariantMap{}});
        if (unmounted.type() != QDBusMessage::ReplyMessage)
            return false;
    }
    const QDBusMessage ejected = call(drive, QStringLiteral("org.freedesktop.UDisks2.Drive"),
                                      QStringLiteral("Eject"), {QVariantMap{}});
    return ejected.type() == QDBusMessage::ReplyMessage;
}

} // namespace lumadisc
