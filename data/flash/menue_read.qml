// Main menu movie: three groups of tiles, one per menu command, plus Quit. A tile sends
// fscommand("menu", <COMMAND>); Quit sends fscommand("quit", ""). Mouse and keyboard both work.
import QtQuick

Item {
    id: root

    signal fscommand(string command, string args)

    width: 1920
    height: 1080
    focus: true

    readonly property color ink: "#0b111d"
    readonly property color paper: "#eef2f8"
    readonly property color muted: "#8193ad"
    readonly property color tileColor: "#141e31"
    readonly property color tileHover: "#1a2740"
    readonly property color tileBorder: "#223049"
    readonly property var groupColors: ["#4fd1c5", "#f6b35c", "#a08cff", "#f27a86"]
    readonly property var groups: [
        { en: "Perception", ru: "Восприятие" },
        { en: "Text", ru: "Текст" },
        { en: "Tools", ru: "Инструменты" }
    ]
    // One entry per tile, in keyboard order; group 3 is Quit, which sits in the tools column.
    readonly property var commands: [
        { cmd: "FOTO", en: "Flash reading", ru: "Фотовспышка", group: 0, row: 0 },
        { cmd: "SHULTZ", en: "Schulte tables", ru: "Таблицы Шульте", group: 0, row: 1 },
        { cmd: "UGOL", en: "Field of view", ru: "Угол зрения", group: 0, row: 2 },
        { cmd: "BUKVA", en: "Letter counting", ru: "Счёт букв", group: 0, row: 3 },
        { cmd: "FINDWORD", en: "Find the phrase", ru: "Поиск фразы", group: 0, row: 4 },
        { cmd: "METRONOM", en: "Metronome", ru: "Метроном", group: 0, row: 5 },
        { cmd: "MIX", en: "Mixed letters", ru: "Перемешанные буквы", group: 1, row: 0 },
        { cmd: "ZADOM", en: "Reversed words", ru: "Слова задом наперёд", group: 1, row: 1 },
        { cmd: "VOWEL", en: "Without vowels", ru: "Без гласных", group: 1, row: 2 },
        { cmd: "RANDOM", en: "Missing letters", ru: "Пропущенные буквы", group: 1, row: 3 },
        { cmd: "DOBLANKS", en: "Without spaces", ru: "Без пробелов", group: 1, row: 4 },
        { cmd: "DOMINANTA", en: "Key words", ru: "Доминанта", group: 1, row: 5 },
        { cmd: "7BLOKS", en: "Text reconstruction", ru: "Реконструкция текста", group: 1, row: 6 },
        { cmd: "CHASTOTA", en: "Frequency analyser", ru: "Частотный анализ", group: 2, row: 0 },
        { cmd: "INDEXER", en: "Text indexer", ru: "Индексатор", group: 2, row: 1 },
        { cmd: "FONT", en: "User settings", ru: "Настройки", group: 2, row: 2 },
        { cmd: "BOOK", en: "The book", ru: "Книга", group: 2, row: 3 },
        { cmd: "QUIT", en: "Quit", ru: "Выход", group: 3, row: 6 }
    ]
    readonly property int quitIndex: commands.length - 1

    // Keyboard focus: index into commands.
    property int current: 0
    // Entrance clock in milliseconds; runs once.
    property real intro: 0
    // The tile whose icon glints now, cycling slowly while the menu is idle.
    property int glint: -1

    // Layout, scaled from the root's size.
    readonly property real k: Math.min(width / 1920, height / 1080)
    // Very wide screens keep the content centred rather than stretching the tiles.
    readonly property real marginX: Math.max(24, width * 0.05, (width - height * 1.75) / 2)
    readonly property real colGap: width * 0.024
    readonly property real colWidth: (width - 2 * marginX - 2 * colGap) / 3
    readonly property real headerTop: height * 0.045
    readonly property real headerHeight: height * 0.13
    readonly property real labelTop: headerTop + headerHeight + height * 0.025
    readonly property real labelHeight: height * 0.06
    readonly property real tilesTop: labelTop + labelHeight
    readonly property real pitch: (height - tilesTop - height * 0.045) / 7
    readonly property real tileHeight: pitch - Math.max(6, pitch * 0.16)
    readonly property real titleSize: Math.round(Math.min(tileHeight * 0.27, colWidth * 0.056))
    readonly property real subSize: Math.round(titleSize * 0.74)

    function columnOf(i) {
        return Math.min(2, commands[i].group);
    }
    function columnX(c) {
        return marginX + c * (colWidth + colGap);
    }
    function rowY(r) {
        return tilesTop + r * pitch;
    }
    function ramp(a, b) {
        return Math.max(0, Math.min(1, (intro - a) / (b - a)));
    }
    function easeOut(x) {
        return 1 - Math.pow(1 - x, 3);
    }

    function play() {
        if (intro < introClock.to && !introClock.running)
            introClock.start();
        idle.running = true;
    }

    function stop() {
        introClock.stop();
        intro = introClock.to;
        idle.running = false;
        glint = -1;
    }

    function tileAt(i) {
        const name = "tile_" + commands[i].cmd;
        for (let c = 0; c < children.length; ++c) {
            if (children[c].objectName === name)
                return children[c];
        }
        return null;
    }

    // Arrow-key move: within a column by list order, across columns to the tile nearest in row.
    function move(dx, dy) {
        const c = columnOf(current), r = commands[current].row;
        let best = -1, bestScore = 1e9;
        for (let i = 0; i < commands.length; ++i) {
            const ci = columnOf(i), ri = commands[i].row;
            let score;
            if (dx !== 0) {
                if (ci !== c + dx)
                    continue;
                score = Math.abs(ri - r) * 10 + ri;
            } else {
                if (ci !== c || (ri - r) * dy <= 0)
                    continue;
                score = Math.abs(ri - r);
            }
            if (score < bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best >= 0)
            current = best;
    }

    Keys.onPressed: event => {
        switch (event.key) {
        case Qt.Key_Left:
            move(-1, 0);
            break;
        case Qt.Key_Right:
            move(1, 0);
            break;
        case Qt.Key_Up:
            move(0, -1);
            break;
        case Qt.Key_Down:
            move(0, 1);
            break;
        case Qt.Key_Tab:
            current = (current + 1) % commands.length;
            break;
        case Qt.Key_Backtab:
            current = (current + commands.length - 1) % commands.length;
            break;
        case Qt.Key_Home:
            current = 0;
            break;
        case Qt.Key_End:
        case Qt.Key_Escape:
            current = quitIndex;
            break;
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space:
            // A held key must not fire the same command again and again.
            if (!event.isAutoRepeat)
                tileAt(current).activate();
            break;
        default:
            return;
        }
        event.accepted = true;
    }

    Component.onCompleted: play()

    NumberAnimation {
        id: introClock
        target: root
        property: "intro"
        from: 0
        to: 1800
        duration: 1800
    }

    Timer {
        id: idle
        interval: 2600
        repeat: true
        onTriggered: root.glint = (root.glint + 1) % root.commands.length
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#0f172a" }
            GradientStop { position: 1.0; color: root.ink }
        }
    }

    // Two soft lights, painted once per size.
    Canvas {
        anchors.fill: parent
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            const ctx = getContext("2d");
            ctx.reset();
            function light(cx, cy, r, rgb, a) {
                const g = ctx.createRadialGradient(cx, cy, 0, cx, cy, r);
                g.addColorStop(0, "rgba(" + rgb + ", " + a + ")");
                g.addColorStop(1, "rgba(" + rgb + ", 0)");
                ctx.fillStyle = g;
                ctx.fillRect(0, 0, width, height);
            }
            light(width * 0.12, height * 0.08, Math.max(width, height) * 0.5, "79, 209, 197", 0.10);
            light(width * 0.9, height * 0.95, Math.max(width, height) * 0.55, "120, 100, 255", 0.08);
        }
    }

    // Header: the product name, whose "o" is an eye, and the subtitle.
    Item {
        id: header
        x: root.marginX
        y: root.headerTop - 16 * root.k * (1 - root.easeOut(root.ramp(0, 700)))
        width: root.width - 2 * root.marginX
        height: root.headerHeight
        opacity: root.ramp(0, 700)

        TextMetrics {
            id: qMetrics
            font: qText.font
            text: "Q"
        }
        TextMetrics {
            id: oMetrics
            font: qText.font
            text: "o"
        }
        FontMetrics {
            id: titleMetrics
            font: qText.font
        }

        Item {
            id: logo
            readonly property real eyeSize: Math.round(titleMetrics.xHeight * 1.06)
            readonly property real stroke: Math.max(2, Math.round(titleMetrics.xHeight * 0.06))
            anchors.verticalCenter: parent.verticalCenter
            width: rText.x + rText.width
            height: qText.height

            Text {
                id: qText
                text: "Q"
                color: root.paper
                font.pixelSize: Math.round(root.headerHeight * 0.78)
                font.weight: Font.ExtraLight
            }
            Rectangle {
                id: eye
                readonly property real open: 1
                x: qMetrics.advanceWidth + (oMetrics.advanceWidth - width) / 2
                y: qText.baselineOffset - logo.eyeSize / 2 - height / 2
                width: logo.eyeSize
                height: logo.eyeSize
                radius: Math.min(width, height) / 2
                color: "transparent"
                border.color: root.paper
                border.width: logo.stroke

                Rectangle {
                    id: pupil
                    property real look: 0
                    width: Math.round(logo.eyeSize * 0.36)
                    height: Math.min(width, parent.height * 0.8)
                    radius: height / 2
                    anchors.verticalCenter: parent.verticalCenter
                    x: (parent.width - width) / 2 + look * (parent.width - width - 2 * logo.stroke) / 2
                    color: root.groupColors[0]
                    visible: eye.height > logo.eyeSize * 0.3
                    Behavior on look {
                        NumberAnimation { duration: 140; easing.type: Easing.OutCubic }
                    }
                }

                // Glances now and then and sometimes blinks.
                Timer {
                    property int n: 0
                    interval: 1900
                    repeat: true
                    running: idle.running
                    onTriggered: {
                        ++n;
                        if (n % 5 === 0)
                            blink.restart();
                        else
                            pupil.look = [-0.45, 0, 0.45, 0][n % 4];
                    }
                }
                SequentialAnimation {
                    id: blink
                    NumberAnimation { target: eye; property: "height"; to: logo.eyeSize * 0.1; duration: 90 }
                    NumberAnimation { target: eye; property: "height"; to: logo.eyeSize; duration: 130 }
                }
            }
            Text {
                id: rText
                x: qMetrics.advanceWidth + oMetrics.advanceWidth
                text: "r"
                color: root.paper
                font: qText.font
            }
        }

        Rectangle {
            id: divider
            x: logo.width + root.headerHeight * 0.3
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(1, Math.round(2 * root.k))
            height: root.headerHeight * 0.5
            color: "#2a3a56"
        }

        Column {
            anchors.left: divider.right
            anchors.leftMargin: root.headerHeight * 0.3
            anchors.verticalCenter: parent.verticalCenter
            spacing: root.headerHeight * 0.04
            Text {
                text: "Speed reading trainer"
                color: root.paper
                font.pixelSize: Math.round(root.headerHeight * 0.22)
                font.letterSpacing: root.headerHeight * 0.01
            }
            Text {
                text: "Тренажёр скорочтения"
                color: root.muted
                font.pixelSize: Math.round(root.headerHeight * 0.17)
                font.letterSpacing: root.headerHeight * 0.008
            }
        }
    }

    // A few lines of "text" at the right of the header with a fixation mark hopping along them,
    // the way the eye moves while reading.
    Item {
        id: reading
        readonly property real barHeight: Math.max(3, Math.round(7 * root.k))
        readonly property real lineGap: root.headerHeight * 0.2
        // Word lengths per line as parts of the line; the last line of the paragraph stops short.
        readonly property var lines: [[0.24, 0.32, 0.16, 0.28], [0.32, 0.14, 0.26, 0.28], [0.2, 0.3, 0.2]]
        property int line: 0
        property int stop: 0
        anchors.right: parent.right
        anchors.rightMargin: root.marginX
        y: root.headerTop + (root.headerHeight - height) / 2
        width: root.width * 0.2
        height: lineGap * 2 + barHeight
        opacity: 0.9 * root.ramp(500, 1300)
        visible: header.x + header.childrenRect.width < x - root.marginX

        Repeater {
            model: reading.lines.length
            delegate: Row {
                id: bars
                required property int index
                y: index * reading.lineGap
                spacing: reading.barHeight * 1.6
                Repeater {
                    model: reading.lines[bars.index].length
                    delegate: Rectangle {
                        required property int index
                        readonly property var words: reading.lines[bars.index]
                        width: words[index] * (reading.width - bars.spacing * (words.length - 1))
                        height: reading.barHeight
                        radius: height / 2
                        color: "#22314d"
                    }
                }
            }
        }
        Rectangle {
            id: fixation
            width: reading.width * 0.12
            height: reading.barHeight * 2.2
            radius: height / 2
            color: root.groupColors[0]
            opacity: 0.35
            x: reading.stop / 3 * (reading.width * 0.82 - width)
            y: reading.line * reading.lineGap + (reading.barHeight - height) / 2
            Behavior on x {
                NumberAnimation { duration: 110; easing.type: Easing.OutCubic }
            }
            Behavior on y {
                NumberAnimation { duration: 110; easing.type: Easing.OutCubic }
            }
        }
        Timer {
            interval: 520
            repeat: true
            running: idle.running
            onTriggered: {
                if (reading.stop < 3) {
                    ++reading.stop;
                } else {
                    reading.stop = 0;
                    reading.line = (reading.line + 1) % reading.lines.length;
                }
            }
        }
    }

    // Group captions above the columns.
    Repeater {
        model: root.groups.length
        delegate: Item {
            id: caption
            required property int index
            readonly property color tint: root.groupColors[index]
            x: root.columnX(index)
            y: root.labelTop
            width: root.colWidth
            height: root.labelHeight
            opacity: root.ramp(200 + index * 120, 800 + index * 120)

            Rectangle {
                id: dot
                anchors.verticalCenter: captionText.verticalCenter
                width: Math.round(root.subSize * 0.55)
                height: width
                radius: width / 2
                color: caption.tint
            }
            Text {
                id: captionText
                anchors.left: dot.right
                anchors.leftMargin: root.subSize * 0.6
                anchors.bottom: parent.bottom
                anchors.bottomMargin: root.labelHeight * 0.28
                text: root.groups[caption.index].en.toUpperCase()
                color: caption.tint
                font.pixelSize: root.subSize
                font.bold: true
                font.letterSpacing: root.subSize * 0.16
            }
            Text {
                id: captionRu
                anchors.left: captionText.right
                anchors.leftMargin: root.subSize * 0.8
                anchors.baseline: captionText.baseline
                text: root.groups[caption.index].ru
                color: root.muted
                font.pixelSize: root.subSize
            }
            Rectangle {
                anchors.left: captionRu.right
                anchors.leftMargin: root.subSize * 0.8
                anchors.right: parent.right
                anchors.verticalCenter: captionText.verticalCenter
                height: 1
                color: "#23324c"
            }
        }
    }

    // Keyboard help in the free space of the tools column.
    Item {
        x: root.columnX(2)
        y: root.rowY(4)
        width: root.colWidth
        height: root.pitch * 2 - (root.pitch - root.tileHeight)
        opacity: root.ramp(900, 1500)

        Column {
            anchors.verticalCenter: parent.verticalCenter
            x: root.tileHeight * 0.19
            spacing: root.pitch * 0.12

            Repeater {
                model: [
                    { keys: ["←", "↑", "↓", "→"], en: "choose", ru: "выбор" },
                    { keys: ["Enter"], en: "open", ru: "открыть" },
                    { keys: ["Esc"], en: "go to Quit", ru: "к выходу" }
                ]
                delegate: Row {
                    id: hintRow
                    required property var modelData
                    spacing: root.subSize * 0.35
                    Repeater {
                        model: hintRow.modelData.keys
                        delegate: Rectangle {
                            required property string modelData
                            width: Math.max(height, keyText.implicitWidth + height * 0.5)
                            height: Math.round(root.subSize * 1.55)
                            radius: height * 0.22
                            color: "transparent"
                            border.color: "#33456a"
                            border.width: 1
                            Text {
                                id: keyText
                                anchors.centerIn: parent
                                text: parent.modelData
                                color: root.paper
                                font.pixelSize: root.subSize * 0.85
                            }
                        }
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        leftPadding: root.subSize * 0.3
                        text: hintRow.modelData.en + "  ·  " + hintRow.modelData.ru
                        color: root.muted
                        font.pixelSize: root.subSize
                    }
                }
            }
        }
    }

    // Declared one by one rather than by a Repeater so that each tile is a QObject child of the
    // root and can be found by its objectName.
    Tile {
        index: 0
    }
    Tile {
        index: 1
    }
    Tile {
        index: 2
    }
    Tile {
        index: 3
    }
    Tile {
        index: 4
    }
    Tile {
        index: 5
    }
    Tile {
        index: 6
    }
    Tile {
        index: 7
    }
    Tile {
        index: 8
    }
    Tile {
        index: 9
    }
    Tile {
        index: 10
    }
    Tile {
        index: 11
    }
    Tile {
        index: 12
    }
    Tile {
        index: 13
    }
    Tile {
        index: 14
    }
    Tile {
        index: 15
    }
    Tile {
        index: 16
    }
    Tile {
        index: 17
    }

    component Tile: Item {
        id: tile

        required property int index
        readonly property var entry: root.commands[index]
        readonly property color tint: root.groupColors[entry.group]
        readonly property bool focused: root.current === index
        readonly property bool hovered: mouse.containsMouse
        readonly property real appear: root.easeOut(root.ramp(250 + root.columnOf(index) * 90 + entry.row * 70,
                                                              750 + root.columnOf(index) * 90 + entry.row * 70))

        function activate() {
            root.current = index;
            press.restart();
            if (entry.cmd === "QUIT")
                root.fscommand("quit", "");
            else
                root.fscommand("menu", entry.cmd);
        }

        objectName: "tile_" + entry.cmd
        x: root.columnX(root.columnOf(index))
        y: root.rowY(entry.row)
        width: root.colWidth
        height: root.tileHeight

        Item {
            id: body
            width: parent.width
            height: parent.height
            y: root.pitch * 0.35 * (1 - tile.appear)
            opacity: tile.appear

            // Focus ring, breathing softly while the tile holds the keyboard focus.
            Rectangle {
                id: halo
                anchors.fill: card
                anchors.margins: -Math.max(3, Math.round(4 * root.k))
                radius: card.radius - anchors.margins
                color: "transparent"
                border.color: tile.tint
                border.width: Math.max(2, Math.round(2 * root.k))
                visible: tile.focused
                property real breath: 1
                opacity: 0.12 + 0.25 * breath
                SequentialAnimation {
                    running: tile.focused && idle.running
                    loops: Animation.Infinite
                    onStopped: halo.breath = 1
                    NumberAnimation { target: halo; property: "breath"; to: 0; duration: 1300; easing.type: Easing.InOutSine }
                    NumberAnimation { target: halo; property: "breath"; to: 1; duration: 1300; easing.type: Easing.InOutSine }
                }
            }

            Rectangle {
                id: card
                anchors.fill: parent
                radius: Math.round(root.tileHeight * 0.16)
                color: tile.hovered ? root.tileHover : root.tileColor
                border.color: tile.focused ? tile.tint : tile.hovered ? Qt.lighter(root.tileBorder, 1.6) : root.tileBorder
                border.width: tile.focused ? Math.max(2, Math.round(2 * root.k)) : 1
                Behavior on color {
                    ColorAnimation { duration: 120 }
                }

                Rectangle {
                    id: badge
                    readonly property bool lit: tile.hovered || tile.focused
                    x: Math.round(root.tileHeight * 0.19)
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.round(root.tileHeight * 0.62)
                    height: width
                    radius: Math.round(width * 0.28)
                    color: lit ? tile.tint : Qt.rgba(tile.tint.r, tile.tint.g, tile.tint.b, 0.14 + 0.2 * glow)
                    scale: tile.hovered ? 1.06 : 1
                    Behavior on scale {
                        NumberAnimation { duration: 140; easing.type: Easing.OutCubic }
                    }

                    // Idle glint: the badge brightens and its icon swells for a moment.
                    property real glow: 0
                    SequentialAnimation {
                        id: glintAnim
                        NumberAnimation { target: badge; property: "glow"; to: 1; duration: 380; easing.type: Easing.OutCubic }
                        NumberAnimation { target: badge; property: "glow"; to: 0; duration: 900; easing.type: Easing.InOutSine }
                    }

                    Icon {
                        anchors.centerIn: parent
                        width: Math.round(parent.width * 0.6)
                        height: width
                        name: tile.entry.cmd
                        stroke: badge.lit ? root.ink : tile.tint
                        scale: 1 + 0.12 * badge.glow
                    }
                }

                Column {
                    anchors.left: badge.right
                    anchors.leftMargin: Math.round(root.tileHeight * 0.22)
                    anchors.right: chevron.left
                    anchors.rightMargin: Math.round(root.tileHeight * 0.1)
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: Math.round(root.tileHeight * 0.03)
                    Text {
                        width: parent.width
                        text: tile.entry.en
                        color: root.paper
                        font.pixelSize: root.titleSize
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 8
                        elide: Text.ElideRight
                    }
                    Text {
                        width: parent.width
                        text: tile.entry.ru
                        color: root.muted
                        font.pixelSize: root.subSize
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 8
                        elide: Text.ElideRight
                    }
                }

                Text {
                    id: chevron
                    anchors.right: parent.right
                    anchors.rightMargin: Math.round(root.tileHeight * 0.22) - (badge.lit ? 0 : root.tileHeight * 0.08)
                    anchors.verticalCenter: parent.verticalCenter
                    text: "›"
                    color: tile.tint
                    font.pixelSize: Math.round(root.titleSize * 1.5)
                    opacity: badge.lit ? 1 : 0
                    Behavior on opacity {
                        NumberAnimation { duration: 140 }
                    }
                    Behavior on anchors.rightMargin {
                        NumberAnimation { duration: 140; easing.type: Easing.OutCubic }
                    }
                }
            }
        }

        SequentialAnimation {
            id: press
            NumberAnimation { target: body; property: "scale"; to: 0.97; duration: 70 }
            NumberAnimation { target: body; property: "scale"; to: 1; duration: 160; easing.type: Easing.OutBack }
        }

        Connections {
            target: root
            function onGlintChanged() {
                if (root.glint === tile.index && !tile.hovered && !tile.focused)
                    glintAnim.restart();
            }
        }

        MouseArea {
            id: mouse
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: tile.activate()
        }
    }

    // Line icons drawn on a 24-unit grid, one per command.
    component Icon: Canvas {
        id: icon
        property string name
        property color stroke
        onStrokeChanged: requestPaint()
        onWidthChanged: requestPaint()
        onPaint: {
            const ctx = getContext("2d");
            ctx.reset();
            const s = width / 24;
            ctx.scale(s, s);
            ctx.strokeStyle = stroke;
            ctx.fillStyle = stroke;
            ctx.lineWidth = Math.max(1.2 / s, 1.9);
            ctx.lineCap = "round";
            ctx.lineJoin = "round";
            function line(pts) {
                ctx.beginPath();
                ctx.moveTo(pts[0], pts[1]);
                for (let i = 2; i < pts.length; i += 2)
                    ctx.lineTo(pts[i], pts[i + 1]);
                ctx.stroke();
            }
            function box(x, y, w, h, r) {
                ctx.beginPath();
                ctx.roundedRect(x, y, w, h, r, r);
                ctx.stroke();
            }
            function circle(x, y, r, fill) {
                ctx.beginPath();
                ctx.arc(x, y, r, 0, 2 * Math.PI);
                if (fill)
                    ctx.fill();
                else
                    ctx.stroke();
            }
            switch (name) {
            case "FOTO": // lightning flash
                ctx.beginPath();
                ctx.moveTo(13.5, 2.5);
                ctx.lineTo(4.5, 13.5);
                ctx.lineTo(11.5, 13.5);
                ctx.lineTo(10.5, 21.5);
                ctx.lineTo(19.5, 10.5);
                ctx.lineTo(12.5, 10.5);
                ctx.closePath();
                ctx.stroke();
                break;
            case "SHULTZ": // table of cells
                box(3, 3, 18, 18, 2.5);
                line([9, 3, 9, 21]);
                line([15, 3, 15, 21]);
                line([3, 9, 21, 9]);
                line([3, 15, 21, 15]);
                circle(12, 12, 1.3, true);
                break;
            case "UGOL": // eye with a wide field
                ctx.beginPath();
                ctx.moveTo(2, 12);
                ctx.bezierCurveTo(5.5, 5.5, 18.5, 5.5, 22, 12);
                ctx.bezierCurveTo(18.5, 18.5, 5.5, 18.5, 2, 12);
                ctx.closePath();
                ctx.stroke();
                circle(12, 12, 3, false);
                circle(12, 12, 1, true);
                break;
            case "BUKVA": // letter with tally marks
                line([3, 20, 8, 4, 13, 20]);
                line([4.8, 14.5, 11.2, 14.5]);
                line([17, 9, 17, 20]);
                line([21, 9, 21, 20]);
                break;
            case "FINDWORD": // magnifier over lines of text
                line([3, 4.5, 18, 4.5]);
                line([3, 9.5, 8, 9.5]);
                line([3, 14.5, 6, 14.5]);
                circle(14, 14, 4.8, false);
                line([17.5, 17.5, 21, 21]);
                break;
            case "METRONOM":
                ctx.beginPath();
                ctx.moveTo(6, 21);
                ctx.lineTo(10, 3);
                ctx.lineTo(14, 3);
                ctx.lineTo(18, 21);
                ctx.closePath();
                ctx.stroke();
                line([12, 16, 18.5, 6]);
                line([7.5, 16, 16.5, 16]);
                break;
            case "MIX": // shuffle
                ctx.beginPath();
                ctx.moveTo(3, 7);
                ctx.lineTo(6, 7);
                ctx.bezierCurveTo(12, 7, 12, 17, 18, 17);
                ctx.lineTo(21, 17);
                ctx.moveTo(3, 17);
                ctx.lineTo(6, 17);
                ctx.bezierCurveTo(12, 17, 12, 7, 18, 7);
                ctx.lineTo(21, 7);
                ctx.stroke();
                line([18, 4, 21, 7, 18, 10]);
                line([18, 14, 21, 17, 18, 20]);
                break;
            case "ZADOM": // back and forth
                line([4, 8, 20, 8]);
                line([16.5, 4.5, 20, 8, 16.5, 11.5]);
                line([20, 16, 4, 16]);
                line([7.5, 12.5, 4, 16, 7.5, 19.5]);
                break;
            case "VOWEL": // a struck-out vowel
                circle(12, 12, 7, false);
                line([5, 19, 19, 5]);
                break;
            case "RANDOM": // letters with a gap
                box(2, 6, 6, 11, 1.5);
                line([10, 17, 14, 17]);
                box(16, 6, 6, 11, 1.5);
                break;
            case "DOBLANKS": // a space closing up
                line([7, 13, 7, 17, 17, 17, 17, 13]);
                line([2, 7, 8, 7]);
                line([5.5, 4.5, 8, 7, 5.5, 9.5]);
                line([22, 7, 16, 7]);
                line([18.5, 4.5, 16, 7, 18.5, 9.5]);
                break;
            case "DOMINANTA": // key
                circle(8, 16, 4.5, false);
                line([11.2, 12.8, 20, 4]);
                line([17, 7, 20, 10]);
                line([14.5, 9.5, 16.5, 11.5]);
                break;
            case "7BLOKS": // blocks put back in place
                box(3, 3, 8, 8, 1.5);
                box(13, 3, 8, 8, 1.5);
                box(3, 13, 8, 8, 1.5);
                ctx.save();
                ctx.translate(17.5, 17.5);
                ctx.rotate(Math.PI / 12);
                ctx.beginPath();
                ctx.roundedRect(-4, -4, 8, 8, 1.5, 1.5);
                ctx.fill();
                ctx.restore();
                break;
            case "CHASTOTA": // bar chart
                ctx.lineWidth = 3;
                line([5, 20, 5, 13]);
                line([10, 20, 10, 5]);
                line([15, 20, 15, 10]);
                line([20, 20, 20, 15]);
                break;
            case "INDEXER": // tree
                circle(5, 5, 2, false);
                line([5, 7, 5, 18, 10, 18]);
                line([5, 11.5, 10, 11.5]);
                box(12, 9.5, 9, 4, 1.2);
                box(12, 16, 9, 4, 1.2);
                break;
            case "FONT": // sliders
                line([3, 6, 6, 6]);
                line([11, 6, 21, 6]);
                circle(8.5, 6, 2.3, false);
                line([3, 12, 13, 12]);
                line([18, 12, 21, 12]);
                circle(15.5, 12, 2.3, false);
                line([3, 18, 5, 18]);
                line([10, 18, 21, 18]);
                circle(7.5, 18, 2.3, false);
                break;
            case "BOOK": // open book
                ctx.beginPath();
                ctx.moveTo(12, 6.5);
                ctx.bezierCurveTo(9.5, 4.5, 5.5, 4, 2.5, 5);
                ctx.lineTo(2.5, 19);
                ctx.bezierCurveTo(5.5, 18, 9.5, 18.5, 12, 20.5);
                ctx.bezierCurveTo(14.5, 18.5, 18.5, 18, 21.5, 19);
                ctx.lineTo(21.5, 5);
                ctx.bezierCurveTo(18.5, 4, 14.5, 4.5, 12, 6.5);
                ctx.closePath();
                ctx.stroke();
                line([12, 6.5, 12, 20.5]);
                break;
            case "QUIT": // power
                ctx.beginPath();
                ctx.arc(12, 13, 8, -Math.PI / 2 + 0.75, 3 * Math.PI / 2 - 0.75);
                ctx.stroke();
                line([12, 3, 12, 12]);
                break;
            }
        }
    }
}
