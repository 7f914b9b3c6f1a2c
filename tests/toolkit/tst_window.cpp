// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window.h"

#include <QTest>

#include <array>

using namespace toolkit;

namespace {
constexpr std::array<ElementSpec, 3> elements{{
    {.name = "Label1", .kind = ElementKind::Label, .caption = "\xC3\x88  L'"},
    {.name = "Text1", .kind = ElementKind::TextBox, .foreColor = colours::green},
    {.name = "Image1", .kind = ElementKind::Picture},
}};
constexpr WindowSpec spec{.name = "FormT", .caption = "Prova", .elements = elements};

class CountingHost final : public WindowHost {
  public:
    void showWindow(Window&) override { ++shows; }
    void unloadWindow(Window&) override { ++unloads; }
    int shows = 0;
    int unloads = 0;
};
} // namespace

class TestWindow : public QObject {
    Q_OBJECT
  private slots:
    void controlsComeFromTheLayout() {
        CountingHost host;
        Window window(spec, host);
        QCOMPARE(window.elements().size(), std::size_t(3));
        QCOMPARE(window.label("Label1").Caption, std::string("\xC8  L'"));
        QCOMPARE(window.textBox("Text1").ForeColor, colours::green);
        QVERIFY(window.picture("Image1").Visible);
        QCOMPARE(window.Caption, std::string("Prova"));
    }

    void showLoadsOnceAndUnloadRestoresTheLayout() {
        CountingHost host;
        Window window(spec, host);
        int loads = 0;
        window.Load = [&] { ++loads; };
        int clicks = 0;
        window.picture("Image1").Click = [&] { ++clicks; };

        window.Show();
        window.Show();
        QCOMPARE(loads, 1);
        QCOMPARE(host.shows, 2);

        window.label("Label1").BorderStyle = 1;
        window.textBox("Text1").Text = "12";
        window.textBox("Text1").Enabled = false;
        window.Unload();
        QCOMPARE(host.unloads, 1);
        QVERIFY(!window.isLoaded());

        window.Show();
        QCOMPARE(loads, 2);
        QCOMPARE(window.label("Label1").BorderStyle, 0);
        QCOMPARE(window.textBox("Text1").Text, std::string());
        QVERIFY(window.textBox("Text1").Enabled);
        // Handlers belong to the code, not to the layout: they outlive an unload.
        window.picture("Image1").Click();
        QCOMPARE(clicks, 1);
    }

    void unloadOfAWindowNeverShownDoesNothing() {
        CountingHost host;
        Window window(spec, host);
        window.Unload();
        QCOMPARE(host.unloads, 0);
    }
};

QTEST_GUILESS_MAIN(TestWindow)
#include "tst_window.moc"
