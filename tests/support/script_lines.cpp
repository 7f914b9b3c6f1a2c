// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_lines.h"

#include "key_script_runner.h"
#include "panel_state.h"

#include "toolkit/windows1252.h"

#include <QRegularExpression>

namespace clock_test {

namespace {

const QString showSuccessLine = "show success";
const QString arrow = " => ";

// Scripts are raw strings, so the few escapes they use are read here.
QString unescaped(const QString& keys) {
    QString out;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i] != '\\' || i + 1 == keys.size()) {
            out += keys[i];
            continue;
        }
        const QChar code = keys[++i];
        if (code == 'b') {
            out += QChar(8);
        } else if (code == 'r') {
            out += QChar(13);
        } else if (code == 'x' && i + 2 < keys.size()) {
            out += QChar(keys.mid(i + 1, 2).toUShort(nullptr, 16));
            i += 2;
        } else {
            out += code;
        }
    }
    return out;
}

std::string modelText(const QString& keys) {
    return toolkit::windows1252::fromUtf8(unescaped(keys).toUtf8().toStdString());
}

StepKind kindOf(const QString& verb) {
    if (verb == "types") {
        return StepKind::Typed;
    }
    return verb == "presses" ? StepKind::Held : StepKind::Pasted;
}

QString describe(clock_window::Form1& form, const std::string& box) {
    return QString::fromStdString(boxState(form.textBox(box)) + " " + facesOf(form));
}

} // namespace

std::optional<Step> parseStep(const QString& action) {
    if (action == showSuccessLine) {
        return Step{{}, StepKind::ShowSuccess, {}};
    }
    static const QRegularExpression stepPattern(
        R"re(^(Text\d+) (types|presses|pastes) "(.*)"$|^(Text\d+) releases$)re",
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = stepPattern.match(action);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    if (!match.captured(4).isEmpty()) {
        return Step{match.captured(4).toStdString(), StepKind::Released, {}};
    }
    return Step{match.captured(1).toStdString(), kindOf(match.captured(2)),
                modelText(match.captured(3))};
}

QString runScriptLines(clock_window::Form1& form, const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const qsizetype split = line.indexOf(arrow);
        const QString action = split < 0 ? line : line.left(split);
        const std::optional<Step> step = parseStep(action);
        if (!step || (split < 0) != (step->kind == StepKind::ShowSuccess)) {
            return QString("step %1 is unreadable: <%2>").arg(i + 1).arg(line);
        }
        runStep(form, *step);
        if (step->kind == StepKind::ShowSuccess) {
            continue;
        }
        const QString expected = line.mid(split + arrow.size());
        const QString actual = describe(form, step->box);
        if (actual != expected) {
            return QString("step %1 <%2>: got <%3>, expected <%4>")
                .arg(i + 1)
                .arg(action, actual, expected);
        }
    }
    return {};
}

QString runScriptLinesAt(Time t, const QStringList& lines) {
    ClockWindow window(t);
    const std::string drawn = window.drawnTime();
    if (drawn != timeText(t)) {
        return QString::fromStdString("the draw gave " + drawn + ", not " + timeText(t));
    }
    return runScriptLines(window.form, lines);
}

} // namespace clock_test
