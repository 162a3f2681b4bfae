// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/charts/chart_window.h"

#include "app/forms/save_file.h"
#include "entry/number_text.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kavrel {

namespace {

QString Amount(double value) {
    return QString::fromStdString(FormatFixed(std::abs(value) < 0.005 ? 0.0 : value, 2));
}

QString Period(double period) {
    const bool whole = period == std::floor(period);
    return QString::fromStdString(FormatFixed(period, whole ? 0 : 3));
}

// A whole-number scale from about 100 up; finer below.
void ScaleAmounts(QValueAxis* axis, double low, double high) {
    axis->setRange(std::min(0.0, low), std::max(high, 0.01));
    axis->applyNiceNumbers();
    axis->setLabelFormat(axis->max() - axis->min() >= 100 ? "%.0f" : "%.2f");
}

// Shows the tooltip of the point under the mouse.
class TippingChartView : public QChartView {
public:
    TippingChartView(QChart* chart, const CChartWindow& window)
        : QChartView(chart), m_window(window) {
        viewport()->setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        QChartView::mouseMoveEvent(event);
        const QPointF at = chart()->mapFromScene(mapToScene(event->position().toPoint()));
        if (!chart()->plotArea().contains(at)) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(event->globalPosition().toPoint(),
                           m_window.TipAt(chart()->mapToValue(at).x()), this);
    }

private:
    const CChartWindow& m_window;
};

} // namespace

CChartWindow::CChartWindow(ChartData chart, QWidget* parent)
    : QDialog(parent), m_data(std::move(chart)), m_chart(new QChart) {
    setWindowTitle(QString::fromStdString(m_data.title));
    setSizeGripEnabled(true);
    for (const ChartPoint& point : m_data.points)
        m_positions.push_back(PositionOf(point));

    m_chart->setTitle(QString::fromStdString(m_data.title));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    QAbstractAxis* across = nullptr;
    if (m_data.dated) {
        auto* dates = new QDateTimeAxis;
        const int days = m_data.points.empty() ? 0
                                               : m_data.points.back().due.DayNumber() -
                                                     m_data.points.front().due.DayNumber();
        dates->setFormat(days < 366 ? "M/d/yyyy" : days < 4 * 366 ? "M/yyyy" : "yyyy");
        dates->setTitleText(tr("Due Date"));
        across = dates;
    } else {
        auto* periods = new QValueAxis;
        periods->setLabelFormat("%.0f");
        periods->setTitleText(tr("Period"));
        across = periods;
    }
    m_chart->addAxis(across, Qt::AlignBottom);

    const QString balanceName = QString::fromStdString(m_data.balanceName);
    m_balance = new QLineSeries;
    m_balance->setName(balanceName);
    double low = 0.0, high = 0.0;
    for (size_t i = 0; i < m_data.points.size(); ++i) {
        m_balance->append(m_positions[i], m_data.points[i].balance);
        low = std::min(low, m_data.points[i].balance);
        high = std::max(high, m_data.points[i].balance);
    }
    m_chart->addSeries(m_balance);
    m_balanceAxis = new QValueAxis;
    m_balanceAxis->setTitleText(balanceName + " ($)");
    ScaleAmounts(m_balanceAxis, low, high);
    m_chart->addAxis(m_balanceAxis, Qt::AlignLeft);
    m_balance->attachAxis(across);
    m_balance->attachAxis(m_balanceAxis);
    m_view = new TippingChartView(m_chart, *this);
    auto* buttons = new QHBoxLayout;
    if (m_data.dated) {
        m_portionAxis = new QValueAxis;
        m_portionAxis->setTitleText(tr("Per Payment ($)"));
        m_chart->addAxis(m_portionAxis, Qt::AlignRight);
        m_style = new QComboBox;
        m_style->addItems({tr("Stacked areas"), tr("Two lines")});
        auto* label = new QLabel(tr("&Portions:"));
        label->setBuddy(m_style);
        buttons->addWidget(label);
        buttons->addWidget(m_style);
        connect(m_style, &QComboBox::currentIndexChanged, this,
                [this](int index) { ShowPortions(index == 0); });
        ShowPortions(true);
    }
    buttons->addStretch();
    auto* png = new QPushButton(tr("Save as P&NG..."));
    auto* svg = new QPushButton(tr("Save as &SVG..."));
    auto* close = new QPushButton(tr("&Close"));
    connect(png, &QPushButton::clicked, this, [this] { AskAndSave("chart.png"); });
    connect(svg, &QPushButton::clicked, this, [this] { AskAndSave("chart.svg"); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton* button : {png, svg, close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(820, 520);
}

double CChartWindow::PositionOf(const ChartPoint& point) const {
    if (!m_data.dated) return point.period;
    const QDate date(point.due.year, point.due.month, point.due.day);
    return static_cast<double>(QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch());
}

void CChartWindow::SetStacked(bool stacked) {
    if (m_style) m_style->setCurrentIndex(stacked ? 0 : 1);
}

CChartWindow::~CChartWindow() {
    ClearPortions();
}

void CChartWindow::ClearPortions() {
    for (QAbstractSeries* series : m_chart->series()) {
        if (series == m_balance) continue;
        m_chart->removeSeries(series);
        delete series;
    }
    // The areas' boundary lines belong to no chart; they go after the areas.
    m_areaLines.clear();
}

void CChartWindow::ShowPortions(bool stacked) {
    ClearPortions();
    auto interest = std::make_unique<QLineSeries>();
    auto principal = std::make_unique<QLineSeries>();
    double low = 0.0, high = 0.0;
    for (size_t i = 0; i < m_data.points.size(); ++i) {
        const ChartPoint& point = m_data.points[i];
        const double top = stacked ? point.interest + point.principal : point.principal;
        interest->append(m_positions[i], point.interest);
        principal->append(m_positions[i], top);
        low = std::min({low, point.interest, top});
        high = std::max({high, point.interest, top});
    }
    ScaleAmounts(m_portionAxis, low, high);
    QAbstractSeries* shown[2];
    if (stacked) {
        // The principal on top of the interest: together they reach the payment.
        auto* principalArea = new QAreaSeries(principal.get(), interest.get());
        auto* interestArea = new QAreaSeries(interest.get());
        principalArea->setOpacity(0.7);
        interestArea->setOpacity(0.7);
        shown[0] = principalArea;
        shown[1] = interestArea;
        m_areaLines.push_back(std::move(principal));
        m_areaLines.push_back(std::move(interest));
    } else {
        shown[0] = principal.release();
        shown[1] = interest.release();
    }
    shown[0]->setName(tr("Principal"));
    shown[1]->setName(tr("Interest"));
    QAbstractAxis* across = m_chart->axes(Qt::Horizontal).front();
    for (QAbstractSeries* series : shown) {
        m_chart->addSeries(series);
        series->attachAxis(across);
        series->attachAxis(m_portionAxis);
    }
    // The balance is drawn last, over the areas.
    m_chart->removeSeries(m_balance);
    m_chart->addSeries(m_balance);
    m_balance->attachAxis(across);
    m_balance->attachAxis(m_balanceAxis);
}

QString CChartWindow::TipAt(double x) const {
    if (m_positions.empty()) return {};
    auto after = std::lower_bound(m_positions.begin(), m_positions.end(), x);
    if (after == m_positions.end() ||
        (after != m_positions.begin() && x - *(after - 1) < *after - x))
        --after;
    const ChartPoint& point = m_data.points[static_cast<size_t>(after - m_positions.begin())];
    const QString balance = QString::fromStdString(m_data.balanceName);
    if (!m_data.dated)
        return tr("Period %1\n%2: %3").arg(Period(point.period), balance, Amount(point.balance));
    return tr("Payment %1, due %2\nPayment: %3\nPrincipal: %4\nInterest: %5\n%6: %7")
        .arg(Period(point.period), QString::fromStdString(point.due.Format()),
             Amount(point.payment), Amount(point.principal), Amount(point.interest), balance,
             Amount(point.balance));
}

bool CChartWindow::SaveImage(const QString& path) const {
    if (QFileInfo(path).suffix().compare("svg", Qt::CaseInsensitive) != 0)
        return m_view->grab().save(path, "PNG");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(m_view->size());
    svg.setViewBox(m_view->rect());
    svg.setTitle(windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    m_view->render(&painter);
    return painter.end();
}

void CChartWindow::AskAndSave(const QString& suggestedName) {
    const QString path = AskSaveFileName(this, tr("Save Chart"), suggestedName);
    if (!path.isEmpty() && !SaveImage(path)) TellNotWritten(this, path);
}

} // namespace kavrel
