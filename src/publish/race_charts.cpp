#include "race_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// All days are drawn against the clock times of one day.
const QDate kAxisDay(2000, 1, 3);

qreal AxisMs(const QTime& time) {
    return qreal(QDateTime(kAxisDay, time).toMSecsSinceEpoch());
}

struct ChartText {
    Q_DECLARE_TR_FUNCTIONS(Publish)
};

// A count axis from 0 to `highest` whose labels are whole numbers, each once: a handful of
// birds gets a tick per bird ("0 1 2", not "0 0 1 1 2").
void CountAxis(QValueAxis* axis, int highest) {
    axis->setLabelFormat(QStringLiteral("%d"));
    if (highest <= 10) {
        axis->setRange(0, std::max(highest, 1));
        axis->setTickCount(std::max(highest, 1) + 1);
        return;
    }
    axis->setRange(0, highest);
    axis->applyNiceNumbers();
    // Nice numbers may still step by a half on a small range: then one tick per whole step.
    const double step = (axis->max() - axis->min()) / std::max(1, axis->tickCount() - 1);
    if (step != std::floor(step)) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(std::ceil(step));
    }
}

void PlainChart(QChart* chart) {
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
}

}  // namespace

QList<ArrivalDay> ArrivalSeries(QList<QDateTime> arrivals) {
    std::sort(arrivals.begin(), arrivals.end());
    QList<ArrivalDay> days;
    int count = 0;
    for (const QDateTime& at : arrivals) {
        if (!at.isValid()) {
            continue;
        }
        ++count;
        const QTime minute(at.time().hour(), at.time().minute());
        if (days.isEmpty() || days.last().day != at.date()) {
            days << ArrivalDay{at.date(), {}};
        }
        QList<ArrivalPoint>& points = days.last().points;
        if (!points.isEmpty() && points.last().minute == minute) {
            points.last().count = count;
        } else {
            points << ArrivalPoint{minute, count};
        }
    }
    return days;
}

double HistogramBinWidth(double lowest, double highest, int maxBins) {
    const double range = highest - lowest;
    if (!(range > 0) || maxBins < 1) {
        return 1;
    }
    const double raw = range / maxBins;
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (;;) {
        for (double step : {1.0, 2.0, 5.0}) {
            const double width = step * power;
            if (std::floor(highest / width) - std::floor(lowest / width) + 1 <= maxBins) {
                return width;
            }
        }
        power *= 10;
    }
}

QList<SpeedBin> SpeedHistogram(const QList<double>& speeds, double width) {
    if (speeds.isEmpty()) {
        return {};
    }
    const auto [lo, hi] = std::minmax_element(speeds.begin(), speeds.end());
    if (!(width > 0)) {
        width = HistogramBinWidth(*lo, *hi);
    }
    const double first = std::floor(*lo / width);
    const int bins = int(std::floor(*hi / width) - first) + 1;
    QList<SpeedBin> out;
    for (int i = 0; i < bins; ++i) {
        out << SpeedBin{(first + i) * width, (first + i + 1) * width, 0};
    }
    for (double s : speeds) {
        const int i = std::clamp(int(std::floor(s / width) - first), 0, bins - 1);
        ++out[i].count;
    }
    return out;
}

QChart* ArrivalChart(const QList<ArrivalDay>& days) {
    auto* chart = new QChart;
    PlainChart(chart);
    chart->setTitle(ChartText::tr("Arrivals"));
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("HH:mm"));
    x->setTitleText(ChartText::tr("Clock time"));
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(ChartText::tr("Birds arrived"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    QTime earliest(23, 59);
    QTime latest(0, 0);
    int total = 0;
    for (const ArrivalDay& day : days) {
        auto* series = new QLineSeries;
        series->setName(day.day.toString(QStringLiteral("yyyy-MM-dd")));
        for (const ArrivalPoint& p : day.points) {
            series->append(AxisMs(p.minute), p.count);
            earliest = std::min(earliest, p.minute);
            latest = std::max(latest, p.minute);
            total = std::max(total, p.count);
        }
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    if (total == 0) {
        earliest = QTime(0, 0);
        latest = QTime(23, 59);
    }
    // A quarter of an hour of room on either side, within the day.
    const QTime from = earliest.addSecs(-15 * 60) > earliest ? QTime(0, 0) : earliest.addSecs(-900);
    const QTime to = latest.addSecs(15 * 60) < latest ? QTime(23, 59) : latest.addSecs(900);
    x->setRange(QDateTime(kAxisDay, from), QDateTime(kAxisDay, to));
    CountAxis(y, total);
    chart->legend()->setVisible(days.size() > 1);
    return chart;
}

QChart* SpeedChart(const QList<SpeedBin>& bins, const QString& speedTitle) {
    auto* chart = new QChart;
    PlainChart(chart);
    chart->setTitle(ChartText::tr("Speeds"));
    auto* set = new QBarSet(ChartText::tr("Birds"));
    QStringList categories;
    int highest = 0;
    for (const SpeedBin& b : bins) {
        *set << b.count;
        categories << QString::number(b.from, 'f', b.to - b.from < 1 ? 1 : 0);
        highest = std::max(highest, b.count);
    }
    auto* series = new QBarSeries;
    series->setBarWidth(1.0);
    series->append(set);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    // Many bins stand their labels upright, so that each stays whole instead of elided.
    if (categories.size() > 6) {
        x->setLabelsAngle(-90);
    }
    x->setTitleText(speedTitle);
    auto* y = new QValueAxis;
    y->setTitleText(ChartText::tr("Birds"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    CountAxis(y, highest);
    chart->legend()->setVisible(false);
    return chart;
}

QByteArray ChartSvg(QChart* chart, const QSize& size) {
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(size)));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    // What a screen reader says of the picture: its title, not the generator's "Generated
    // with Qt".
    svg.setTitle(chart->title());
    svg.setDescription(chart->title());
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart->title());
    {
        QPainter painter(&svg);
        scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), scene.sceneRect());
    }
    scene.removeItem(chart);
    QByteArray bytes = buffer.data();
    const qsizetype start = bytes.indexOf("<svg");
    return start < 0 ? QByteArray() : bytes.mid(start);
}
