// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of a form's chart: a loan's remaining principal and each payment's portions over
// the due dates, or the value of a plan over its periods. A tooltip tells the point under the
// mouse; the chart can be saved as PNG or SVG.

#include "entry/chart_data.h"

#include <QDialog>

#include <memory>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QValueAxis;
class QLineSeries;

namespace kavrel {

class CChartWindow : public QDialog {
    Q_OBJECT
public:
    CChartWindow(ChartData chart, QWidget* parent);
    ~CChartWindow() override;

    QChart* Chart() const { return m_chart; }
    // The portions of a loan's payments as stacked areas, or as two lines.
    void SetStacked(bool stacked);
    // PNG, or SVG when the path ends in ".svg"; false when the file could not be written.
    bool SaveImage(const QString& path) const;
    // The tooltip of the point nearest to the value x on the horizontal axis.
    QString TipAt(double x) const;

private:
    void ShowPortions(bool stacked);
    void ClearPortions();
    void AskAndSave(const QString& suggestedName);
    // The horizontal position of each point: the due date in milliseconds since 1970, or the
    // period.
    double PositionOf(const ChartPoint& point) const;

    ChartData m_data;
    std::vector<double> m_positions;
    QChart* m_chart;
    QChartView* m_view;
    QLineSeries* m_balance = nullptr;
    QValueAxis* m_balanceAxis = nullptr;
    QComboBox* m_style = nullptr;
    QValueAxis* m_portionAxis = nullptr;
    // The lines that bound the stacked areas; the chart draws the areas, not these.
    std::vector<std::unique_ptr<QLineSeries>> m_areaLines;
};

} // namespace kavrel
