#include "ui/qml_skin_movie.h"

#include "core/failure.h"
#include "core/skin/movie_variables.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QMetaProperty>
#include <QQmlEngine>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStringList>
#include <QUrl>

#include <functional>

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

// Events reach the movie's scripts (a click runs its handler) inside event().
class GuardedQuickWidget : public QQuickWidget {
public:
    using QQuickWidget::QQuickWidget;
    ScriptWatchdog* watchdog = nullptr;
    std::function<void()> afterEvent;

protected:
    bool event(QEvent* event) override {
        if (!watchdog)
            return QQuickWidget::event(event);
        bool handled = false;
        {
            const ScriptWatchdog::Guard guard(*watchdog);
            handled = QQuickWidget::event(event);
        }
        afterEvent();
        return handled;
    }
};

} // namespace

QmlSkinMovie::QmlSkinMovie(QWidget* parent, std::chrono::milliseconds scriptLimit)
    : QObject(parent) {
    auto* widget = new GuardedQuickWidget(parent);
    m_widget = widget;
    // The root item has its own size; the window reads it through "_width"/"_height".
    m_widget->setResizeMode(QQuickWidget::SizeViewToRootObject);
    m_widget->setClearColor(Qt::black);
    m_watchdog = std::make_unique<ScriptWatchdog>(*m_widget->engine(), scriptLimit);
    widget->watchdog = m_watchdog.get();
    widget->afterEvent = [this] { reportIfBroken(); };
}

QmlSkinMovie::~QmlSkinMovie() {
    // The widget may outlive this object for a moment while its parent deletes its children.
    static_cast<GuardedQuickWidget*>(m_widget)->watchdog = nullptr;
}

std::string QmlSkinMovie::brokenMessage() const {
    return "The skin movie " + m_path +
           " is broken: a script of it did not return and was stopped.";
}

void QmlSkinMovie::reportIfBroken() {
    if (m_reported || !m_watchdog->struck())
        return;
    m_reported = true;
    const std::string message = brokenMessage();
    std::cerr << "Lumadisc: " << message << std::endl;
    // Not from inside the event or call that ran the script.
    QMetaObject::invokeMethod(
        this,
        [message] {
            QMessageBox::critical(nullptr, QStringLiteral("Lumadisc"),
                                  QString::fromStdString(message));
        },
        Qt::QueuedConnection);
}

void QmlSkinMovie::loadMovie(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        throw Failure("Cannot load the skin movie " + path + ": the file does not exist");

    m_properties.clear();
    m_path = path;
    {
        const ScriptWatchdog::Guard guard(*m_watchdog);
        m_widget->setSource(QUrl::fromLocalFile(file));
    }
    if (m_watchdog->struck()) {
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
    {
        // Writing runs the movie's change handlers.
        const ScriptWatchdog::Guard guard(*m_watchdog);
        property.write(target.owner, text);
    }
    reportIfBroken();
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
    {
        const ScriptWatchdog::Guard guard(*m_watchdog);
        m_widget->resize(width, height);
    }
    reportIfBroken();
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
