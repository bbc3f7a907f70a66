import QtQuick

// A button of the Lumadisc skins: a bevelled face that lights up under the pointer and sinks
// when pressed, showing an icon (SkinIcon) or a short label. Only the left button clicks.
Item {
    id: button

    // The skin command this button sends; the skin forwards it on clicked().
    property string action
    property string icon
    property string label
    property bool round: false
    // The main action of a group: coloured face.
    property bool accent: false
    // Warning colour under the pointer (closing the program).
    property bool danger: false
    property real iconSize: Math.round(Math.min(width, height) * 0.55)

    readonly property bool hovered: area.containsMouse
    readonly property bool pressed: area.pressed

    signal clicked

    width: 32
    height: 32

    readonly property color topColor: accent ? (pressed ? "#1c6fb8" : hovered ? "#6cc2ff" : "#4aa8f0")
                                             : (pressed ? "#1b1f25" : hovered ? "#4b5361" : "#3b424d")
    readonly property color bottomColor: accent ? (pressed ? "#2a8be0" : hovered ? "#2586d8" : "#1b6cbc")
                                                : (pressed ? "#2a3039" : hovered ? "#2e343d" : "#252a31")
    readonly property color edgeColor: danger && hovered ? "#e0564f"
                                       : hovered && !accent ? "#5fb4f2" : accent ? "#0f4f8c" : "#14171b"
    readonly property color inkColor: danger && hovered ? "#ff7a70"
                                      : accent ? "#ffffff" : hovered ? "#ffffff" : "#cdd4de"

    // Shadow below the face, so the button stands on the panel.
    Rectangle {
        anchors.fill: face
        anchors.topMargin: 1
        anchors.bottomMargin: -1
        radius: face.radius
        color: "#66000000"
        visible: !button.pressed
    }

    Rectangle {
        id: face
        anchors.fill: parent
        radius: button.round ? width / 2 : Math.min(7, height / 4)
        border.width: 1
        border.color: button.edgeColor
        // The lighter first stop is the gloss along the upper edge.
        gradient: Gradient {
            GradientStop {
                position: 0.0
                color: button.pressed ? button.topColor : Qt.lighter(button.topColor, 1.25)
            }
            GradientStop { position: 0.45; color: button.topColor }
            GradientStop { position: 1.0; color: button.bottomColor }
        }
    }

    SkinIcon {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: button.pressed ? 1 : 0
        width: button.iconSize
        height: button.iconSize
        name: button.icon
        color: button.inkColor
        visible: button.icon !== ""
    }

    Text {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: button.pressed ? 1 : 0
        text: button.label
        color: button.inkColor
        font.family: "DejaVu Sans"
        font.pixelSize: Math.round(button.height * 0.36)
        font.bold: true
        visible: button.label !== ""
    }

    MouseArea {
        id: area
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
