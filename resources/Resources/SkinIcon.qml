import QtQuick

// A vector icon of the Lumadisc skins, drawn on a 24 x 24 grid and scaled to the item's size,
// so that every icon shares one stroke weight and looks sharp at any size.
Canvas {
    id: icon

    property string name
    property color color: "#dfe5ee"

    width: 24
    height: 24
    antialiasing: true

    onNameChanged: requestPaint()
    onColorChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    readonly property var shapes: ({
        "play": function (c) {
            c.moveTo(7.5, 4.5); c.lineTo(20, 12); c.lineTo(7.5, 19.5); c.closePath(); c.fill()
        },
        "pause": function (c) {
            c.roundedRect(5.5, 4.5, 4.5, 15, 1, 1); c.roundedRect(14, 4.5, 4.5, 15, 1, 1); c.fill()
        },
        "stop": function (c) {
            c.roundedRect(5.5, 5.5, 13, 13, 1.5, 1.5); c.fill()
        },
        "rewind": function (c) {
            c.moveTo(11.5, 6); c.lineTo(2.5, 12); c.lineTo(11.5, 18); c.closePath()
            c.moveTo(21, 6); c.lineTo(12, 12); c.lineTo(21, 18); c.closePath(); c.fill()
        },
        "forward": function (c) {
            c.moveTo(3, 6); c.lineTo(12, 12); c.lineTo(3, 18); c.closePath()
            c.moveTo(12.5, 6); c.lineTo(21.5, 12); c.lineTo(12.5, 18); c.closePath(); c.fill()
        },
        "eject": function (c) {
            c.moveTo(12, 4.5); c.lineTo(20, 13.5); c.lineTo(4, 13.5); c.closePath()
            c.roundedRect(4, 16, 16, 3.5, 1, 1); c.fill()
        },
        "disc": function (c) {
            c.arc(12, 12, 9, 0, 2 * Math.PI, false); c.closePath()
            c.moveTo(15, 12); c.arc(12, 12, 3, 0, 2 * Math.PI, true); c.closePath(); c.fill()
            c.beginPath(); c.globalAlpha = 0.45; c.lineWidth = 1.2
            c.arc(12, 12, 6, -2.4, -1.3, false); c.stroke()
        },
        "minus": function (c) {
            c.moveTo(6, 12); c.lineTo(18, 12); c.stroke()
        },
        "plus": function (c) {
            c.moveTo(6, 12); c.lineTo(18, 12); c.moveTo(12, 6); c.lineTo(12, 18); c.stroke()
        },
        "mute": function (c) {
            c.moveTo(3, 9); c.lineTo(7, 9); c.lineTo(12, 4.5); c.lineTo(12, 19.5); c.lineTo(7, 15)
            c.lineTo(3, 15); c.closePath(); c.fill()
            c.beginPath(); c.moveTo(15.5, 9); c.lineTo(21, 15); c.moveTo(21, 9); c.lineTo(15.5, 15)
            c.stroke()
        },
        "up": function (c) {
            c.moveTo(12, 6.5); c.lineTo(19, 16); c.lineTo(5, 16); c.closePath(); c.fill()
        },
        "down": function (c) {
            c.moveTo(12, 17.5); c.lineTo(19, 8); c.lineTo(5, 8); c.closePath(); c.fill()
        },
        "left": function (c) {
            c.moveTo(6.5, 12); c.lineTo(16, 5); c.lineTo(16, 19); c.closePath(); c.fill()
        },
        "right": function (c) {
            c.moveTo(17.5, 12); c.lineTo(8, 5); c.lineTo(8, 19); c.closePath(); c.fill()
        },
        "camera": function (c) {
            c.moveTo(8, 7); c.lineTo(9.5, 4.5); c.lineTo(14.5, 4.5); c.lineTo(16, 7); c.closePath()
            c.roundedRect(2.5, 7, 19, 13, 2.5, 2.5)
            c.moveTo(16.5, 13.5); c.arc(12, 13.5, 4.5, 0, 2 * Math.PI, true); c.closePath()
            c.moveTo(14.5, 13.5); c.arc(12, 13.5, 2.5, 0, 2 * Math.PI, false); c.closePath()
            c.fill()
        },
        "fullscreen": function (c) {
            c.moveTo(4, 9); c.lineTo(4, 4); c.lineTo(9, 4)
            c.moveTo(15, 4); c.lineTo(20, 4); c.lineTo(20, 9)
            c.moveTo(20, 15); c.lineTo(20, 20); c.lineTo(15, 20)
            c.moveTo(9, 20); c.lineTo(4, 20); c.lineTo(4, 15); c.stroke()
        },
        "settings": function (c) {
            c.moveTo(4, 7); c.lineTo(20, 7); c.moveTo(4, 12); c.lineTo(20, 12)
            c.moveTo(4, 17); c.lineTo(20, 17); c.stroke()
            c.beginPath()
            c.arc(9, 7, 2.6, 0, 2 * Math.PI, false); c.closePath()
            c.moveTo(17.6, 12); c.arc(15, 12, 2.6, 0, 2 * Math.PI, false); c.closePath()
            c.moveTo(10.6, 17); c.arc(8, 17, 2.6, 0, 2 * Math.PI, false); c.closePath()
            c.fill()
        },
        "help": function (c) {
            c.arc(12, 12, 9, 0, 2 * Math.PI, false); c.stroke()
            c.font = "bold 13px 'DejaVu Sans'"; c.textAlign = "center"; c.textBaseline = "middle"
            c.fillText("?", 12, 12.5)
        },
        "minimize": function (c) {
            c.moveTo(6.5, 16); c.lineTo(17.5, 16); c.stroke()
        },
        "close": function (c) {
            c.moveTo(7, 7); c.lineTo(17, 17); c.moveTo(17, 7); c.lineTo(7, 17); c.stroke()
        },
        "power": function (c) {
            c.arc(12, 13, 7, -Math.PI / 2 + 0.75, -Math.PI / 2 - 0.75, false); c.stroke()
            c.beginPath(); c.moveTo(12, 3.5); c.lineTo(12, 12); c.stroke()
        },
        "skipback": function (c) {
            c.roundedRect(4.5, 6, 3, 12, 1, 1)
            c.moveTo(19.5, 6); c.lineTo(9.5, 12); c.lineTo(19.5, 18); c.closePath(); c.fill()
        },
        "skipforward": function (c) {
            c.roundedRect(16.5, 6, 3, 12, 1, 1)
            c.moveTo(4.5, 6); c.lineTo(14.5, 12); c.lineTo(4.5, 18); c.closePath(); c.fill()
        },
        "list": function (c) {
            c.arc(4.5, 5.5, 2, 0, 2 * Math.PI, false); c.closePath()
            c.moveTo(6.5, 12); c.arc(4.5, 12, 2, 0, 2 * Math.PI, false); c.closePath()
            c.moveTo(6.5, 18.5); c.arc(4.5, 18.5, 2, 0, 2 * Math.PI, false); c.closePath(); c.fill()
            c.beginPath(); c.moveTo(10, 5.5); c.lineTo(21, 5.5); c.moveTo(10, 12); c.lineTo(21, 12)
            c.moveTo(10, 18.5); c.lineTo(21, 18.5); c.stroke()
        },
        "sound": function (c) {
            c.moveTo(2.5, 9); c.lineTo(6.5, 9); c.lineTo(11.5, 4.5); c.lineTo(11.5, 19.5)
            c.lineTo(6.5, 15); c.lineTo(2.5, 15); c.closePath(); c.fill()
            c.beginPath(); c.arc(11.5, 12, 4.5, -0.85, 0.85, false)
            c.moveTo(11.5 + 8.5 * Math.cos(-0.85), 12 + 8.5 * Math.sin(-0.85))
            c.arc(11.5, 12, 8.5, -0.85, 0.85, false); c.stroke()
        },
        "subtitles": function (c) {
            c.roundedRect(1.5, 4, 21, 16, 3, 3)
            c.rect(5, 10, 5, 3); c.rect(12, 10, 7, 3); c.rect(5, 14.5, 14, 3); c.fill()
        },
        "videocamera": function (c) {
            c.roundedRect(1.5, 6, 14, 12, 2, 2)
            c.moveTo(16.5, 12); c.lineTo(22.5, 6.5); c.lineTo(22.5, 17.5); c.closePath(); c.fill()
        },
        "tiles": function (c) {
            c.roundedRect(3.5, 3.5, 7.5, 7.5, 1.5, 1.5); c.roundedRect(13, 3.5, 7.5, 7.5, 1.5, 1.5)
            c.roundedRect(3.5, 13, 7.5, 7.5, 1.5, 1.5); c.roundedRect(13, 13, 7.5, 7.5, 1.5, 1.5)
            c.fill()
        },
        "home": function (c) {
            c.moveTo(12, 3); c.lineTo(21.5, 11.5); c.lineTo(18.5, 11.5); c.lineTo(18.5, 20.5)
            c.lineTo(14, 20.5); c.lineTo(14, 15); c.lineTo(10, 15); c.lineTo(10, 20.5)
            c.lineTo(5.5, 20.5); c.lineTo(5.5, 11.5); c.lineTo(2.5, 11.5); c.closePath(); c.fill()
        }
    })

    onPaint: {
        var c = getContext("2d")
        c.reset()
        c.clearRect(0, 0, width, height)
        var draw = shapes[name]
        if (!draw)
            return
        c.scale(width / 24, height / 24)
        c.fillStyle = color
        c.strokeStyle = color
        c.lineWidth = 2.2
        c.lineCap = "round"
        c.lineJoin = "round"
        // Holes (the disc's centre, the camera's lens) are nested outlines.
        c.fillRule = Qt.OddEvenFill
        c.beginPath()
        draw(c)
    }
}
