// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_window/window_caption.h"
#include "credits_window/contacts.h"
#include "credits_window/form2_layout.h"

#include <QTest>

#include <algorithm>
#include <string>
#include <string_view>

using namespace toolkit;
using namespace credits_window;

namespace {

const ElementSpec* findElement(std::string_view name) {
    const auto elements = form2Layout().elements;
    const auto found = std::ranges::find(elements, name, &ElementSpec::name);
    return found == elements.end() ? nullptr : &*found;
}

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), view.size());
}

bool overlap(const Place& a, const Place& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool endsWithAny(std::string_view s, std::initializer_list<std::string_view> endings) {
    return std::ranges::any_of(endings, [&](std::string_view e) { return s.ends_with(e); });
}

} // namespace

class TestForm2Layout : public QObject {
    Q_OBJECT
  private slots:
    void window() {
        const WindowSpec& spec = form2Layout();
        QCOMPARE(text(spec.name), QString("Form2"));
        QCOMPARE(spec.clientWidth, 4830);
        QCOMPARE(spec.clientHeight, 3600);
        QCOMPARE(spec.clientWidth / twipsPerPixel, 322);
        QCOMPARE(spec.clientHeight / twipsPerPixel, 240);
        QCOMPARE(text(spec.caption), text(clock_window::windowCaption));
        QVERIFY(!spec.closeButton);
        QVERIFY(spec.backColor.has_value());
        QCOMPARE(*spec.backColor, Colour(0x00E0E0E0));
        QVERIFY(spec.background == (PictureId{"chalkboard", 0}));
        QCOMPARE(spec.elements.size(), std::size_t(6));
    }

    void captionIsTheAuthorsThenTheTitle() {
        const std::string expected = std::string(contacts::authors) + "   Io gioco con l'ardesino";
        QCOMPARE(text(clock_window::windowCaption), QString::fromStdString(expected));
    }

    // No real contact exists: every address must stay under a reserved example domain.
    void contactsUseReservedDomains() {
        QVERIFY(contacts::webAddress.starts_with("www.example.org/") ||
                contacts::webAddress.starts_with("www.example.com/") ||
                contacts::webAddress.starts_with("www.example.net/"));
        for (std::string_view email : {contacts::firstEmail, contacts::secondEmail}) {
            QVERIFY2(endsWithAny(email, {"@example.org", "@example.com", "@example.net"}),
                     email.data());
            QCOMPARE(std::ranges::count(email, '@'), 1);
        }
        QVERIFY(contacts::firstEmail != contacts::secondEmail);
    }

    void labels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("pointer");

        const QString blanks9(9, ' ');
        const QString blanks10(10, ' ');
        QTest::newRow("web address, one blank after it")
            << "Label2" << -720 << 120 << 6495 << 495 << 12.0 << true
            << text(contacts::webAddress) + " " << QString();
        QTest::newRow("freeware line, nine and ten blanks")
            << "Label3" << 120 << 600 << 4575 << 855 << 14.25 << true
            << blanks9 + "Programmi freeware" + blanks10 + "per la scuola primaria" << QString();
        QTest::newRow("request to report errors, regular weight")
            << "Label6" << 240 << 1560 << 4455 << 495 << 8.25 << false
            << "In caso di riscontro di errori, preghiamo cortesemente di contattarci:"
            << QString();
        QTest::newRow("first e-mail") << "Label4" << 120 << 2160 << 4575 << 255 << 8.25 << true
                                      << text(contacts::firstEmail) << QString();
        QTest::newRow("second e-mail") << "Label5" << 120 << 2520 << 4575 << 255 << 8.25 << true
                                       << text(contacts::secondEmail) << QString();
        QTest::newRow("OK with the pointing hand")
            << "Label1" << 2040 << 2880 << 735 << 495 << 20.25 << true << "OK"
            << "pointing-hand";
    }

    void labels() {
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QString, caption);
        QFETCH(QString, pointer);

        const ElementSpec* element = findElement(name.toStdString());
        QVERIFY2(element, qPrintable(name));
        QVERIFY(element->kind == ElementKind::Label);
        QCOMPARE(element->place.left, left);
        QCOMPARE(element->place.top, top);
        QCOMPARE(element->place.width, width);
        QCOMPARE(element->place.height, height);
        QCOMPARE(text(element->font.family), QString("Tahoma"));
        QCOMPARE(element->font.points, points);
        QCOMPARE(element->font.bold, bold);
        QCOMPARE(text(element->caption), caption);
        QCOMPARE(text(element->pointer), pointer);
        // Every credits text is white, centred, on the chalkboard.
        QCOMPARE(element->foreColor, colours::white);
        QVERIFY(element->alignment == Alignment::Centre);
        QVERIFY(!element->backColor.has_value());
        QVERIFY(element->tooltip.empty());
    }

    void labelsStandBackToFrontInListedOrder() {
        QStringList names;
        for (const ElementSpec& element : form2Layout().elements) {
            names << text(element.name);
        }
        QCOMPARE(names, QStringList({"Label2", "Label3", "Label6", "Label4", "Label5", "Label1"}));
    }

    // Only the freeware line overlaps anything: the lowest pixel of the web address.
    void onlyTheFreewareLineOverlapsTheAddress() {
        const auto elements = form2Layout().elements;
        QStringList overlapping;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            for (std::size_t j = i + 1; j < elements.size(); ++j) {
                if (overlap(elements[i].place, elements[j].place)) {
                    overlapping << text(elements[i].name) + "/" + text(elements[j].name);
                }
            }
        }
        QCOMPARE(overlapping, QStringList({"Label2/Label3"}));
        const Place address = findElement("Label2")->place;
        const Place freeware = findElement("Label3")->place;
        QCOMPARE(address.top + address.height - freeware.top, twipsPerPixel);
    }
};

QTEST_GUILESS_MAIN(TestForm2Layout)
#include "tst_form2_layout.moc"
