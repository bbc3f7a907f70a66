#pragma once

#include "core/skin/skin_movie.h"
#include "ui/script_watchdog.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QQuickItem;
class QQuickWidget;
class QWidget;

namespace lumadisc {

// A skin movie played from a QML file on disk. Variable paths map onto the QML tree ("_root.X"
// and "_level0.X" are properties of the root item, "_level0.name.text" the text of the item
// whose objectName is "name"); the root item's signal command(string, string) becomes the
// movie's command event. The movie and its widget are children of the parent widget. A script
// of the movie that the application's script watchdog stops reports the movie as broken.
class QmlSkinMovie : public QObject, public SkinMovie {
    Q_OBJECT

public:
    explicit QmlSkinMovie(QWidget* parent);
    ~QmlSkinMovie() override;

    QQuickWidget* widget() const { return m_widget; }

    void loadMovie(const std::string& path) override;
    void setVariable(const std::string& path, const std::string& value) override;
    std::string getVariable(const std::string& path) override;
    void setSize(int width, int height) override;

signals:
    // Once, after a script of the movie was stopped (and said on standard error); the movie
    // stays shown, its scripts stay stopped.
    void broken(const QString& message);

private slots:
    void onCommand(const QString& command, const QString& args);

private:
    struct Property {
        QPointer<QObject> owner;
        QByteArray name;
    };

    QQuickItem* root() const;
    void reportBroken();
    std::string brokenMessage() const;
    // The object and property a variable path names; owner is null for an unknown path.
    Property resolve(const std::string& path);

    QQuickWidget* m_widget;
    ScriptWatchdog& m_watchdog;
    std::string m_path;
    bool m_reported = false;
    // Resolved paths of the loaded movie; the status tick writes the same few paths 100 times a
    // second, so the tree is searched once per path.
    QHash<QString, Property> m_properties;
};

} // namespace lumadisc
