// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_lines.h"

#include "key_script.h"
#include "panel_state.h"

#include "toolkit/windows1252.h"

#include <QRegularExpression>

#include <optional>
#include <vector>

namespace clock_test {

namespace {

const QString showSuccessLine = "show success";
const QString arrow = " => ";
const QString perKeyMark = "; per key: ";
const QString effectSeparator = ", ";

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

// The step a line's part before "=>" names, if it reads as one.
std::optional<Step> parseStep(const QString& action) {
    if (action == showSuccessLine) {
        return Step{{}, StepKind::ShowSuccess, {}};
    }
    static const QRegularExpression stepPattern(
        R"re(^(Text\d+) (types|presses|pastes) "(.*)"$|^(Text\d+)( releases)?$)re",
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = stepPattern.match(action);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    if (!match.captured(4).isEmpty()) {
        const StepKind kind = match.captured(5).isEmpty() ? StepKind::Looked : StepKind::Released;
        return Step{match.captured(4).toStdString(), kind, {}};
    }
    return Step{match.captured(1).toStdString(), kindOf(match.captured(2)),
                modelText(match.captured(3))};
}

// The effects a "per key" part names, read for the events the step has.
std::optional<KeyEffect> parseEffects(const QString& effects, StepKind kind) {
    const QStringList parts = effects.split(effectSeparator);
    for (const QString& part : parts) {
        if (part != "typing" && part != "success" && part != "unchanged") {
            return std::nullopt;
        }
    }
    if (kind == StepKind::Typed && parts.size() == 2) {
        return KeyEffect{parts[0].toStdString(), parts[1].toStdString(), {}};
    }
    if (kind == StepKind::Held && parts.size() == 1) {
        return KeyEffect{parts[0].toStdString(), {}, {}};
    }
    if (kind == StepKind::Released && parts.size() == 1) {
        return KeyEffect{{}, parts[0].toStdString(), {}};
    }
    return std::nullopt;
}

struct ScriptLine {
    Step step;
    QString expected;                // "" for show success
    std::optional<KeyEffect> perKey; // the effects every key must have, when the line checks them
};

std::optional<ScriptLine> parseLine(const QString& line) {
    const qsizetype split = line.indexOf(arrow);
    const std::optional<Step> step = parseStep(split < 0 ? line : line.left(split));
    if (!step || (split < 0) != (step->kind == StepKind::ShowSuccess)) {
        return std::nullopt;
    }
    ScriptLine parsed{*step, split < 0 ? QString() : line.mid(split + arrow.size()), {}};
    const qsizetype perKey = parsed.expected.lastIndexOf(perKeyMark);
    if (perKey >= 0) {
        parsed.perKey = parseEffects(parsed.expected.mid(perKey + perKeyMark.size()), step->kind);
        if (!parsed.perKey) {
            return std::nullopt;
        }
        parsed.expected.truncate(perKey);
    }
    return parsed;
}

QString describe(clock_window::Form1& form, const std::string& box) {
    std::string description = boxState(form.textBox(box)) + " " + facesOf(form);
    const std::string pictures = picturesOf(form);
    description += pictures.empty() ? "" : " " + pictures;
    return QString::fromStdString(description);
}

// The first key whose effects differ from the line's, described, or "".
QString keyMismatch(const std::vector<KeyEffect>& effects, const KeyEffect& expected,
                    const std::string& picturesAtEnd) {
    for (std::size_t i = 0; i < effects.size(); ++i) {
        const KeyEffect& effect = effects[i];
        const QString key = QString("key %1").arg(i + 1);
        if (effect.press != expected.press) {
            return QString("%1's press gave <%2>, expected <%3>")
                .arg(key, QString::fromStdString(effect.press),
                     QString::fromStdString(expected.press));
        }
        if (effect.release != expected.release) {
            return QString("%1's release gave <%2>, expected <%3>")
                .arg(key, QString::fromStdString(effect.release),
                     QString::fromStdString(expected.release));
        }
        if (effect.pictures != picturesAtEnd) {
            return QString("after %1 the pictures were <%2>, not <%3> as at the end")
                .arg(key, QString::fromStdString(effect.pictures),
                     QString::fromStdString(picturesAtEnd));
        }
    }
    return {};
}

} // namespace

QString runScriptLines(clock_window::Form1& form, const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<ScriptLine> line = parseLine(lines[i]);
        if (!line) {
            return QString("step %1 is unreadable: <%2>").arg(i + 1).arg(lines[i]);
        }
        const QString where =
            QString("step %1 <%2>: ").arg(i + 1).arg(lines[i].section(arrow, 0, 0));
        if (line->perKey) {
            const std::vector<KeyEffect> effects = runStepMarked(form, line->step);
            const QString mismatch = keyMismatch(effects, *line->perKey, picturesOf(form));
            if (!mismatch.isEmpty()) {
                return where + mismatch;
            }
        } else {
            runStep(form, line->step);
        }
        if (line->step.kind == StepKind::ShowSuccess) {
            continue;
        }
        const QString actual = describe(form, line->step.box);
        if (actual != line->expected) {
            return where + QString("got <%1>, expected <%2>").arg(actual, line->expected);
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
