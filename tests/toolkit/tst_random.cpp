#include "toolkit/random.h"

#include <QTest>

#include <vector>

using namespace toolkit;

namespace {
class RecordingSource final : public RandomSource {
  public:
    float next() override { return 0.5f; }
    void reseed(double seconds) override { seeds.push_back(seconds); }
    std::vector<double> seeds;
};
} // namespace

class TestRandom : public QObject {
    Q_OBJECT
  private slots:
    void drawsStayInUnitInterval() {
        DefaultRandom random;
        for (int i = 0; i < 200000; ++i) {
            const float v = random.next();
            QVERIFY(v >= 0.0f);
            QVERIFY(v < 1.0f);
        }
    }

    void sameSeedSameSequence() {
        DefaultRandom a;
        DefaultRandom b;
        a.reseed(45296.25);
        b.reseed(45296.25);
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(a.next(), b.next());
        }
    }

    void fractionsOfASecondChangeTheSequence() {
        DefaultRandom a;
        DefaultRandom b;
        a.reseed(100.0);
        b.reseed(100.5);
        bool differs = false;
        for (int i = 0; i < 10; ++i) {
            differs = differs || a.next() != b.next();
        }
        QVERIFY(differs);
    }

    void drawsCoverBothHalves() {
        DefaultRandom random;
        int low = 0;
        for (int i = 0; i < 10000; ++i) {
            low += random.next() < 0.5f ? 1 : 0;
        }
        QVERIFY(low > 4500 && low < 5500);
    }

    void reseedUsesTheInjectedTimer() {
        RecordingSource source;
        Randomness randomness(source, [] { return 3661.5; });
        randomness.reseedFromTimer();
        QCOMPARE(source.seeds.size(), std::size_t(1));
        QCOMPARE(source.seeds.front(), 3661.5);
    }

    void secondsSinceMidnightInADay() {
        const double s = secondsSinceMidnight();
        QVERIFY(s >= 0.0);
        QVERIFY(s < 86400.0 + 1.0);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
