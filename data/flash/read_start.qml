// Start movie: about ten seconds of words flashing on a reading line, an eye opening in their
// focus point and the product name forming around it. Any click or key skips it.
import QtQuick

Item {
    id: root

    signal fscommand(string command, string args)

    width: 1920
    height: 1080
    focus: true

    // Master clock in milliseconds; every moving part is a function of it, so stop() freezes
    // the whole scene at once and nothing drifts out of step when frames are dropped.
    property real t: 0
    readonly property real duration: 10000
    property bool quitSent: false

    readonly property real u: Math.min(width / 1920, height / 1080)
    readonly property color ink: "#0b111d"
    readonly property color paper: "#eef2f8"
    readonly property color accent: "#4fd1c5"
    readonly property color warm: "#ffb454"

    // The movie starts by itself; play() resumes it after stop().
    function play() {
        if (clock.paused)
            clock.resume();
        else if (!clock.running && !quitSent)
            clock.start();
    }

    function stop() {
        if (clock.running)
            clock.pause();
    }

    function quit() {
        if (quitSent)
            return;
        quitSent = true;
        clock.stop();
        fscommand("quit", "");
    }

    // 0..1 progress of the clock between two moments.
    function ramp(a, b) {
        return Math.max(0, Math.min(1, (t - a) / (b - a)));
    }
    function easeOut(x) {
        return 1 - Math.pow(1 - x, 3);
    }
    function easeInOut(x) {
        return x < 0.5 ? 4 * x * x * x : 1 - Math.pow(-2 * x + 2, 3) / 2;
    }
    function easeOutBack(x) {
        const c1 = 1.70158, c3 = c1 + 1;
        return 1 + c3 * Math.pow(x - 1, 3) + c1 * Math.pow(x - 1, 2);
    }

    Keys.onPressed: event => {
        event.accepted = true;
        root.quit();
    }

    NumberAnimation {
        id: clock
        target: root
        property: "t"
        from: 0
        to: root.duration
        duration: root.duration
        running: true
        onFinished: root.quit()
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        cursorShape: Qt.BusyCursor
        onPressed: root.quit()
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#0e1628" }
            GradientStop { position: 1.0; color: root.ink }
        }
    }

    // Soft light behind the focus point, painted once per size.
    Canvas {
        id: glow
        anchors.fill: parent
        opacity: 0.25 + 0.75 * root.ramp(0, 1200)
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            const ctx = getContext("2d");
            ctx.reset();
            const cx = width / 2, cy = height * 0.46, r = Math.max(width, height) * 0.55;
            const g = ctx.createRadialGradient(cx, cy, 0, cx, cy, r);
            g.addColorStop(0, "rgba(79, 209, 197, 0.16)");
            g.addColorStop(0.45, "rgba(60, 110, 190, 0.07)");
            g.addColorStop(1, "rgba(0, 0, 0, 0)");
            ctx.fillStyle = g;
            ctx.fillRect(0, 0, width, height);
        }
    }

    Item {
        id: scene
        anchors.fill: parent
        opacity: 1 - root.easeInOut(root.ramp(9300, 9950))

        // An abstract page of text: rows of word-shaped bars, with a fixation mark jumping
        // along one line the way the eye moves while reading.
        Item {
            id: page
            anchors.fill: parent
            opacity: 0.9 * root.ramp(100, 1100) * (1 - 0.65 * root.ramp(4400, 5600))

            readonly property int lines: 13
            readonly property real x0: width * 0.08
            readonly property real lineWidth: width * 0.84
            readonly property real y0: height * 0.07
            readonly property real lineGap: height * 0.8 / (lines - 1)
            readonly property real barHeight: Math.max(4, Math.round(11 * root.u))
            readonly property real gap: Math.max(8, 20 * root.u)
            readonly property int activeLine: [2, 10, 3, 11][Math.floor(root.t / 1700) % 4]

            function lineY(i) {
                return y0 + i * lineGap;
            }
            // Word lengths of line i as fractions of the line, from a fixed pseudo-random
            // sequence; the last line of a paragraph stops short.
            function wordsOf(i) {
                const n = 7 + (i * 5) % 4, out = [];
                let sum = 0;
                for (let k = 0; k < n; ++k) {
                    const r = Math.abs(Math.sin((i * 11 + k + 1) * 78.233) * 9741.31) % 1;
                    out.push(0.4 + r);
                    sum += 0.4 + r;
                }
                const fill = (i === 4 || i === 9) ? 0.55 : 1.0;
                return out.map(w => w / sum * fill);
            }

            Repeater {
                model: page.lines
                delegate: Row {
                    id: line
                    required property int index
                    readonly property var words: page.wordsOf(index)
                    x: page.x0
                    y: page.lineY(index) - page.barHeight / 2
                    spacing: page.gap
                    // The band behind the word reader and its speed label stays clear.
                    visible: page.lineY(index) < root.height * 0.32 || page.lineY(index) > root.height * 0.64
                    Repeater {
                        model: line.words.length
                        delegate: Rectangle {
                            required property int index
                            width: line.words[index] * (page.lineWidth - page.gap * (line.words.length - 1))
                            height: page.barHeight
                            radius: height / 2
                            color: "#1c2a44"
                        }
                    }
                }
            }

            // Fixation mark: hops across a line in saccades, then sweeps back.
            Rectangle {
                readonly property real phase: (root.t % 1700) / 1700
                readonly property int stepNo: Math.min(4, Math.floor(phase * 5))
                readonly property real hop: Math.min(1, (phase * 5 - stepNo) * 6)
                readonly property real from: stepNo === 0 ? 1 : (stepNo - 1) / 4
                readonly property real pos: from + (stepNo / 4 - from) * root.easeOut(hop)
                width: page.lineWidth * 0.14
                height: page.barHeight * 2.4
                radius: height / 2
                x: page.x0 - page.gap + pos * (page.lineWidth - width + 2 * page.gap)
                y: page.lineY(page.activeLine) - height / 2
                color: root.accent
                opacity: 0.12 * (1 - root.ramp(4200, 5000))
                visible: opacity > 0
            }
        }

        // Rapid serial word flashing on a reading line, the pivot letter in the middle.
        Item {
            id: reader
            anchors.horizontalCenter: parent.horizontalCenter
            y: root.height * 0.46 - height / 2
            width: Math.min(root.width * 0.62, 1100 * root.u)
            height: 230 * root.u
            opacity: root.ramp(500, 900) * (1 - root.ramp(4100, 4450))
            visible: opacity > 0

            readonly property var words: ["read", "читать", "see", "видеть", "focus", "фокус", "faster",
                "быстрее", "words", "слова", "meaning", "смысл", "understand", "понимать", "remember",
                "помнить", "attention", "внимание", "vision", "зрение", "rhythm", "ритм", "more", "больше"]
            // Each word stays a little shorter than the one before: the reader speeds up.
            readonly property real start: 800
            function shownFor(i) {
                return Math.max(70, 380 * Math.pow(0.88, i));
            }
            function indexAt(ms) {
                let at = start, i = 0;
                while (i < words.length - 1) {
                    const d = shownFor(i);
                    if (ms < at + d)
                        break;
                    at += d;
                    ++i;
                }
                return i;
            }
            readonly property int current: root.t < start ? 0 : indexAt(root.t)
            readonly property string word: words[current]
            readonly property int pivot: word.length <= 1 ? 0 : word.length <= 5 ? 1 : word.length <= 9 ? 2 : 3
            readonly property int wpm: Math.round(60000 / shownFor(current) / 10) * 10

            // Reading speed of the current word, climbing as the words speed up.
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                y: parent.height + 26 * root.u
                spacing: 10 * root.u
                Text {
                    id: wpmNumber
                    text: reader.wpm
                    color: root.accent
                    font.pixelSize: Math.round(30 * root.u)
                    font.bold: true
                }
                Text {
                    anchors.baseline: wpmNumber.baseline
                    text: "wpm  ·  слов в минуту"
                    color: "#6f83a3"
                    font.pixelSize: Math.round(22 * root.u)
                }
            }

            Rectangle {
                width: parent.width
                height: Math.max(1, 2 * root.u)
                y: parent.height * 0.12
                color: "#2b3b58"
            }
            Rectangle {
                width: parent.width
                height: Math.max(1, 2 * root.u)
                y: parent.height * 0.88
                color: "#2b3b58"
            }
            Rectangle {
                x: parent.width / 2 - width / 2
                y: parent.height * 0.12
                width: Math.max(2, 3 * root.u)
                height: parent.height * 0.1
                color: root.warm
            }
            Rectangle {
                x: parent.width / 2 - width / 2
                y: parent.height * 0.78
                width: Math.max(2, 3 * root.u)
                height: parent.height * 0.1
                color: root.warm
            }

            Item {
                id: wordBox
                anchors.fill: parent
                readonly property int size: Math.round(92 * root.u)

                Text {
                    id: pivotText
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.verticalCenter: parent.verticalCenter
                    text: reader.word.charAt(reader.pivot)
                    color: root.warm
                    font.pixelSize: wordBox.size
                }
                Text {
                    anchors.right: pivotText.left
                    anchors.baseline: pivotText.baseline
                    text: reader.word.substring(0, reader.pivot)
                    color: root.paper
                    font.pixelSize: wordBox.size
                }
                Text {
                    anchors.left: pivotText.right
                    anchors.baseline: pivotText.baseline
                    text: reader.word.substring(reader.pivot + 1)
                    color: root.paper
                    font.pixelSize: wordBox.size
                }
            }
        }

        // The title; its "o" is the eye that opened in the focus point.
        FontMetrics {
            id: titleMetrics
            font: qText.font
        }
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
        TextMetrics {
            id: rMetrics
            font: qText.font
            text: "r"
        }

        Item {
            id: title
            readonly property real eyeSize: Math.round(titleMetrics.xHeight * 1.06)
            readonly property real stroke: Math.max(2, Math.round(titleMetrics.xHeight * 0.06))
            readonly property real rowWidth: qText.advance + oSlot.width + rText.advance
            readonly property real form: root.easeInOut(root.ramp(5600, 6700))
            // Until the letters arrive the eye sits in the centre of the screen; then the word
            // settles around it, centred as a whole and a little higher.
            readonly property real eyeCentreX: qText.advance + oSlot.width / 2
            readonly property real startX: root.width / 2 - eyeCentreX
            readonly property real endX: (root.width - rowWidth) / 2
            readonly property real startY: root.height * 0.46 - (qText.baselineOffset - eyeSize / 2)
            readonly property real endY: root.height * 0.40 - qText.baselineOffset + eyeSize / 2 - titleMetrics.ascent * 0.25
            x: startX + (endX - startX) * form
            y: startY + (endY - startY) * form
            width: rowWidth
            height: qText.height

            Text {
                id: qText
                readonly property real advance: qMetrics.advanceWidth
                x: -root.width * 0.04 * (1 - title.form)
                text: "Q"
                color: root.paper
                opacity: title.form
                font.pixelSize: Math.round(250 * root.u)
                font.weight: Font.ExtraLight
            }
            Item {
                id: oSlot
                x: qText.advance
                width: oMetrics.advanceWidth
                height: qText.height

                // Ripples sent out when the eye opens.
                Repeater {
                    model: 3
                    delegate: Rectangle {
                        required property int index
                        readonly property real p: root.ramp(4500 + index * 220, 5900 + index * 220)
                        anchors.centerIn: eye
                        width: title.eyeSize * (1 + p * 4.5)
                        height: width
                        radius: width / 2
                        color: "transparent"
                        border.color: root.accent
                        border.width: Math.max(1, title.stroke * 0.5)
                        opacity: p > 0 && p < 1 ? 0.5 * (1 - p) : 0
                        visible: opacity > 0
                    }
                }

                Rectangle {
                    id: eye
                    readonly property real open: root.easeOutBack(root.ramp(4400, 5000))
                    // A blink late in the show.
                    readonly property real blink: 1 - Math.sin(Math.PI * root.ramp(8200, 8420))
                    x: (parent.width - width) / 2
                    y: qText.baselineOffset - height + height * (1 - eye.blink) / 2
                    width: title.eyeSize
                    height: title.eyeSize * Math.max(0.08, blink)
                    radius: Math.min(width, height) / 2
                    color: "transparent"
                    border.color: root.paper
                    border.width: title.stroke
                    scale: Math.max(0, open)
                    visible: open > 0

                    // The pupil reads: three saccades to the right, one return sweep.
                    Rectangle {
                        readonly property real phase: (Math.max(0, root.t - 4700) % 1500) / 1500
                        readonly property int stepNo: Math.min(3, Math.floor(phase * 4))
                        readonly property real hop: root.easeOut(Math.min(1, (phase * 4 - stepNo) * 5))
                        readonly property var stops: [-0.42, -0.08, 0.26, 0.42]
                        readonly property real from: stops[(stepNo + 3) % 4]
                        readonly property real pos: from + (stops[stepNo] - from) * hop
                        readonly property real settle: root.easeInOut(root.ramp(7600, 8000))
                        width: title.eyeSize * 0.36
                        height: Math.min(width, parent.height * 0.8)
                        radius: height / 2
                        anchors.verticalCenter: parent.verticalCenter
                        x: (parent.width - width) / 2 + pos * (1 - settle) * (parent.width - width - 2 * title.stroke) / 2
                        color: root.accent
                        visible: eye.blink > 0.3
                    }
                }
            }
            Text {
                id: rText
                readonly property real advance: rMetrics.advanceWidth
                x: qText.advance + oSlot.width + root.width * 0.04 * (1 - title.form)
                text: "r"
                color: root.paper
                opacity: title.form
                font: qText.font
            }
        }

        Column {
            id: subtitle
            anchors.horizontalCenter: parent.horizontalCenter
            y: title.y + qText.baselineOffset + 48 * root.u + 20 * root.u * (1 - root.easeOut(root.ramp(6500, 7300)))
            spacing: 14 * root.u
            opacity: root.ramp(6500, 7300)
            visible: opacity > 0

            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 120 * root.u * root.easeInOut(root.ramp(6600, 7500))
                height: Math.max(2, 3 * root.u)
                radius: height / 2
                color: root.accent
            }
            Item {
                width: 1
                height: 10 * root.u
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "Speed reading trainer"
                color: root.paper
                font.pixelSize: Math.round(46 * root.u)
                font.letterSpacing: 2 * root.u
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "Тренажёр скорочтения"
                color: "#8fa3c0"
                font.pixelSize: Math.round(34 * root.u)
                font.letterSpacing: 1.5 * root.u
            }
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 48 * root.u
            text: "Click or press any key to skip  ·  Щелчок или любая клавиша — пропустить"
            color: "#5d6f8c"
            font.pixelSize: Math.max(11, Math.round(20 * root.u))
            opacity: root.ramp(1500, 2300)
        }

        // Thin progress line along the bottom edge.
        Rectangle {
            anchors.bottom: parent.bottom
            width: root.width * root.t / root.duration
            height: Math.max(2, 3 * root.u)
            color: root.accent
            opacity: 0.45
        }
    }
}
