// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows any form model as a modal Qt dialog over the main window.

#include "entry/form_host.h"

#include <QDialog>
#include <QString>

#include <map>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kavrel {

class CFormModel;
class IRecordTarget;

// Runs the form modally until it records, is cancelled or closed; Record goes to target.
FormResult RunFormDialog(CFormModel& model, IRecordTarget* target, QWidget* parent);

// The generic dialog: builds widgets from the model's controls and layout, forwards what the
// user does to the model and shows what the model changes. Attaches itself to the model as its
// host for its lifetime.
class CFormDialog : public QDialog, public IFormHost {
    Q_OBJECT
public:
    CFormDialog(CFormModel& model, IRecordTarget* target, QWidget* parent);
    ~CFormDialog() override;

    // The widget that shows a control, or nullptr.
    QWidget* Widget(int controlId) const;
    // How the form ended; None while it is open.
    FormResult Result() const { return m_result; }

    // IFormHost
    void Beep() override;
    void TakeBackCharacter(int controlId) override;
    void RestoreText(int controlId, size_t caret) override;
    MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                              MessageButtons buttons) override;
    void MoveFocus(int controlId) override;
    void ControlChanged(int controlId) override;
    void CaptionChanged() override;
    void EndForm(FormResult result) override;
    FormResult RunSubForm(CFormModel& subForm) override;
    void BeginWait() override;
    void EndWait() override;
    void ExportFile(std::string_view fileName, std::string_view bytes) override;
    void ShowChart(const ChartData& chart) override;
    int CaretLine(int controlId) const override;

public slots:
    // Escape and the window's close button cancel through the form, which may refuse.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QWidget* CreateControl(int id, const QString& accessibleName);
    QLabel* CreateLabel(int id);
    void AssignLabelMnemonics();
    void ConnectSignals(int id, QWidget* widget);
    void ChainTabOrder();
    void LineUpFields();
    void UpdateWidget(int id);
    void ShowFieldRole(int id, QLineEdit& edit);
    QString LabelText(int id, const QString& plain) const;
    int IdOf(const QObject* widget) const;

    CFormModel& m_model;
    IRecordTarget* m_target;
    std::map<int, QWidget*> m_widgets;
    std::map<int, QButtonGroup*> m_radioGroups;
    std::map<int, QChar> m_labelLetters; // each label's mnemonic letter
    QString m_takenLetters;
    std::vector<QWidget*> m_tabOrder;
    int m_helpContext = 0; // the topic of F1 and of a click for help
    struct Section {
        QGridLayout* grid;
        QGroupBox* box;              // nullptr: the section has no frame
        std::vector<QLabel*> labels; // the labels of its fields
    };
    std::vector<Section> m_sections;
    std::map<int, int> m_unknownButtonOf; // each field's "-->" button
    FormResult m_result = FormResult::None;
    bool m_ending = false;
    int m_waits = 0;
};

} // namespace kavrel
