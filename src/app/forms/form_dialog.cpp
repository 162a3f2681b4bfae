// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/forms/form_dialog.h"

#include "app/charts/chart_window.h"
#include "app/forms/form_feedback.h"
#include "app/forms/save_file.h"
#include "app/help/click_help.h"
#include "app/help/help.h"
#include "entry/form_model.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>

namespace kavrel {

namespace {

// Lists hold their entries one per line; the model sees the line ends of a document.
std::string ListTextToModel(const QString& text) {
    QString converted = text;
    converted.replace(u'\n', QStringLiteral("\r\n"));
    return converted.toStdString();
}

QString ModelTextToWidget(const std::string& text) {
    QString converted = QString::fromStdString(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

} // namespace

FormResult RunFormDialog(CFormModel& model, IRecordTarget* target, QWidget* parent) {
    CFormDialog dialog(model, target, parent);
    // A form may close itself while it opens.
    if (dialog.Result() == FormResult::None) dialog.exec();
    return dialog.Result() == FormResult::None ? FormResult::Cancel : dialog.Result();
}

CFormDialog::CFormDialog(CFormModel& model, IRecordTarget* target, QWidget* parent)
    : QDialog(parent), m_model(model), m_target(target) {
    setWindowTitle(QString::fromStdString(model.Caption()));
    BuildControls();

    // A sub-form is explained on the page of the worksheet that opens it.
    const auto* outer = qobject_cast<const CFormDialog*>(parent);
    m_helpContext = outer ? outer->m_helpContext : help::DialogContextBase + model.DialogId();
    help::SetClickHelpContext(this, m_helpContext);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OpenHelpTopic(this, m_helpContext); });
    auto* clickHelp = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(clickHelp, &QShortcut::activated, this, [] { help::EnterClickForHelp(); });

    m_model.Attach(this, target);
    for (const auto& [id, widget] : m_widgets)
        UpdateWidget(id);
    m_model.Open();
    LineUpFields();
    if (!focusWidget()) {
        for (QWidget* widget : m_tabOrder) {
            if (widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}

CFormDialog::~CFormDialog() {
    // The widgets outlive this part of the object; nothing of theirs may reach the form now.
    m_ending = true;
    for (const auto& [id, widget] : m_widgets) {
        widget->removeEventFilter(this);
        disconnect(widget, nullptr, this, nullptr);
    }
    while (m_waits > 0)
        EndWait();
    m_model.Attach(nullptr, m_model.Target());
}

QWidget* CFormDialog::Widget(int controlId) const {
    auto it = m_widgets.find(controlId);
    return it == m_widgets.end() ? nullptr : it->second;
}

int CFormDialog::IdOf(const QObject* widget) const {
    for (const auto& [id, candidate] : m_widgets)
        if (candidate == widget) return id;
    return 0;
}

void CFormDialog::ConnectSignals(int id, QWidget* widget) {
    if (auto* list = qobject_cast<QPlainTextEdit*>(widget)) {
        connect(list, &QPlainTextEdit::textChanged, this,
                [this, id, list] { m_model.UserEdited(id, ListTextToModel(list->toPlainText())); });
        list->installEventFilter(this);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { m_model.UserEdited(id, text.toStdString()); });
        edit->installEventFilter(this);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this,
                [this, id](int index) { m_model.UserSelected(id, index); });
        combo->installEventFilter(this);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { m_model.UserClicked(id); });
    }
}

void CFormDialog::UpdateWidget(int id) {
    QWidget* widget = Widget(id);
    const ControlInfo* info = m_model.InfoOf(id);
    if (!widget || !info) return;
    const QSignalBlocker blocker(widget);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    // A field that the form disables is shown as a result (ShowFieldRole), not greyed out.
    widget->setEnabled(edit || m_model.IsEnabled(id));
    const QString text = ModelTextToWidget(m_model.Text(id));
    if (auto* list = qobject_cast<QPlainTextEdit*>(widget)) {
        if (list->toPlainText() != text) list->setPlainText(text);
    } else if (edit) {
        if (edit->text() != text) edit->setText(text);
        ShowFieldRole(id, *edit);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(m_model.Selection(id));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(LabelText(id, text));
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
        if (auto* radio = qobject_cast<QRadioButton*>(button)) {
            // The form decides which button of a group is checked, also none of them.
            QButtonGroup* group = radio->group();
            const bool exclusive = group && group->exclusive();
            if (group) group->setExclusive(false);
            radio->setChecked(m_model.IsChecked(id));
            if (group) group->setExclusive(exclusive);
        }
    }
}

// Results, and the unknown that Calculate fills in, cannot be typed into: they take the
// platform's read-only look (the window's colour behind normal text), and Tab passes them by.
// A click still selects their text for copying.
void CFormDialog::ShowFieldRole(int id, QLineEdit& edit) {
    const ControlInfo* info = m_model.InfoOf(id);
    auto button = m_unknownButtonOf.find(id);
    const bool result = (info && info->kind == ControlKind::Display) || !m_model.IsEnabled(id) ||
                        (button != m_unknownButtonOf.end() && m_model.IsChecked(button->second));
    if (edit.isReadOnly() == result) return;
    edit.setReadOnly(result);
    edit.setFocusPolicy(result ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette look;
    if (result) look.setBrush(QPalette::Base, palette().window());
    edit.setPalette(look);
}

void CFormDialog::Beep() {
    SoundBeep();
}

void CFormDialog::TakeBackCharacter(int controlId) {
    QWidget* widget = Widget(controlId);
    if (auto* list = qobject_cast<QPlainTextEdit*>(widget)) {
        {
            const QSignalBlocker blocker(list);
            QTextCursor cursor = list->textCursor();
            cursor.deletePreviousChar();
            list->setTextCursor(cursor);
        }
        m_model.UserEdited(controlId, ListTextToModel(list->toPlainText()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        {
            const QSignalBlocker blocker(edit);
            edit->backspace();
        }
        m_model.UserEdited(controlId, edit->text().toStdString());
    }
}

void CFormDialog::RestoreText(int controlId, size_t caret) {
    UpdateWidget(controlId);
    const std::string_view before = std::string_view(m_model.Text(controlId)).substr(0, caret);
    const int position = static_cast<int>(ModelTextToWidget(std::string(before)).size());
    if (auto* list = qobject_cast<QPlainTextEdit*>(Widget(controlId))) {
        QTextCursor cursor = list->textCursor();
        cursor.setPosition(position);
        list->setTextCursor(cursor);
    } else if (auto* edit = qobject_cast<QLineEdit*>(Widget(controlId))) {
        edit->setCursorPosition(position);
    }
}

MessageAnswer CFormDialog::ShowMessage(std::string_view text, MessageIcon icon,
                                       MessageButtons buttons) {
    return PresentMessage(this, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                          icon, buttons);
}

void CFormDialog::MoveFocus(int controlId) {
    if (QWidget* widget = Widget(controlId)) widget->setFocus(Qt::OtherFocusReason);
}

void CFormDialog::ControlChanged(int controlId) {
    UpdateWidget(controlId);
}

void CFormDialog::CaptionChanged() {
    setWindowTitle(QString::fromStdString(m_model.Caption()));
}

void CFormDialog::EndForm(FormResult result) {
    m_result = result;
    m_ending = true;
    if (result == FormResult::Ok)
        accept();
    else
        QDialog::reject();
}

FormResult CFormDialog::RunSubForm(CFormModel& subForm) {
    return RunFormDialog(subForm, m_target, this);
}

void CFormDialog::BeginWait() {
    ++m_waits;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CFormDialog::EndWait() {
    if (m_waits == 0) return;
    --m_waits;
    QApplication::restoreOverrideCursor();
}

void CFormDialog::ExportFile(std::string_view fileName, std::string_view bytes) {
    SaveBytesAs(this, tr("Export"),
                QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())),
                QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// The window belongs to the form: the modal form leaves it usable, and closes it with itself.
void CFormDialog::ShowChart(const ChartData& chart) {
    auto* window = new CChartWindow(chart, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

int CFormDialog::CaretLine(int controlId) const {
    if (auto* list = qobject_cast<QPlainTextEdit*>(Widget(controlId)))
        return list->textCursor().blockNumber();
    return 0;
}

void CFormDialog::reject() {
    if (m_ending)
        QDialog::reject();
    else
        m_model.UserClicked(IDCANCEL);
}

void CFormDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
        QDialog::keyPressEvent(event);
        return;
    }
    // A focused push button takes Enter as a press, as Space does.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    } else if (auto* preset = qobject_cast<QAbstractButton*>(Widget(m_model.DefaultButton()));
               preset && preset->isEnabled()) {
        preset->click();
    } else {
        focusNextChild();
    }
}

void CFormDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // The focus is drawn on any control, as after a Tab, for it to be seen where typing goes.
        setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focus = focusWidget()) focus->update();
    }
    QDialog::changeEvent(event);
}

bool CFormDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_ending) {
        // Only a move to another control of this form is leaving the field; a message box or
        // another window taking the focus is not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            if (int id = IdOf(watched)) m_model.UserLeft(id);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kavrel
