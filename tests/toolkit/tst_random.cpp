// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/random.h"

#include <QTest>

#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

using namespace toolkit;

namespace {
constexpr double secondsPerDay = 86400.0;
constexpr long long zoneOffsetSeconds = 5 * 3600 + 30 * 60; // the zone the test sets
constexpr double clockGrain = 0.001;
constexpr int fractionStepMs = 20;

// The seconds since midnight in the test's zone, from the system clock's UTC reading.
double localSecondsOfDay() {
    const double utc =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    const double local = utc + zoneOffsetSeconds;
    return local - secondsPerDay * std::floor(local / secondsPerDay);
}

void restoreZone(const QByteArray& saved) {
    if (saved.isNull()) {
        qunsetenv("TZ");
    } else {
        qputenv("TZ", saved);
    }
    tzset();
}
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

    // Every reading of the timer is a new seed: two reseedings at different times restart
    // the sequence from each reading, as reseeding with those seconds does.
    void reseedFromTimerSeedsWithTheTimersReading() {
        std::vector<double> readings{3661.5, 45296.25};
        DefaultRandom timed([&readings] {
            const double reading = readings.front();
            readings.erase(readings.begin());
            return reading;
        });
        for (const double seconds : {3661.5, 45296.25}) {
            DefaultRandom seeded;
            seeded.reseed(seconds);
            timed.next();
            timed.reseedFromTimer();
            for (int i = 0; i < 10; ++i) {
                QCOMPARE(timed.next(), seeded.next());
            }
        }
        QVERIFY(readings.empty());
    }

    // Read in a zone half an hour off whole hours, so local time cannot pass for UTC or for
    // a zone rounded to the hour, and compared with the clock read independently around it.
    void secondsSinceMidnightFollowsTheLocalClock() {
        const QByteArray savedZone = qgetenv("TZ");
        qputenv("TZ", "<+0530>-5:30");
        tzset();
        const double before = localSecondsOfDay();
        const double s = secondsSinceMidnight();
        const double after = localSecondsOfDay();
        restoreZone(savedZone);
        if (after < before) {
            QSKIP("midnight passed during the reading");
        }
        QVERIFY2(s >= before - clockGrain && s <= after + clockGrain,
                 qPrintable(QString("%1 not within [%2, %3]")
                                .arg(s, 0, 'f', 3)
                                .arg(before, 0, 'f', 3)
                                .arg(after, 0, 'f', 3)));
    }

    void secondsSinceMidnightCarriesFractions() {
        const double first = secondsSinceMidnight();
        QTest::qSleep(fractionStepMs);
        const double second = secondsSinceMidnight();
        if (second < first) {
            QSKIP("midnight passed during the reading");
        }
        // At least the sleep, and far less than a whole second.
        const double step = second - first;
        QVERIFY2(step >= fractionStepMs / 1000.0 - clockGrain && step < 1.0,
                 qPrintable(QString::number(step)));
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
