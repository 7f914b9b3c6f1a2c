#include "drawn_clock.h"

#include "toolkit/key_delivery.h"
#include "toolkit/windows1252.h"

#include <QRegularExpression>

float drawValueForMode(int sclt) {
    return (sclt - 1) / 2.0f + 0.25f;
}
float drawValueForMinutes(int m) {
    return (m - 0.5f) / 60.0f;
}
float drawValueForHour(int h) {
    return (h - 0.5f) / 12.0f;
}

float DrawnClock::ScriptedRandom::next() {
    if (values.empty()) {
        overdrawn = true;
        return 0.0f;
    }
    const float value = values.front();
    values.pop_front();
    return value;
}

DrawnClock::DrawnClock(int sclt, int h, int m)
    : sclt_(sclt), h_(h), m_(m), randomness_(source_, [] { return 0.0; }),
      form_(host_, randomness_) {
    form_.Show();
    source_.values = {drawValueForMode(sclt), drawValueForMode(sclt), drawValueForMinutes(m),
                      drawValueForHour(h)};
    form_.Image124.Click();
}

namespace {
QString timeText(double sclt, int h, int m) {
    return QString("%1 %2:%3").arg(sclt).arg(h).arg(m);
}
} // namespace

QString DrawnClock::askedTime() const {
    return timeText(sclt_, h_, m_);
}

QString DrawnClock::drawnTime() const {
    const clock_window::ExerciseState state = form_.exerciseState();
    QString drawn = timeText(state.sclt, state.h, state.m);
    if (!source_.values.empty() || source_.overdrawn) {
        drawn += " with the random values miscounted";
    }
    return drawn;
}

namespace {
QString facesOf(const clock_window::Form1& form) {
    const bool sad = form.Image121.Visible;
    const bool neutral = form.Image122.Visible;
    const bool happy = form.Image123.Visible;
    if (!sad && neutral && !happy) {
        return "typing";
    }
    if (!sad && !neutral && happy) {
        return "success";
    }
    return QString("faces %1%2%3").arg(int(sad)).arg(int(neutral)).arg(int(happy));
}

// Scripts are raw strings, so the few escapes they use are read here: \b Backspace, \r Enter,
// \xHH any code, \\ a backslash.
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
} // namespace

QString DrawnClock::describe(const QString& boxName) {
    const toolkit::TextBox& box = form_.textBox(boxName.toStdString());
    const QString text = QString::fromStdString(toolkit::windows1252::toUtf8(box.Text));
    return QString("\"%1\" %2 %3").arg(text, box.Enabled ? "open" : "locked", facesOf(form_));
}

QString DrawnClock::perform(const QString& action) {
    if (action == "show success") {
        form_.Image121.Visible = false;
        form_.Image122.Visible = false;
        form_.Image123.Visible = true;
        return "success shown";
    }
    static const QRegularExpression stepPattern(
        R"re(^(Text\d+) (types|presses|pastes) "(.*)"$|^(Text\d+) releases$)re",
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = stepPattern.match(action);
    if (!match.hasMatch()) {
        return "unreadable step: " + action;
    }
    if (!match.captured(4).isEmpty()) {
        toolkit::runKeyUp(form_.textBox(match.captured(4).toStdString()));
        return describe(match.captured(4));
    }
    const QString boxName = match.captured(1);
    const QString verb = match.captured(2);
    const std::string keys = modelText(match.captured(3));
    toolkit::TextBox& box = form_.textBox(boxName.toStdString());
    if (verb == "types") {
        toolkit::typeText(box, keys);
    } else if (verb == "presses") {
        for (const char key : keys) {
            toolkit::pressKey(box, static_cast<std::int16_t>(static_cast<unsigned char>(key)));
        }
    } else {
        toolkit::pasteText(box, keys);
    }
    return describe(boxName);
}

QString DrawnClock::runScript(const QStringList& script) {
    for (int i = 0; i < script.size(); ++i) {
        const QStringList parts = script[i].split(" => ");
        const QString expected = parts.size() == 2 ? parts[1] : "success shown";
        const QString actual = perform(parts[0]);
        if (actual != expected) {
            return QString("step %1 <%2>: got <%3>, expected <%4>")
                .arg(i + 1)
                .arg(parts[0], actual, expected);
        }
    }
    return {};
}
