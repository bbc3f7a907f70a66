import QtQuick

// The Lumadisc control bar. The program writes the display fields (dvdName, timeElapsed1,
// volumeText1, volumeText2, chapter) and handles the commands; the bar itself holds no logic.
Rectangle {
    id: root

    signal command(string command, string args)

    width: 800
    height: 100
    gradient: Gradient {
        GradientStop { position: 0.0; color: "#2f353e" }
        GradientStop { position: 0.3; color: "#242930" }
        GradientStop { position: 1.0; color: "#15181c" }
    }

    readonly property color accent: "#4aa8f0"
    readonly property color captionColor: "#7f8a98"

    // The number at the end of the volume text ("Volume 57") drives the level meter.
    readonly property int volumeLevel: {
        var match = volumeText1.text.match(/(\d+)\s*$/)
        return match ? Math.max(0, Math.min(100, Number(match[1]))) : 0
    }

    component Caption: Text {
        color: root.captionColor
        font.family: "DejaVu Sans"
        font.pixelSize: 8
        font.bold: true
        font.letterSpacing: 1.6
        horizontalAlignment: Text.AlignHCenter
    }

    component Groove: Item {
        width: 2
        height: 58
        y: 33
        Rectangle { width: 1; height: parent.height; color: "#0d0f12" }
        Rectangle { x: 1; width: 1; height: parent.height; color: "#353c46" }
    }

    // The background moves the window: the drag has to start on the press.
    MouseArea {
        objectName: "dragArea"
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        onPressed: root.command("ID_FS_drag", "")
    }

    // Frame: light upper edge, dark lower edge.
    Rectangle { width: parent.width; height: 1; color: "#4a525e" }
    Rectangle { y: parent.height - 1; width: parent.width; height: 1; color: "#08090b" }
    Rectangle { width: 1; height: parent.height; color: "#3a414b" }
    Rectangle { x: parent.width - 1; width: 1; height: parent.height; color: "#0b0c0f" }

    // Header: brand and window buttons.
    Row {
        x: 14
        y: 6
        spacing: 6
        SkinIcon { width: 14; height: 14; name: "disc"; color: root.accent }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: "LUMADISC"
            color: "#aeb8c5"
            font.family: "DejaVu Sans"
            font.pixelSize: 10
            font.bold: true
            font.letterSpacing: 3
        }
    }

    // Header, over the transport: chapter skip around the chapter display ("2/3").
    Row {
        x: 152
        y: 5
        spacing: 4
        SkinButton {
            objectName: "btn_prevchapter"
            action: "prevchapter"
            icon: "skipback"
            width: 24; height: 16; iconSize: 13
            onClicked: root.command(action, "")
        }
        Rectangle {
            width: 48
            height: 16
            radius: 4
            border.width: 1
            border.color: "#0a0d11"
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#081018" }
                GradientStop { position: 1.0; color: "#0f1c28" }
            }
            Text {
                objectName: "chapter"
                anchors.fill: parent
                anchors.margins: 2
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                color: "#6cc2ff"
                font.family: "DejaVu Sans Mono"
                font.pixelSize: 10
                font.bold: true
                elide: Text.ElideRight
            }
        }
        SkinButton {
            objectName: "btn_nextchapter"
            action: "nextchapter"
            icon: "skipforward"
            width: 24; height: 16; iconSize: 13
            onClicked: root.command(action, "")
        }
    }

    // Header, left of the window buttons: the pop-up lists of the disc (titles, audio,
    // subtitles, angles), then the disc's own title and root menus.
    Row {
        x: 514
        y: 5
        spacing: 4
        SkinButton {
            objectName: "btn_titles"
            action: "titles"
            icon: "list"
            width: 24; height: 16; iconSize: 13
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_audio"
            action: "audio"
            icon: "sound"
            width: 24; height: 16; iconSize: 14
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_subtitles"
            action: "subtitles"
            icon: "subtitles"
            width: 24; height: 16; iconSize: 14
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_angles"
            action: "angles"
            icon: "videocamera"
            width: 24; height: 16; iconSize: 14
            onClicked: root.command(action, "")
        }
        Item { width: 8; height: 16 }
        SkinButton {
            objectName: "btn_titlemenu"
            action: "titlemenu"
            icon: "tiles"
            width: 24; height: 16; iconSize: 12
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_rootmenu"
            action: "rootmenu"
            icon: "home"
            width: 24; height: 16; iconSize: 13
            onClicked: root.command(action, "")
        }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 5
        spacing: 4
        SkinButton {
            objectName: "btn_mini"
            action: "ID_FS_mini"
            icon: "minimize"
            width: 24; height: 16; iconSize: 14
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_exit"
            action: "ID_FS_exit"
            icon: "close"
            danger: true
            width: 24; height: 16; iconSize: 12
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_power"
            action: "power"
            icon: "power"
            danger: true
            width: 24; height: 16; iconSize: 13
            onClicked: root.command(action, "")
        }
    }

    Rectangle { x: 12; y: 25; width: parent.width - 24; height: 1; color: "#0d0f12" }
    Rectangle { x: 12; y: 26; width: parent.width - 24; height: 1; color: "#363d47" }

    // Disc: drive menu and tray.
    Item {
        x: 14
        width: 74
        height: parent.height
        Row {
            y: 38
            spacing: 6
            SkinButton {
                objectName: "btn_drivers"
                action: "drivers"
                icon: "disc"
                width: 34; height: 34
                onClicked: root.command(action, "")
            }
            SkinButton {
                objectName: "btn_open"
                action: "open"
                icon: "eject"
                width: 34; height: 34
                onClicked: root.command(action, "")
            }
        }
        Caption { y: 82; width: parent.width; text: "DISC" }
    }

    Groove { x: 95 }

    // Transport.
    Item {
        x: 102
        width: 204
        height: parent.height
        Row {
            y: 33
            spacing: 6
            SkinButton {
                objectName: "btn_rewind"
                action: "rewind"
                icon: "rewind"
                anchors.verticalCenter: parent.verticalCenter
                width: 34; height: 34
                onClicked: root.command(action, "")
            }
            SkinButton {
                objectName: "btn_play"
                action: "play"
                icon: "play"
                round: true
                accent: true
                width: 44; height: 44
                onClicked: root.command(action, "")
            }
            SkinButton {
                objectName: "btn_pause"
                action: "pause"
                icon: "pause"
                anchors.verticalCenter: parent.verticalCenter
                width: 34; height: 34
                onClicked: root.command(action, "")
            }
            SkinButton {
                objectName: "btn_stop"
                action: "stop"
                icon: "stop"
                anchors.verticalCenter: parent.verticalCenter
                width: 34; height: 34
                onClicked: root.command(action, "")
            }
            SkinButton {
                objectName: "btn_ff"
                action: "ff"
                icon: "forward"
                anchors.verticalCenter: parent.verticalCenter
                width: 34; height: 34
                onClicked: root.command(action, "")
            }
        }
        Caption { y: 82; width: parent.width; text: "PLAYBACK" }
    }

    Groove { x: 313 }

    // Display: disc name, time, volume.
    Rectangle {
        x: 320
        y: 32
        width: 204
        height: 60
        radius: 8
        border.width: 1
        border.color: "#0a0d11"
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#081018" }
            GradientStop { position: 1.0; color: "#0f1c28" }
        }

        // Lower rim catching the light.
        Rectangle {
            x: 6; y: parent.height; width: parent.width - 12; height: 1; color: "#3a4450"
        }

        Text {
            objectName: "dvdName"
            x: 10; y: 6
            width: parent.width - 20
            color: "#cfe6fa"
            font.family: "DejaVu Sans"
            font.pixelSize: 11
            font.bold: true
            elide: Text.ElideRight
        }
        Text {
            objectName: "timeElapsed1"
            x: 10; y: 21
            width: parent.width - 20
            color: "#6cc2ff"
            font.family: "DejaVu Sans Mono"
            font.pixelSize: 17
            font.bold: true
            elide: Text.ElideRight
        }
        // volumeText2 carries the same text as volumeText1 and lies under it as its shadow.
        Text {
            objectName: "volumeText2"
            x: 11; y: 44
            text: volumeText1.text
            color: "#000000"
            font: volumeText1.font
        }
        Text {
            id: volumeText1
            objectName: "volumeText1"
            x: 10; y: 43
            color: "#8fa3b6"
            font.family: "DejaVu Sans"
            font.pixelSize: 9
        }
        // Level meter: ten segments.
        Row {
            anchors.right: parent.right
            anchors.rightMargin: 10
            y: 44
            spacing: 2
            Repeater {
                model: 10
                Rectangle {
                    required property int index
                    width: 6
                    height: 8
                    radius: 1
                    color: root.volumeLevel > index * 10 ? (index < 8 ? "#4aa8f0" : "#f0b84a")
                                                         : "#1b2733"
                }
            }
        }
    }

    Groove { x: 531 }

    // Volume.
    Item {
        x: 538
        width: 102
        height: parent.height
        Row {
            y: 38
            spacing: 6
            SkinButton {
                objectName: "btn_volDown"
                action: "vol-"
                icon: "minus"
                anchors.verticalCenter: parent.verticalCenter
                width: 28; height: 28
                onClicked: root.command(action, "")
            }
            SkinButton {
                objectName: "btn_mute"
                action: "mute"
                icon: "mute"
                width: 34; height: 34
                onClicked: root.command(action, "")
            }
            SkinButton {
                objectName: "btn_volUp"
                action: "vol+"
                icon: "plus"
                anchors.verticalCenter: parent.verticalCenter
                width: 28; height: 28
                onClicked: root.command(action, "")
            }
        }
        Caption { y: 82; width: parent.width; text: "VOLUME" }
    }

    Groove { x: 647 }

    // DVD menu: a round pad with four arrows around the enter key.
    Rectangle {
        x: 654
        y: 29
        width: 68
        height: 68
        radius: 34
        border.width: 1
        border.color: "#0d0f12"
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#1a1e23" }
            GradientStop { position: 1.0; color: "#2c323b" }
        }

        SkinButton {
            objectName: "btn_navup"
            action: "navup"
            icon: "up"
            x: 23; y: 3; width: 22; height: 20; iconSize: 12
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_navdown"
            action: "navdown"
            icon: "down"
            x: 23; y: 45; width: 22; height: 20; iconSize: 12
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_navleft"
            action: "navleft"
            icon: "left"
            x: 3; y: 23; width: 20; height: 22; iconSize: 12
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_navright"
            action: "navright"
            icon: "right"
            x: 45; y: 23; width: 20; height: 22; iconSize: 12
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_enter"
            action: "enter"
            label: "OK"
            round: true
            accent: true
            x: 24; y: 24; width: 20; height: 20
            onClicked: root.command(action, "")
        }
    }

    Groove { x: 729 }

    // Tools.
    Grid {
        x: 736
        y: 32
        columns: 2
        spacing: 4
        SkinButton {
            objectName: "btn_snapshot"
            action: "snapshot"
            icon: "camera"
            width: 24; height: 24; iconSize: 16
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_fullscreen"
            action: "fullscreen"
            icon: "fullscreen"
            width: 24; height: 24; iconSize: 15
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_option"
            action: "option"
            icon: "settings"
            width: 24; height: 24; iconSize: 15
            onClicked: root.command(action, "")
        }
        SkinButton {
            objectName: "btn_about"
            action: "ID_FS _about"
            icon: "help"
            width: 24; height: 24; iconSize: 17
            onClicked: root.command(action, "")
        }
    }
    Caption { x: 736; y: 87; width: 52; text: "TOOLS" }
}
