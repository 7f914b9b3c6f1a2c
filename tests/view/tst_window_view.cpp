// SPDX-License-Identifier: GPL-3.0-or-later
// The view of a window: frame, elements, stacking, looks, and the mirror of the model after
// events, on a small layout of its own.
#include "toolkit/view/label_view.h"
#include "toolkit/view/picture_view.h"
#include "toolkit/view/text_box_view.h"
#include "toolkit/view/text_conversion.h"
#include "toolkit/windows1252.h"
#include "view_rig.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QFontInfo>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>
#include <array>
#include <cmath>

using namespace toolkit;

namespace {

constexpr Colour purple = 0x00C000C0;
constexpr Colour lightGrey = 0x00E0E0E0;
constexpr Colour pink = 0x00FF80FF;

// 400 x 300 pixels; the background picture covers its left half only.
constexpr std::array<ElementSpec, 13> elements = {{
    {.name = "Label1",
     .kind = ElementKind::Label,
     .place = {150, 150, 1500, 300},
     .caption = "uno",
     .font = {"Tahoma", 8.25, true}},
    {.name = "Picture1",
     .kind = ElementKind::Picture,
     .place = {3000, 150, 1500, 1500},
     .pointer = "pointing-hand",
     .tooltip = "TI DÒ LE ORE",
     .picture = {"red"},
     .stretch = true},
    {.name = "Picture2",
     .kind = ElementKind::Picture,
     .place = {3000, 1800, 600, 600},
     .picture = {"green"}},
    {.name = "Shape1",
     .kind = ElementKind::Shape,
     .place = {3300, 450, 600, 600},
     .backColor = purple},
    {.name = "Label2",
     .kind = ElementKind::Label,
     .place = {150, 900, 1500, 450},
     .caption = "È",
     .backColor = colours::blue,
     .font = {"Tahoma", 8.25, true},
     .alignment = Alignment::Centre},
    {.name = "Label3",
     .kind = ElementKind::Label,
     .place = {150, 1800, 900, 600},
     .caption = "CLICCA SULLA SVEGLIETTA",
     .font = {"Tahoma", 8.25, true}},
    {.name = "Text1",
     .kind = ElementKind::TextBox,
     .place = {150, 2700, 1500, 375},
     .foreColor = colours::green,
     .backColor = colours::blue,
     .font = {"Times New Roman", 12, true},
     .pointer = "writing-hand",
     .tabIndex = 1},
    // In front of Text1 in the list; text boxes stand in front all the same.
    {.name = "Label4",
     .kind = ElementKind::Label,
     .place = {150, 2700, 600, 375},
     .caption = "sopra",
     .foreColor = pink,
     .font = {"Tahoma", 8.25, true}},
    {.name = "Label5",
     .kind = ElementKind::Label,
     .place = {750, 900, 1500, 450},
     .caption = "",
     .backColor = colours::yellow,
     .font = {"Tahoma", 8.25, true}},
    {.name = "Label6",
     .kind = ElementKind::Label,
     .place = {20, 4037, 1490, 290},
     .caption = "",
     .font = {"MS Sans Serif", 9.75, true}},
    {.name = "Label7",
     .kind = ElementKind::Label,
     .place = {4500, 3300, 1500, 600},
     .caption = "22",
     .font = {"Times New Roman", 20.25, true}},
    {.name = "Label8",
     .kind = ElementKind::Label,
     .place = {4500, 2700, 1500, 300},
     .caption = "MENO",
     .font = {"MS Sans Serif", 18, false}},
    {.name = "Label9",
     .kind = ElementKind::Label,
     .place = {3000, 3900, 1500, 300},
     .caption = "13",
     .font = {"MS Sans Serif", 9.75, false}},
}};

constexpr WindowSpec layout{.name = "FormView",
                            .caption = "È  PROVA",
                            .clientWidth = 6000,
                            .clientHeight = 4500,
                            .background = {"bg"},
                            .backColor = lightGrey,
                            .elements = elements};

constexpr WindowSpec layoutWithoutClose{.name = "FormNoClose",
                                        .caption = "Senza chiusura",
                                        .clientWidth = 3000,
                                        .clientHeight = 1500,
                                        .closeButton = false};

const QColor backgroundColour(0, 128, 128);

class WindowRig : public ViewRig {
  public:
    enum class Shown { AtOnce, Later };

    explicit WindowRig(const WindowSpec& spec = layout, Shown shown = Shown::AtOnce)
        : ViewRig(spec) {
        pictures.add("bg", backgroundColour, {400, 300});
        pictures.add("red", Qt::red, {10, 10});
        pictures.add("green", Qt::green, {30, 30});
        if (shown == Shown::AtOnce) {
            show();
        }
    }

    QPoint centreOf(std::string_view name) const {
        QWidget* element = view()->elementWidget(name);
        return element->geometry().center();
    }

    QImage screen() const { return view()->grab().toImage(); }
    QColor pixel(QPoint at) const {
        const qreal ratio = view()->devicePixelRatioF();
        return screen().pixelColor((QPointF(at) * ratio).toPoint());
    }
};

bool hasWineFonts() {
    return QFile::exists("/usr/share/wine/fonts/tahoma.ttf");
}

// Sends a close as the window manager does.
void closeFromWindowManager(QWidget* window) {
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    // notify() keeps the flag, where sendEvent() would clear it.
    QApplication::instance()->notify(window, &close);
}

} // namespace

class WindowViewTest : public QObject {
    Q_OBJECT

  private slots:
    void frame_data();
    void frame();
    void elementsStandAtTheirPlaces_data();
    void elementsStandAtTheirPlaces();
    void stackingFollowsTheLayoutWithBoxesInFront();
    void widgetsMadeOnFirstShowStackAsTheLayoutSays();
    void labelsLook_data();
    void labelsLook();
    void transparentAndOpaqueBackgrounds();
    void captionWrapsInsideItsBox();
    void borderStyleFramesTheLabel();
    void answerBoxHasASunkenEdge_data();
    void answerBoxHasASunkenEdge();
    void picturesAtTheirSizeAndRatio();
    void pointersAndTooltip();
    void clicks_data();
    void clicks();
    void mouseMoves_data();
    void mouseMoves();
    void viewMirrorsWhatAProcedureChanged();
    void anEventMirrorsEveryShownWindow();
    void disabledWindowTakesNoInputAndKeepsItsLook();
    void aDisabledWindowHandsTheActivationOn_data();
    void aDisabledWindowHandsTheActivationOn();
    void tooltipShowsInAnInactiveWindow();
    void closeFromTheWindowManager_data();
    void closeFromTheWindowManager();
    void startupWindowCloseEndsTheProgram();
    void unloadFromItsOwnClickAndShowAgain();
    void showingAShownWindowKeepsOneView();
    void keysInAWindowWithoutBoxesCloseNothing();
};

void WindowViewTest::frame_data() {
    QTest::addColumn<bool>("withClose");
    QTest::newRow("with close button") << true;
    QTest::newRow("without close button") << false;
}

void WindowViewTest::frame() {
    QFETCH(bool, withClose);
    WindowRig rig(withClose ? layout : layoutWithoutClose);
    WindowView* view = rig.view();
    const QSize client = withClose ? QSize(400, 300) : QSize(200, 100);
    QCOMPARE(view->size(), client);
    QCOMPARE(view->minimumSize(), client);
    QCOMPARE(view->maximumSize(), client);
    const Qt::WindowFlags flags = view->windowFlags();
    QCOMPARE(flags.testFlag(Qt::WindowCloseButtonHint), withClose);
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(view->windowTitle(), withClose ? QStringLiteral("È  PROVA") : "Senza chiusura");
}

void WindowViewTest::elementsStandAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("label") << "Label1" << QRect(10, 10, 100, 20);
    QTest::newRow("stretched picture") << "Picture1" << QRect(200, 10, 100, 100);
    QTest::newRow("text box") << "Text1" << QRect(10, 180, 100, 25);
    QTest::newRow("edges rounded, not sizes") << "Label6" << QRect(1, 269, 100, 19);
}

void WindowViewTest::elementsStandAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    WindowRig rig;
    QCOMPARE(rig.view()->elementWidget(name.toStdString())->geometry(), expected);
}

void WindowViewTest::stackingFollowsTheLayoutWithBoxesInFront() {
    WindowRig rig;
    WindowView* view = rig.view();
    // Label5 comes after Label2 and overlaps it.
    QCOMPARE(view->childAt(QPoint(70, 75)), rig.view()->elementWidget("Label5"));
    QCOMPARE(view->childAt(QPoint(30, 75)), rig.view()->elementWidget("Label2"));
    // Label4 comes after Text1 yet the box is in front.
    QCOMPARE(view->childAt(QPoint(20, 190)), rig.view()->elementWidget("Text1"));
    // The shape comes after Picture1 and is drawn over it.
    QCOMPARE(rig.pixel(QPoint(240, 50)), QColor(0xC0, 0x00, 0xC0));
    QCOMPARE(rig.pixel(QPoint(205, 15)), QColor(Qt::red));
}

void setShown(Element& element, bool shown) {
    std::visit([&](auto& control) { control.Visible = shown; }, element.control);
}

// A widget is made only when its element is first shown, here from the last element to the
// first; each new one still stands where the layout puts it.
void WindowViewTest::widgetsMadeOnFirstShowStackAsTheLayoutSays() {
    WindowRig rig(layout, WindowRig::Shown::Later);
    std::vector<Element>& elements = rig.window.elements();
    rig.window.Load = [&] {
        for (Element& element : elements) {
            setShown(element, false);
        }
    };
    rig.show();
    WindowView* view = rig.view();
    QVERIFY(view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());

    for (auto element = elements.rbegin(); element != elements.rend(); ++element) {
        setShown(*element, true);
        rig.host->syncAllFromModels();
        const QString name =
            QString::fromLatin1(element->spec->name.data(), qsizetype(element->spec->name.size()));
        QVERIFY2(view->findChild<QWidget*>(name), qPrintable(name));
    }
    QCOMPARE(view->childAt(QPoint(70, 75)), view->elementWidget("Label5"));
    QCOMPARE(view->childAt(QPoint(30, 75)), view->elementWidget("Label2"));
    QCOMPARE(view->childAt(QPoint(20, 190)), view->elementWidget("Text1"));
    QCOMPARE(rig.pixel(QPoint(240, 50)), QColor(0xC0, 0x00, 0xC0));
    QCOMPARE(rig.pixel(QPoint(205, 15)), QColor(Qt::red));
}

void WindowViewTest::labelsLook_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::addColumn<QColor>("textColour");

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    QTest::newRow("Tahoma 8.25 bold, left") << "Label1"
                                            << "Tahoma" << 11 << true << left << QColor(Qt::white);
    QTest::newRow("centred") << "Label2"
                             << "Tahoma" << 11 << true << centre << QColor(Qt::white);
    QTest::newRow("pink text") << "Label4"
                               << "Tahoma" << 11 << true << left << QColor(255, 128, 255);
    // The bitmap "MS Sans Serif" has a 13-pixel regular strike only: a scalable relative
    // stands in for the sizes and the weight it lacks, and where it would be scaled.
    const QString unscaledBitmap = qApp->devicePixelRatio() == 1 ? "MS Sans Serif" : "Tahoma";
    QTest::newRow("MS Sans Serif at its own size")
        << "Label9" << unscaledBitmap << 13 << false << left << QColor(Qt::white);
    QTest::newRow("MS Sans Serif 9.75 bold") << "Label6"
                                             << "Tahoma" << 13 << true << left << QColor(Qt::white);
    QTest::newRow("MS Sans Serif 18 regular")
        << "Label8"
        << "Tahoma" << 24 << false << left << QColor(Qt::white);
    QTest::newRow("Times New Roman is Liberation Serif")
        << "Label7"
        << "Liberation Serif" << 27 << true << left << QColor(Qt::white);
}

void WindowViewTest::labelsLook() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(Qt::Alignment, alignment);
    QFETCH(QColor, textColour);
    if (family != "Liberation Serif" && !hasWineFonts()) {
        QSKIP("the Wine fonts are not installed");
    }
    WindowRig rig;
    auto* label = rig.widget<LabelView>(name.toStdString());
    QVERIFY(label);
    QCOMPARE(QFontInfo(label->font()).family(), family);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->alignment(), alignment);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->palette().color(QPalette::WindowText), textColour);
    // Screen readers read the caption.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), label->text());
}

void WindowViewTest::transparentAndOpaqueBackgrounds() {
    WindowRig rig;
    // The background picture at its own size from the top-left corner; its transparent right
    // half shows the window's back colour.
    QCOMPARE(rig.pixel(QPoint(150, 290)), backgroundColour);
    QCOMPARE(rig.pixel(QPoint(250, 290)), QColor(0xE0, 0xE0, 0xE0));
    // A transparent label shows the background around its text, an opaque one its colour.
    QCOMPARE(rig.pixel(QPoint(105, 25)), backgroundColour);
    QCOMPARE(rig.pixel(QPoint(12, 85)), QColor(Qt::blue));
}

void WindowViewTest::captionWrapsInsideItsBox() {
    WindowRig rig;
    auto* label = rig.widget<LabelView>("Label3");
    const QImage image = label->grab().toImage();
    const int lineHeight =
        qRound(QFontMetrics(label->font()).lineSpacing() * label->devicePixelRatioF());
    // White text in the first and in the second line band.
    auto textIn = [&](int top, int bottom) {
        for (int y = top; y < qMin(bottom, image.height()); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == QColor(Qt::white)) {
                    return true;
                }
            }
        }
        return false;
    };
    QVERIFY(textIn(0, lineHeight));
    QVERIFY(textIn(lineHeight, 2 * lineHeight));
}

void WindowViewTest::borderStyleFramesTheLabel() {
    WindowRig rig;
    auto* label = rig.widget<LabelView>("Label2");
    const QImage plain = label->grab().toImage();
    rig.window.label("Label2").BorderStyle = 1;
    rig.host->syncAllFromModels();
    const QImage framed = label->grab().toImage();

    QCOMPARE(framed.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(framed.pixelColor(framed.width() - 1, framed.height() - 1), QColor(Qt::white));
    QCOMPARE(plain.pixelColor(0, 0), QColor(Qt::blue));
    // The caption does not move.
    const int edge = qCeil(label->devicePixelRatioF());
    const QRect inside = framed.rect().adjusted(edge, edge, -edge, -edge);
    QCOMPARE(framed.copy(inside), plain.copy(inside));

    rig.window.label("Label2").BorderStyle = 0;
    rig.host->syncAllFromModels();
    QCOMPARE(label->grab().toImage(), plain);
}

// Two lines of one logical pixel each, lit from the top left: darker above and left of the
// box than below and right of it. A raised edge swaps the pairs.
void WindowViewTest::answerBoxHasASunkenEdge_data() {
    QTest::addColumn<QPointF>("fromTopLeft"); // logical pixels; negative counts from the far side
    QTest::addColumn<QColor>("colour");
    const QColor shadow(128, 128, 128);
    const QColor darkShadow(0, 0, 0);
    const QColor light(255, 255, 255);
    const QColor midLight(192, 192, 192);
    QTest::newRow("top, outer line") << QPointF(50, 0.5) << shadow;
    QTest::newRow("left, outer line") << QPointF(0.5, 12) << shadow;
    QTest::newRow("top, inner line") << QPointF(50, 1.5) << darkShadow;
    QTest::newRow("left, inner line") << QPointF(1.5, 12) << darkShadow;
    QTest::newRow("bottom, outer line") << QPointF(50, -0.5) << light;
    QTest::newRow("right, outer line") << QPointF(-0.5, 12) << light;
    QTest::newRow("bottom, inner line") << QPointF(50, -1.5) << midLight;
    QTest::newRow("right, inner line") << QPointF(-1.5, 12) << midLight;
    QTest::newRow("inside the edge") << QPointF(2.5, 2.5) << QColor(Qt::blue);
}

void WindowViewTest::answerBoxHasASunkenEdge() {
    QFETCH(QPointF, fromTopLeft);
    QFETCH(QColor, colour);
    constexpr int tolerance = 16;
    WindowRig rig;
    TextBoxView* box = rig.widget<TextBoxView>("Text1");
    QVERIFY(box);
    const QImage image = box->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QSizeF size = QSizeF(image.size()) / ratio;
    const QPointF at(fromTopLeft.x() < 0 ? size.width() + fromTopLeft.x() : fromTopLeft.x(),
                     fromTopLeft.y() < 0 ? size.height() + fromTopLeft.y() : fromTopLeft.y());
    const QPoint device(int(std::floor(at.x() * ratio)), int(std::floor(at.y() * ratio)));
    const QColor seen = image.pixelColor(device);
    const int distance =
        std::max({std::abs(seen.red() - colour.red()), std::abs(seen.green() - colour.green()),
                  std::abs(seen.blue() - colour.blue())});
    QVERIFY2(distance <= tolerance, qPrintable(QString("(%1, %2): %3, expected %4")
                                                   .arg(device.x())
                                                   .arg(device.y())
                                                   .arg(seen.name(), colour.name())));
}

void WindowViewTest::picturesAtTheirSizeAndRatio() {
    WindowRig rig;
    const qreal ratio = rig.view()->devicePixelRatioF();
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (!scale.isEmpty()) {
        QCOMPARE(ratio, scale.toDouble());
    }
    rig.pictures.requests.clear();
    const QImage image = rig.screen();
    QCOMPARE(image.size(), QSize(400, 300) * ratio);

    auto requested = [&](const std::string& name) {
        for (const TestPictures::Request& request : rig.pictures.requests) {
            if (request.name == name) {
                return request;
            }
        }
        return TestPictures::Request{};
    };
    QCOMPARE(requested("red").size, QSize(100, 100)); // stretched to its box
    QCOMPARE(requested("green").size, QSize(30, 30)); // its own size
    QCOMPARE(requested("bg").size, QSize(400, 300));
    for (const char* name : {"red", "green", "bg"}) {
        QCOMPARE(requested(name).devicePixelRatio, ratio);
    }
    // Natural size from the box's top-left corner; the rest of the box shows what is behind.
    QCOMPARE(rig.pixel(QPoint(202, 122)), QColor(Qt::green));
    QCOMPARE(rig.pixel(QPoint(235, 145)), QColor(0xE0, 0xE0, 0xE0));
}

// Each pointer is drawn when the mouse first comes over its element, and only once.
void WindowViewTest::pointersAndTooltip() {
    WindowRig rig;
    QVERIFY(rig.pictures.pointersAsked.empty());
    for (const char* name : {"Picture1", "Text1", "Label1", "Picture1", "Text1"}) {
        QTest::mouseMove(rig.windowHandle(), rig.centreOf(name));
    }
    QCOMPARE(rig.view()->elementWidget("Picture1")->cursor().hotSpot(), QPoint(12, 1));
    QCOMPARE(rig.view()->elementWidget("Text1")->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(rig.view()->elementWidget("Label1")->cursor().shape(), Qt::ArrowCursor);
    const auto& asked = rig.pictures.pointersAsked;
    QCOMPARE(asked.size(), 2u);
    QCOMPARE(std::count(asked.begin(), asked.end(), "pointing-hand"), 1);
    QCOMPARE(std::count(asked.begin(), asked.end(), "writing-hand"), 1);
    QCOMPARE(rig.view()->elementWidget("Picture1")->toolTip(), QStringLiteral("TI DÒ LE ORE"));
}

void WindowViewTest::clicks_data() {
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("expectedClicks");

    const QPoint onPicture(210, 100);
    QTest::newRow("pressed and released over it") << onPicture << onPicture << Qt::LeftButton << 1;
    QTest::newRow("released elsewhere") << onPicture << QPoint(350, 250) << Qt::LeftButton << 0;
    QTest::newRow("right button") << onPicture << onPicture << Qt::RightButton << 0;
    QTest::newRow("through the shape, which takes no mouse")
        << QPoint(240, 60) << QPoint(240, 60) << Qt::LeftButton << 1;
}

void WindowViewTest::clicks() {
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, expectedClicks);
    WindowRig rig;
    int clicks = 0;
    rig.window.picture("Picture1").Click = [&] { ++clicks; };
    QTest::mousePress(rig.windowHandle(), button, {}, pressAt);
    QTest::mouseMove(rig.windowHandle(), releaseAt);
    QTest::mouseRelease(rig.windowHandle(), button, {}, releaseAt);
    QCOMPARE(clicks, expectedClicks);
}

void WindowViewTest::mouseMoves_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("labelMoves");
    QTest::addColumn<int>("windowMoves");
    QTest::newRow("over a label") << QPoint(20, 15) << 1 << 0;
    QTest::newRow("over the background") << QPoint(350, 150) << 0 << 1;
    QTest::newRow("over a label without the procedure") << QPoint(30, 130) << 0 << 0;
    QTest::newRow("over a picture") << QPoint(210, 100) << 0 << 0;
}

void WindowViewTest::mouseMoves() {
    QFETCH(QPoint, at);
    QFETCH(int, labelMoves);
    QFETCH(int, windowMoves);
    WindowRig rig;
    int overLabel = 0;
    int overWindow = 0;
    rig.window.label("Label1").MouseMove = [&] { ++overLabel; };
    rig.window.MouseMove = [&] { ++overWindow; };
    QTest::mouseMove(rig.windowHandle(), at);
    QCOMPARE(overLabel, labelMoves);
    QCOMPARE(overWindow, windowMoves);
}

void WindowViewTest::viewMirrorsWhatAProcedureChanged() {
    WindowRig rig;
    Window& window = rig.window;
    window.picture("Picture1").Click = [&] {
        window.Caption = "Altro";
        window.label("Label1").Visible = false;
        window.label("Label3").Caption = windows1252::fromUtf8("È  NOTTE");
        window.label("Label2").BorderStyle = 1;
        window.picture("Picture2").Visible = false;
        window.shape("Shape1").Visible = false;
        TextBox& box = window.textBox("Text1");
        box.Text = "42";
        box.Enabled = false;
        box.ForeColor = colours::yellow;
    };
    QTest::mouseClick(rig.windowHandle(), Qt::LeftButton, {}, rig.centreOf("Picture1"));

    QCOMPARE(rig.view()->windowTitle(), QStringLiteral("Altro"));
    QVERIFY(!rig.view()->elementWidget("Label1")->isVisible());
    QCOMPARE(rig.widget<LabelView>("Label3")->text(), QStringLiteral("È  NOTTE"));
    QVERIFY(rig.widget<LabelView>("Label2")->hasFrame());
    QVERIFY(!rig.view()->elementWidget("Picture2")->isVisible());
    QVERIFY(!rig.view()->elementWidget("Shape1")->isVisible());
    auto* box = rig.widget<TextBoxView>("Text1");
    QCOMPARE(box->text(), QStringLiteral("42"));
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::yellow));
    QVERIFY(rig.view()->elementWidget("Picture1")->isVisible());
}

void WindowViewTest::anEventMirrorsEveryShownWindow() {
    WindowRig rig;
    Window other(layoutWithoutClose, *rig.host);
    other.Show();
    rig.window.picture("Picture1").Click = [&] { other.Caption = "Cambiato"; };
    QTest::mouseClick(rig.windowHandle(), Qt::LeftButton, {}, rig.centreOf("Picture1"));
    QCOMPARE(rig.host->viewOf(other)->windowTitle(), QStringLiteral("Cambiato"));
}

void WindowViewTest::disabledWindowTakesNoInputAndKeepsItsLook() {
    WindowRig rig;
    int clicks = 0;
    int moves = 0;
    int keys = 0;
    rig.window.picture("Picture1").Click = [&] { ++clicks; };
    rig.window.label("Label1").MouseMove = [&] { ++moves; };
    rig.window.textBox("Text1").KeyPress = [&](std::int16_t&) { ++keys; };
    QVERIFY(rig.activate());
    rig.view()->elementWidget("Text1")->setFocus();

    rig.window.Enabled = false;
    rig.host->syncAllFromModels();
    const QImage before = rig.screen();
    QWindow* handle = rig.windowHandle();
    QTest::mouseClick(handle, Qt::LeftButton, {}, rig.centreOf("Picture1"));
    QTest::mouseMove(handle, rig.centreOf("Label1"));
    QTest::keyClick(handle, Qt::Key_1);
    QTest::mouseClick(handle, Qt::LeftButton, {}, rig.centreOf("Text1"));
    QCOMPARE(clicks + moves + keys, 0);
    QCOMPARE(rig.widget<TextBoxView>("Text1")->text(), QString());
    QCOMPARE(rig.screen(), before);

    // The same input reaches the window once it is enabled again.
    rig.window.Enabled = true;
    rig.host->syncAllFromModels();
    QTest::mouseClick(handle, Qt::LeftButton, {}, rig.centreOf("Picture1"));
    QTest::mouseMove(handle, rig.centreOf("Label1") + QPoint(1, 0));
    QTest::keyClick(handle, Qt::Key_1);
    QCOMPARE(clicks, 1);
    QVERIFY(moves >= 1);
    QCOMPARE(keys, 1);
}

void WindowViewTest::aDisabledWindowHandsTheActivationOn_data() {
    QTest::addColumn<bool>("minimised");
    QTest::newRow("window that takes input is open") << false;
    // Otherwise nothing on screen could give the disabled window back.
    QTest::newRow("window that takes input was minimised") << true;
}

void WindowViewTest::aDisabledWindowHandsTheActivationOn() {
    QFETCH(bool, minimised);
    WindowRig rig;
    Window second(layoutWithoutClose, *rig.host);
    rig.window.picture("Picture1").Click = [&] {
        rig.window.Enabled = false;
        second.Show();
    };
    QVERIFY(rig.activate());
    QTest::mouseClick(rig.windowHandle(), Qt::LeftButton, {}, rig.centreOf("Picture1"));
    WindowView* secondView = rig.host->viewOf(second);
    QVERIFY(secondView);
    QVERIFY(QTest::qWaitForWindowActive(secondView));

    struct ActivationCounter : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::WindowActivate;
            return false;
        }
    } firstActivated;
    rig.view()->installEventFilter(&firstActivated);
    if (minimised) {
        secondView->showMinimized();
        QVERIFY(QTest::qWaitFor([&] { return secondView->isMinimized(); }));
    }
    rig.view()->activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return firstActivated.count > 0; }));
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == secondView; }));
    QVERIFY(!secondView->isMinimized());
}

void WindowViewTest::tooltipShowsInAnInactiveWindow() {
    WindowRig rig;
    Window other(layoutWithoutClose, *rig.host);
    other.Show();
    QVERIFY(QTest::qWaitForWindowActive(rig.host->viewOf(other)));
    QVERIFY(!rig.view()->isActiveWindow());
    QTest::mouseMove(rig.windowHandle(), rig.centreOf("Picture1"));
    QTest::mouseMove(rig.windowHandle(), rig.centreOf("Picture1") + QPoint(1, 1));
    QVERIFY(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    QCOMPARE(QToolTip::text(), QStringLiteral("TI DÒ LE ORE"));
    QToolTip::hideText();
}

void WindowViewTest::closeFromTheWindowManager_data() {
    QTest::addColumn<bool>("withHandler");
    QTest::newRow("its close request procedure decides") << true;
    QTest::newRow("without one, the window is unloaded") << false;
}

void WindowViewTest::closeFromTheWindowManager() {
    QFETCH(bool, withHandler);
    WindowRig rig; // the start-up window
    Window second(layoutWithoutClose, *rig.host);
    int requests = 0;
    if (withHandler) {
        second.CloseRequest = [&] { ++requests; };
    }
    second.Show();
    QPointer<WindowView> view = rig.host->viewOf(second);

    closeFromWindowManager(view);

    QCOMPARE(requests, withHandler ? 1 : 0);
    QCOMPARE(second.isLoaded(), withHandler);
    QCOMPARE(rig.host->viewOf(second) != nullptr, withHandler);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(view.isNull(), !withHandler);
    QVERIFY(rig.view()->isVisible());
}

// Also while another window is open.
void WindowViewTest::startupWindowCloseEndsTheProgram() {
    WindowRig rig;
    Window second(layoutWithoutClose, *rig.host);
    second.Show();
    QEventLoop program;
    QTimer::singleShot(0, rig.view(), [&] { closeFromWindowManager(rig.view()); });
    QTimer::singleShot(5000, &program, [&] { program.exit(1); });
    QCOMPARE(program.exec(), 0);
}

void WindowViewTest::unloadFromItsOwnClickAndShowAgain() {
    WindowRig rig;
    rig.window.Load = [&] { rig.window.label("Label1").Visible = false; };
    rig.window.Unload();
    rig.window.Show();
    QVERIFY(!rig.view()->elementWidget("Label1")->isVisible());
    rig.window.label("Label1").Caption = "cambiato";
    rig.window.picture("Picture1").Click = [&] { rig.window.Unload(); };
    rig.host->syncAllFromModels();
    QPointer<WindowView> first = rig.view();

    QTest::mouseClick(rig.windowHandle(), Qt::LeftButton, {}, rig.centreOf("Picture1"));
    QVERIFY(!rig.window.isLoaded());
    QVERIFY(!rig.host->viewOf(rig.window));
    QVERIFY(first.isNull() || !first->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    rig.window.Show();
    QVERIFY(rig.view());
    QCOMPARE(rig.widget<LabelView>("Label1")->text(), QStringLiteral("uno"));
    QVERIFY(!rig.view()->elementWidget("Label1")->isVisible());
}

void WindowViewTest::showingAShownWindowKeepsOneView() {
    WindowRig rig;
    WindowView* first = rig.view();
    rig.window.Show();
    QCOMPARE(rig.view(), first);
    int views = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        views += dynamic_cast<WindowView*>(window) != nullptr;
    }
    QCOMPARE(views, 1);
}

void WindowViewTest::keysInAWindowWithoutBoxesCloseNothing() {
    WindowRig rig(layoutWithoutClose);
    QVERIFY(rig.activate());
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(rig.windowHandle(), key);
    }
    QVERIFY(rig.view()->isVisible());
    QVERIFY(rig.window.isLoaded());
}

QTEST_MAIN(WindowViewTest)
#include "tst_window_view.moc"
