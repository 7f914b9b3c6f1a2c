// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_window/form1_layout.h"
#include "layout_lookup.h"
#include "toolkit/windows1252.h"

#include <QSet>
#include <QStringList>
#include <QTest>

#include <map>

using layout_test::text;
using toolkit::ElementKind;

Q_DECLARE_METATYPE(toolkit::ElementKind)

namespace {

QStringList numbered(const QString& kind, int from, int to) {
    QStringList names;
    const int step = from <= to ? 1 : -1;
    for (int i = from; i != to + step; i += step) {
        names << kind + QString::number(i);
    }
    return names;
}

QStringList labels(std::initializer_list<int> numbers) {
    QStringList names;
    for (int n : numbers) {
        names << QStringLiteral("Label%1").arg(n);
    }
    return names;
}

QStringList images(std::initializer_list<int> numbers) {
    QStringList names;
    for (int n : numbers) {
        names << QStringLiteral("Image%1").arg(n);
    }
    return names;
}

// Front to back, group by group.
QStringList frontToBack() {
    return numbered("Text", 13, 1) + QStringList{"Label111"} + labels({110, 90, 85, 80, 71, 66}) +
           QStringList{"Image126", "Image125"} +
           labels({65, 105, 104, 87, 109, 108, 107, 106, 103}) + numbered("Label", 102, 91) +
           labels({89, 88, 86, 84, 83, 82, 81, 79, 78, 77, 76, 75}) +
           QStringList{"Image124", "Shape1"} + images({74, 71, 72, 73, 75, 76}) +
           numbered("Image", 70, 61) + labels({74, 73, 72, 70, 69, 68, 67, 64}) +
           images({123, 122, 121}) + labels({63, 62, 61}) + images({116, 117, 120, 118, 119}) +
           numbered("Image", 115, 77) + numbered("Image", 60, 1) + numbered("Label", 60, 1);
}

} // namespace

class TestForm1Window : public QObject {
    Q_OBJECT
  private slots:
    void window() {
        const toolkit::WindowSpec& spec = clock_window::form1Layout();
        QCOMPARE(text(spec.name), QStringLiteral("Form1"));
        QCOMPARE(spec.clientWidth, 11880);
        QCOMPARE(spec.clientHeight, 8490);
        QVERIFY(spec.background == (toolkit::PictureId{"dial-background", 0}));
        QVERIFY(spec.closeButton);
        QVERIFY(text(spec.caption).endsWith(QStringLiteral("   Io gioco con l'ardesino")));
        QVERIFY(!text(spec.caption).startsWith(QStringLiteral("   ")));
    }

    void elementsByKind_data() {
        QTest::addColumn<ElementKind>("kind");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("count");
        QTest::newRow("labels") << ElementKind::Label << "Label" << 111;
        QTest::newRow("pictures") << ElementKind::Picture << "Image" << 126;
        QTest::newRow("answer boxes") << ElementKind::TextBox << "Text" << 13;
        QTest::newRow("shape") << ElementKind::Shape << "Shape" << 1;
    }
    // Each kind holds exactly its numbered names, once each.
    void elementsByKind() {
        QFETCH(ElementKind, kind);
        QFETCH(QString, prefix);
        QFETCH(int, count);
        QStringList names;
        for (const toolkit::ElementSpec& element : clock_window::form1Layout().elements) {
            if (element.kind == kind) {
                names << text(element.name);
            }
        }
        QCOMPARE(names.size(), count);
        const QStringList expected = numbered(prefix, 1, count);
        QCOMPARE(QSet<QString>(names.begin(), names.end()),
                 QSet<QString>(expected.begin(), expected.end()));
    }

    void elementCountAndUniqueNames() {
        const auto& elements = clock_window::form1Layout().elements;
        QCOMPARE(elements.size(), std::size_t{251});
        QSet<QString> names;
        for (const toolkit::ElementSpec& element : elements) {
            names.insert(text(element.name));
        }
        QCOMPARE(names.size(), 251);
    }

    // The layout lists elements back to front.
    void stackingOrder() {
        const QStringList expected = frontToBack();
        QCOMPARE(expected.size(), 251);
        QStringList actual;
        for (const toolkit::ElementSpec& element : clock_window::form1Layout().elements) {
            actual.prepend(text(element.name));
        }
        for (int i = 0; i < expected.size(); ++i) {
            QVERIFY2(actual.value(i) == expected[i],
                     qPrintable(QStringLiteral("position %1 from the front: %2, expected %3")
                                    .arg(i + 1)
                                    .arg(actual.value(i), expected[i])));
        }
    }

    // Only the alarm clock, "INFO" and the answer boxes have their own pointer, and only the
    // alarm clock a tooltip.
    void pointersAndTooltips() {
        std::map<QString, QString> pointers{{"Image124", "pointing-hand"},
                                            {"Label83", "pointing-hand"}};
        for (const QString& box : numbered("Text", 1, 13)) {
            pointers[box] = "writing-hand";
        }
        for (const toolkit::ElementSpec& element : clock_window::form1Layout().elements) {
            const QString name = text(element.name);
            const auto found = pointers.find(name);
            QCOMPARE(text(element.pointer), found == pointers.end() ? QString() : found->second);
            QCOMPARE(text(element.tooltip),
                     name == "Image124" ? QStringLiteral("TI DÒ LE ORE") : QString());
        }
    }

    // Every text must survive the conversion to the model's one-byte character set.
    void textsFitWindows1252() {
        for (const toolkit::ElementSpec& element : clock_window::form1Layout().elements) {
            for (std::string_view utf8 : {element.caption, element.tooltip}) {
                const std::string converted = toolkit::windows1252::fromUtf8(utf8);
                QCOMPARE(toolkit::windows1252::toUtf8(converted), std::string(utf8));
                QCOMPARE(converted.size(), std::size_t(text(utf8).size()));
            }
        }
    }

    void captionsOnlyOnLabels() {
        for (const toolkit::ElementSpec& element : clock_window::form1Layout().elements) {
            if (element.kind != ElementKind::Label) {
                QVERIFY2(element.caption.empty(), qPrintable(text(element.name)));
            } else {
                QVERIFY2(!element.caption.empty(), qPrintable(text(element.name)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestForm1Window)
#include "tst_form1_window.moc"
