// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout_lookup.h"

#include <QTest>

using layout_test::rectOf;
using layout_test::text;
using toolkit::Alignment;
using toolkit::ElementKind;

namespace {

constexpr quint32 white = 0x00FFFFFF;
constexpr quint32 yellow = 0x0000FFFF;
constexpr quint32 green = 0x0000FF00;
constexpr quint32 blue = 0x00FF0000;
constexpr quint32 pink = 0x00FF80FF;

const QString tahoma = QStringLiteral("Tahoma");
const QString times = QStringLiteral("Times New Roman");

} // namespace

class TestForm1Panel : public QObject {
    Q_OBJECT
  private slots:
    void answerBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<quint32>("textColour");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("tabIndex");
        QTest::newRow("Text1 hours")
            << "Text1" << QRect(9240, 1200, 735, 375) << green << 12.0 << 63;
        QTest::newRow("Text2 minutes")
            << "Text2" << QRect(10320, 1200, 735, 375) << yellow << 12.0 << 64;
        QTest::newRow("Text9 noon exact")
            << "Text9" << QRect(8880, 1890, 2295, 495) << white << 12.0 << 93;
        QTest::newRow("Text6 next hour")
            << "Text6" << QRect(9000, 1920, 735, 405) << green << 12.0 << 78;
        QTest::newRow("Text5 minutes to go")
            << "Text5" << QRect(10440, 1920, 735, 405) << yellow << 12.0 << 79;
        QTest::newRow("Text3 hour word")
            << "Text3" << QRect(9000, 5160, 1455, 360) << green << 6.75 << 66;
        QTest::newRow("Text4 fraction word")
            << "Text4" << QRect(10680, 5160, 1215, 360) << yellow << 6.75 << 67;
        QTest::newRow("Text11 noon word")
            << "Text11" << QRect(9000, 5640, 1455, 360) << green << 6.75 << 68;
        QTest::newRow("Text10 noon fraction")
            << "Text10" << QRect(10680, 5640, 1215, 360) << yellow << 6.75 << 69;
        QTest::newRow("Text8 next-hour word")
            << "Text8" << QRect(8520, 6735, 1455, 375) << green << 8.25 << 70;
        QTest::newRow("Text7 UN QUARTO")
            << "Text7" << QRect(10680, 6690, 1215, 405) << yellow << 8.25 << 71;
        QTest::newRow("Text12 noon word meno")
            << "Text12" << QRect(8520, 7215, 1455, 360) << green << 6.75 << 72;
        QTest::newRow("Text13 UN QUARTO")
            << "Text13" << QRect(10680, 7215, 1215, 360) << yellow << 6.75 << 73;
    }
    void answerBoxes() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(quint32, textColour);
        QFETCH(double, points);
        QFETCH(int, tabIndex);
        FETCH_ELEMENT(box, name);
        QCOMPARE(box->kind, ElementKind::TextBox);
        QCOMPARE(rectOf(box->place), place);
        QCOMPARE(box->foreColor, textColour);
        QCOMPARE(box->backColor, std::optional<toolkit::Colour>(blue));
        QCOMPARE(text(box->font.family), times);
        QCOMPARE(box->font.points, points);
        QVERIFY(box->font.bold);
        QCOMPARE(box->alignment, Alignment::Centre);
        QCOMPARE(box->tabIndex, tabIndex);
    }

    void panelLabels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("opaque");
        // clang-format off
        QTest::newRow("Label62 ORE") << "Label62" << "ORE" << QRect(9240, 960, 735, 255) << tahoma << 8.25 << true << false;
        QTest::newRow("Label63 MINUTI") << "Label63" << "MINUTI" << QRect(10320, 960, 735, 255) << tahoma << 8.25 << true << false;
        QTest::newRow("Label73 SONO  LE") << "Label73" << "SONO  LE" << QRect(8280, 1320, 975, 255) << tahoma << 8.25 << false << false;
        QTest::newRow("Label74 È  L'") << "Label74" << "È  L'" << QRect(8760, 1320, 495, 255) << tahoma << 8.25 << false << false;
        QTest::newRow("Label64 e") << "Label64" << "e" << QRect(9960, 1320, 375, 255) << tahoma << 8.25 << true << false;
        QTest::newRow("Label82 SONO  LE") << "Label82" << "SONO  LE" << QRect(8160, 2040, 855, 255) << tahoma << 8.25 << false << false;
        QTest::newRow("Label81 È  L'") << "Label81" << "È  L'" << QRect(8520, 2040, 495, 255) << tahoma << 8.25 << false << false;
        QTest::newRow("Label88 È box") << "Label88" << "È" << QRect(8520, 2040, 375, 375) << tahoma << 8.25 << true << true;
        QTest::newRow("Label72 meno") << "Label72" << "meno" << QRect(9720, 2040, 735, 375) << tahoma << 8.25 << true << false;
        QTest::newRow("Label86 hint") << "Label86" << "MEZZOGIORNO-MEZZANOTTE" << QRect(8760, 2520, 2535, 375) << tahoma << 8.25 << true << false;
        QTest::newRow("Label68 hint") << "Label68" << "15 minuti = UN QUARTO" << QRect(9000, 4080, 2055, 255) << tahoma << 8.25 << false << false;
        QTest::newRow("Label69 hint") << "Label69" << "30 minuti = MEZZO" << QRect(9000, 4440, 1695, 255) << tahoma << 8.25 << false << false;
        QTest::newRow("Label70 hint") << "Label70" << "45 minuti = TRE QUARTI" << QRect(9000, 4800, 2175, 255) << tahoma << 8.25 << false << false;
        QTest::newRow("Label76 SONO  LE") << "Label76" << "SONO  LE" << QRect(8280, 5200, 735, 255) << times << 6.75 << false << false;
        QTest::newRow("Label75 È  L'") << "Label75" << "È  L'" << QRect(8640, 5200, 375, 255) << times << 6.75 << false << false;
        QTest::newRow("Label67 E") << "Label67" << "E" << QRect(10440, 5200, 255, 255) << tahoma << 6.75 << true << false;
        QTest::newRow("Label103 È box") << "Label103" << "È" << QRect(8760, 5700, 255, 255) << tahoma << 6.75 << true << true;
        QTest::newRow("Label106 E") << "Label106" << "E" << QRect(10440, 5700, 255, 255) << tahoma << 6.75 << true << false;
        QTest::newRow("Label109 hint") << "Label109" << "È MEZZOGIORNO" << QRect(9120, 6000, 1215, 255) << times << 6.75 << true << false;
        QTest::newRow("Label87 hint") << "Label87" << "MEZZANOTTE" << QRect(9120, 6240, 1215, 255) << times << 6.75 << true << false;
        QTest::newRow("Label65 hint") << "Label65" << "45 minuti = meno UN QUARTO" << QRect(9000, 6480, 2655, 255) << times << 8.25 << false << false;
        QTest::newRow("Label77 SONO  LE, cut off") << "Label77" << "SONO  LE" << QRect(7800, 6800, 735, 135) << tahoma << 6.75 << false << false;
        QTest::newRow("Label78 È  L', cut off") << "Label78" << "È  L'" << QRect(8040, 6800, 495, 135) << tahoma << 6.75 << false << false;
        QTest::newRow("Label79 MENO, cut off") << "Label79" << "MENO" << QRect(9960, 6800, 735, 135) << tahoma << 6.75 << true << false;
        QTest::newRow("Label108 È box") << "Label108" << "È" << QRect(8280, 7280, 255, 255) << tahoma << 6.75 << true << true;
        QTest::newRow("Label107 MENO") << "Label107" << "MENO" << QRect(10080, 7280, 495, 255) << tahoma << 6.75 << true << false;
        QTest::newRow("Label104 hint") << "Label104" << "MEZZOGIORNO" << QRect(8640, 7680, 1215, 255) << times << 6.75 << true << false;
        QTest::newRow("Label105 hint") << "Label105" << "MEZZANOTTE" << QRect(8640, 7920, 1215, 255) << times << 6.75 << true << false;
        // clang-format on
    }
    void panelLabels() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, centred);
        QFETCH(bool, opaque);
        FETCH_ELEMENT(label, name);
        QCOMPARE(label->kind, ElementKind::Label);
        QCOMPARE(text(label->caption), caption);
        QCOMPARE(rectOf(label->place), place);
        QCOMPARE(text(label->font.family), family);
        QCOMPARE(label->font.points, points);
        QVERIFY(label->font.bold);
        QCOMPARE(label->alignment, centred ? Alignment::Centre : Alignment::Left);
        QCOMPARE(label->foreColor, white);
        QCOMPARE(label->backColor,
                 opaque ? std::optional<toolkit::Colour>(blue) : std::optional<toolkit::Colour>());
    }

    void textsOutsideTheDial_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<double>("points");
        QTest::addColumn<quint32>("textColour");
        QTest::newRow("Label61 instruction")
            << "Label61"
            << "CLICCA SULLA SVEGLIETTA AL CENTRO E SCRIVI L'ORA INDICATA DALL'ARDESINO"
            << QRect(6840, 120, 5055, 975) << 9.75 << white;
        QTest::newRow("Label111 instruction") << "Label111"
                                              << "NELLE CASELLE LUNGHE SCRIVI IN LETTERE"
                                              << QRect(7440, 680, 3975, 255) << 8.25 << pink;
        QTest::newRow("Label83 INFO") << "Label83"
                                      << "INFO" << QRect(120, 8040, 975, 375) << 12.0 << white;
    }
    void textsOutsideTheDial() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(double, points);
        QFETCH(quint32, textColour);
        FETCH_ELEMENT(label, name);
        QCOMPARE(label->kind, ElementKind::Label);
        QCOMPARE(text(label->caption), caption);
        QCOMPARE(rectOf(label->place), place);
        QCOMPARE(text(label->font.family), tahoma);
        QCOMPARE(label->font.points, points);
        QVERIFY(label->font.bold);
        QCOMPARE(label->foreColor, textColour);
        QCOMPARE(label->alignment, Alignment::Centre);
        QVERIFY(!label->backColor.has_value());
    }

    void panelPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Image121 sad") << "Image121"
                                      << "face-sad" << QRect(9600, 3000, 840, 840);
        QTest::newRow("Image122 neutral") << "Image122"
                                          << "face-neutral" << QRect(9600, 3000, 825, 840);
        QTest::newRow("Image123 happy") << "Image123"
                                        << "face-happy" << QRect(9600, 3000, 840, 840);
        QTest::newRow("Image125 sun") << "Image125"
                                      << "sun" << QRect(11160, 1800, 735, 810);
        QTest::newRow("Image126 moon") << "Image126"
                                       << "moon" << QRect(11040, 1680, 795, 810);
    }
    void panelPictures() {
        QFETCH(QString, name);
        QFETCH(QString, picture);
        QFETCH(QRect, place);
        FETCH_ELEMENT(image, name);
        QCOMPARE(image->kind, ElementKind::Picture);
        QCOMPARE(text(image->picture.name), picture);
        QCOMPARE(rectOf(image->place), place);
        QVERIFY(image->stretch);
    }
};

QTEST_GUILESS_MAIN(TestForm1Panel)
#include "tst_form1_panel.moc"
