#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>
#include <QTime>

class QChart;

// The two charts of a race: arrivals over time and a histogram of speeds. The series are
// worked out here apart from drawing; one function builds each chart, which the result panel
// shows on screen and the published page holds as inline SVG.

// The arrivals by the minute: at each clock minute with an arrival, how many birds had
// arrived by the end of that minute (counted over the whole race). A race flown over a night
// gives one series per day, so each day is drawn against its own clock times.
struct ArrivalPoint {
    QTime minute;
    int count = 0;
};
struct ArrivalDay {
    QDate day;
    QList<ArrivalPoint> points;
};
QList<ArrivalDay> ArrivalSeries(QList<QDateTime> arrivals);

// Speeds counted in bins of equal width [from, to); the first bin starts at a multiple of the
// width at or below the lowest speed, the last holds the highest.
struct SpeedBin {
    double from = 0;
    double to = 0;
    int count = 0;
};
// A round width (1, 2 or 5 times a power of ten) that cuts the range into at most `maxBins`.
double HistogramBinWidth(double lowest, double highest, int maxBins = 20);
QList<SpeedBin> SpeedHistogram(const QList<double>& speeds, double width = 0);

// The charts, ready for a chart view or for ChartSvg. A race without arrivals gives a chart
// with its axes and no series data. The caller owns the chart.
QChart* ArrivalChart(const QList<ArrivalDay>& days);
QChart* SpeedChart(const QList<SpeedBin>& bins, const QString& speedTitle);

// The chart drawn as an SVG element (no XML prologue), to be placed inside a web page.
QByteArray ChartSvg(QChart* chart, const QSize& size = QSize(640, 320));
