#include "ui/qml_skin_movie.h"

#include "core/failure.h"
#include "core/skin/movie_variables.h"
#include "ui/application.h"

#include <QFileInfo>
#include <QMetaProperty>
#include <QQmlEngine>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStringList>
#include <QUrl>

#include <iostream>

namespace lumadisc {

namespace {

const QString dragCommand = QStringLiteral("ID_FS_drag");

// "_root.X" and "_level0.X" are two spellings of the same movie; returns what follows the
// prefix, or an empty string for a path outside the movie.
QString stripLevel(const QString& path) {
    for (const auto& prefix : {QStringLiteral("_root."), QStringLiteral("_level0.")}) {
        if (path.startsWith(prefix))
            return path.mid(prefix.size());
    }
    return {};
}

// QML property names cannot begin with an upper-case letter, so a variable such as
// "_root.KnobPosition" names the property knobPosition.
QByteArray propertyName(QString variable) {
    if (!variable.isEmpty())
        variable[0] = variable[0].toLower();
    return variable.toUtf8();
}

// Depth first through the visual tree, so items made by a Repeater are found as well.
QQuickItem* findNamedItem(QQuickItem* item, const QString& name) {
    for (QQuickItem* child : item->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem* inner = findNamedItem(child, name))
            return inner;
    }
    return nullptr;
}

} // namespace

QmlSkinMovie::QmlSkinMovie(QWidget* parent)
    : QObject(parent), m_widget(new QQuickWidget(parent)),
      m_watchdog(Application::instance().scriptWatchdog()) {
    // The root item has its own size; the window reads it through "_width"/"_height".
    m_widget->setResizeMode(QQuickWidget::SizeViewToRootObject);
    m_widget->setClearColor(Qt::black);
    // Told on the watchdog's thread; said here once the user-interface thread is free again.
    m_watchdog.watch(*m_widget->engine(), [this] {
        QMetaObject::invokeMethod(this, &QmlSkinMovie::reportBroken, Qt::QueuedConnection);
    });
}

QmlSkinMovie::~QmlSkinMovie() {
    // Before the engine goes: this object, made first, is the first child its parent deletes.
    m_watchdog.unwatch(*m_widget->engine());
}

std::string QmlSkinMovie::brokenMessage() const {
    return "The skin movie " + m_path +
           " is broken: a script of it did not return and was stopped.";
}

void QmlSkinMovie::reportBroken() {
    if (m_reported)
        return;
    m_reported = true;
    const std::string message = brokenMessage();
    std::cerr << "Lumadisc: " << message << std::endl;
    emit broken(QString::fromStdString(message));
}

void QmlSkinMovie::loadMovie(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        throw Failure("Cannot load the skin movie " + path + ": the file does not exist");

    m_properties.clear();
    m_path = path;
    {
        const ScriptWatchdog::Guard guard(m_watchdog, m_widget->engine());
        m_widget->setSource(QUrl::fromLocalFile(file));
    }
    if (m_watchdog.struck(*m_widget->engine())) {
        m_reported = true;
        throw Failure(brokenMessage());
    }
    if (m_widget->status() != QQuickWidget::Ready || !root()) {
        QStringList errors;
        for (const QQmlError& error : m_widget->errors())
            errors << error.toString();
        if (errors.isEmpty())
            errors << QStringLiteral("the movie did not load");
        throw Failure("Cannot load the skin movie " + path + ": " +
                      errors.join(QStringLiteral("; ")).toStdString());
    }
    if (root()->metaObject()->indexOfSignal("command(QString,QString)") < 0)
        throw Failure("Cannot load the skin movie " + path +
                      ": its root item declares no signal command(string command, string args)");
    connect(root(), SIGNAL(command(QString, QString)), this, SLOT(onCommand(QString, QString)));
}

void QmlSkinMovie::setVariable(const std::string& path, const std::string& value) {
    const Property target = resolve(path);
    if (!target.owner)
        return;
    const QMetaObject* meta = target.owner->metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty(target.name));
    const QString text = QString::fromStdString(value);
    // The status tick writes the same values 100 times a second. QML's own properties ignore
    // an equal value, but a property of a C++ item need not, and the read is cheap.
    if (!property.isWritable() || property.read(target.owner).toString() == text)
        return;
    // Writing runs the movie's change handlers.
    const ScriptWatchdog::Guard guard(m_watchdog, m_widget->engine());
    property.write(target.owner, text);
}

std::string QmlSkinMovie::getVariable(const std::string& path) {
    QQuickItem* item = root();
    if (item && path == movievar::width)
        return std::to_string(qRound(item->width()));
    if (item && path == movievar::height)
        return std::to_string(qRound(item->height()));
    const Property target = resolve(path);
    if (!target.owner)
        return {};
    return target.owner->property(target.name.constData()).toString().toStdString();
}

void QmlSkinMovie::setSize(int width, int height) {
    const ScriptWatchdog::Guard guard(m_watchdog, m_widget->engine());
    m_widget->resize(width, height);
}

void QmlSkinMovie::onCommand(const QString& command, const QString& args) {
    // A drag must start while the button is still down, so the window system can take over the
    // move; everything else reaches the program after the skin's own event handling is done.
    if (command == dragCommand) {
        raiseCommand(command.toStdString(), args.toStdString());
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, command = command.toStdString(), args = args.toStdString()] {
            raiseCommand(command, args);
        },
        Qt::QueuedConnection);
}

QQuickItem* QmlSkinMovie::root() const {
    return m_widget->rootObject();
}

QmlSkinMovie::Property QmlSkinMovie::resolve(const std::string& path) {
    QQuickItem* item = root();
    if (!item)
        return {};
    const QString key = QString::fromStdString(path);
    if (auto cached = m_properties.constFind(key); cached != m_properties.cend() && cached->owner)
        return *cached;

    const QStringList parts = stripLevel(key).split(QLatin1Char('.'));
    Property found;
    if (parts.size() == 1)
        found = {item, propertyName(parts[0])};
    else if (parts.size() == 2)
        found = {findNamedItem(item, parts[0]), propertyName(parts[1])};
    if (!found.owner || found.name.isEmpty() ||
        found.owner->metaObject()->indexOfProperty(found.name) < 0)
        return {};
    m_properties.insert(key, found);
    return found;
}

} // namespace lumadisc
