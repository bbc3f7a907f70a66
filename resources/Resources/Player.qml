import QtQuick

// The Lumadisc player skin behind the main window. Layout contract with the window:
//   y   0..284  video stage: the window's video widget covers it, so nothing to see here;
//   y 284..330  title bar: disc title and position knob, the rest of it drags the window;
//   y 330..400  the window's own controls lie on this panel: paint only, no mouse areas.
Rectangle {
    id: root

    signal command(string command, string args)

    // Written by the program: the disc title, the playing position 0..100 (as text) and where
    // the title's chapters after the first begin, as fractions of its length ("0.5,0.75").
    property string filename: "Lumadisc"
    property string knobPosition: "0"
    property string chapterMarks: ""

    readonly property color accent: "#4aa8f0"

    width: 385
    height: 400
    color: "#050608"

    // Stage, seen only for a moment before the video widget covers it.
    Item {
        width: parent.width
        height: 284
        SkinIcon {
            anchors.centerIn: parent
            width: 64
            height: 64
            name: "disc"
            color: "#14181e"
        }
    }

    // Title bar.
    Rectangle {
        id: titleBar
        y: 284
        width: parent.width
        height: 46
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#2f353e" }
            GradientStop { position: 0.4; color: "#242930" }
            GradientStop { position: 1.0; color: "#1b1f25" }
        }

        MouseArea {
            objectName: "dragArea"
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton
            onPressed: root.command("ID_FS_drag", "")
        }

        Rectangle { width: parent.width; height: 1; color: "#4a525e" }

        SkinIcon {
            x: 12
            y: 6
            width: 14
            height: 14
            name: "disc"
            color: root.accent
        }
        Text {
            objectName: "filename"
            x: 32
            y: 5
            width: parent.width - 44
            text: root.filename
            color: "#e4eaf2"
            font.family: "DejaVu Sans"
            font.pixelSize: 12
            font.bold: true
            elide: Text.ElideRight
        }

        // Position track. The knob follows knobPosition, rounded to whole pixels so that the
        // program's frequent writes repaint nothing while the knob stays put; while the user
        // holds it, it follows the pointer only.
        Item {
            id: track
            objectName: "knobTrack"
            x: 12
            y: 24
            width: parent.width - 24
            height: 18

            readonly property real travel: width - knob.width
            readonly property real position: {
                var value = Number(root.knobPosition)
                return isNaN(value) ? 0 : Math.max(0, Math.min(100, value))
            }
            property bool dragging: false
            property real dragX: 0

            Rectangle {
                id: groove
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width
                height: 6
                radius: 3
                border.width: 1
                border.color: "#0c0e11"
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#0b0d10" }
                    GradientStop { position: 1.0; color: "#1c2127" }
                }
            }
            // A mark stands where the knob's centre is when the chapter begins; what is not a
            // fraction inside the title is left out.
            Repeater {
                model: root.chapterMarks.split(",").map(Number).filter(
                           fraction => fraction > 0 && fraction < 1)
                Rectangle {
                    required property real modelData
                    objectName: "chapterMark"
                    x: Math.round(knob.width / 2 + modelData * track.travel) - 1
                    anchors.verticalCenter: parent.verticalCenter
                    width: 2
                    height: 12
                    radius: 1
                    color: "#8fa3b6"
                }
            }
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                x: 1
                width: Math.max(0, knob.x + knob.width / 2 - 1)
                height: 4
                radius: 2
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#7ccbff" }
                    GradientStop { position: 1.0; color: "#2a86d6" }
                }
            }
            Rectangle {
                id: knob
                objectName: "knob"
                x: track.dragging ? track.dragX : Math.round(track.position / 100 * track.travel)
                anchors.verticalCenter: parent.verticalCenter
                width: 14
                height: 14
                radius: 7
                border.width: 1
                border.color: seek.containsMouse || track.dragging ? root.accent : "#0e1115"
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#ffffff" }
                    GradientStop { position: 1.0; color: "#aeb7c3" }
                }
                Rectangle {
                    anchors.centerIn: parent
                    width: 4
                    height: 4
                    radius: 2
                    color: track.dragging ? root.accent : "#6f7a88"
                }
            }

            MouseArea {
                id: seek
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor

                // Where the pointer holds the knob: the grabbed point, or its centre when the
                // press landed elsewhere on the track (the knob jumps there).
                property real grab: 0

                function follow(pointerX) {
                    track.dragX = Math.round(Math.max(0, Math.min(track.travel, pointerX - grab)))
                }

                onPressed: mouse => {
                    var onKnob = mouse.x >= knob.x && mouse.x < knob.x + knob.width
                    grab = onKnob ? mouse.x - knob.x : knob.width / 2
                    follow(mouse.x)
                    track.dragging = true
                }
                onPositionChanged: mouse => {
                    if (track.dragging)
                        follow(mouse.x)
                }
                onReleased: {
                    var percent = track.travel > 0 ? track.dragX / track.travel * 100 : 0
                    track.dragging = false
                    root.command("IDC_FS_KnobReleased", String(Number(percent.toFixed(2))))
                }
                onCanceled: track.dragging = false
            }
        }
    }

    // Panel under the window's status text, transport buttons, volume and progress bar.
    Rectangle {
        y: 330
        width: parent.width
        height: 70
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#22272e" }
            GradientStop { position: 1.0; color: "#121418" }
        }
        Rectangle { width: parent.width; height: 1; color: "#0b0d10" }
        Rectangle { y: 1; width: parent.width; height: 1; color: "#39404a" }
        Rectangle { y: parent.height - 1; width: parent.width; height: 1; color: "#08090b" }
    }
}
