// SPDX-License-Identifier: GPL-3.0-or-later
// Building the dialog's widgets from the form's description.

#include "app/forms/form_dialog.h"

#include "app/forms/mnemonics.h"
#include "entry/form_model.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace kavrel {

namespace {

QString FromModel(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

// What a screen reader announces for a field: its label without the mnemonic, the line break
// and the closing colon.
QString SpokenName(const QString& labelText) {
    QString name = StripMnemonic(labelText).simplified();
    while (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

constexpr int FieldWidthInCharacters = 16;
constexpr int ListLinesShown = 8;
// A note beside a field may be rewritten by Calculate ("periods" becomes "periods
// (Semi-Annually)"); room for it is kept from the start so that the dialog does not grow.
constexpr int NoteWidthInCharacters = 24;
// The grid's columns: label, field, its "-->" button, a control beside it, then free space.
enum GridColumn { LabelAt, FieldAt, UnknownAt, ExtraAt, SpareAt };

} // namespace

void CFormDialog::AssignLabelMnemonics() {
    for (int id : m_model.Buttons())
        if (const ControlInfo* info = m_model.InfoOf(id))
            if (QChar letter = MnemonicLetter(QString::fromStdString(info->text)); !letter.isNull())
                m_takenLetters += letter;
    std::vector<int> labels;
    QStringList texts;
    for (const LayoutSection& section : m_model.Layout())
        for (const LayoutRow& row : section.rows)
            if (row.label && row.control) {
                labels.push_back(row.label);
                texts.push_back(FromModel(m_model.Text(row.label)));
            }
    const QStringList marked = AssignMnemonics(texts, m_takenLetters);
    for (size_t i = 0; i < labels.size(); ++i) {
        QChar letter = MnemonicLetter(marked[static_cast<qsizetype>(i)]);
        if (!letter.isNull()) {
            m_labelLetters[labels[i]] = letter;
            m_takenLetters += letter;
        }
    }
}

QString CFormDialog::LabelText(int id, const QString& plain) const {
    auto it = m_labelLetters.find(id);
    if (it == m_labelLetters.end()) return QString(plain).replace(u'&', QStringLiteral("&&"));
    // Keep the label's own letter when the form changes the text; the others stay reserved.
    QString reserved = m_takenLetters;
    reserved.remove(it->second);
    return AssignMnemonics({plain}, reserved).front();
}

QLabel* CFormDialog::CreateLabel(int id) {
    auto* label = new QLabel(this);
    m_widgets[id] = label;
    return label;
}

QWidget* CFormDialog::CreateControl(int id, const QString& accessibleName) {
    const ControlInfo* info = m_model.InfoOf(id);
    if (!info) return nullptr;
    const int fieldWidth = fontMetrics().averageCharWidth() * FieldWidthInCharacters;
    QWidget* widget = nullptr;
    switch (info->kind) {
    case ControlKind::Edit:
    case ControlKind::Display: {
        auto* edit = new QLineEdit(this);
        edit->setMinimumWidth(fieldWidth);
        // Every field of a dialog has one width, whatever its column holds beside it.
        edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        if (info->rule == EditRule::Date) edit->setPlaceholderText(QStringLiteral("m/d/yyyy"));
        widget = edit;
        break;
    }
    case ControlKind::Choice: {
        auto* combo = new QComboBox(this);
        for (const std::string& item : info->items)
            combo->addItem(QString::fromStdString(item));
        widget = combo;
        break;
    }
    case ControlKind::Radio: {
        auto* radio = new QRadioButton(this);
        QButtonGroup*& group = m_radioGroups[info->group];
        if (!group) group = new QButtonGroup(this);
        group->addButton(radio, id);
        widget = radio;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(this);
        // Enter is the dialog's to interpret, never a focused button's.
        button->setAutoDefault(false);
        button->setDefault(id == m_model.DefaultButton());
        widget = button;
        break;
    }
    case ControlKind::List: {
        auto* list = new QPlainTextEdit(this);
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setStyleHint(QFont::TypeWriter);
        fixed.setFixedPitch(true);
        list->setFont(fixed);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setLineWrapMode(QPlainTextEdit::NoWrap);
        list->setTabChangesFocus(true);
        list->setMinimumWidth(fieldWidth);
        list->setFixedHeight(list->fontMetrics().lineSpacing() * ListLinesShown +
                             2 * list->frameWidth() + 8);
        widget = list;
        break;
    }
    case ControlKind::Label:
        return CreateLabel(id);
    case ControlKind::Group:
        widget = new QGroupBox(this);
        break;
    }
    if (!accessibleName.isEmpty()) {
        widget->setAccessibleName(accessibleName);
        widget->setWhatsThis(accessibleName);
    }
    m_widgets[id] = widget;
    ConnectSignals(id, widget);
    return widget;
}

void CFormDialog::BuildControls() {
    AssignLabelMnemonics();
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    for (const LayoutSection& section : m_model.Layout()) {
        auto* grid = new QGridLayout;
        grid->setColumnStretch(SpareAt, 1);
        QGroupBox* box = nullptr;
        if (section.group) {
            box = new QGroupBox(this);
            m_widgets[section.group] = box;
            box->setLayout(grid);
            outer->addWidget(box);
        } else {
            outer->addLayout(grid);
        }
        m_sections.push_back({grid, box, {}});
        std::vector<QWidget*> unknownButtons;
        int line = 0;
        for (const LayoutRow& row : section.rows) {
            const QString name =
                row.label ? SpokenName(FromModel(m_model.Text(row.label))) : QString();
            QWidget* control = row.control ? CreateControl(row.control, name) : nullptr;
            if (row.label) {
                QLabel* label = CreateLabel(row.label);
                if (control) label->setBuddy(control);
                if (row.control || row.unknown || row.extra) {
                    grid->addWidget(label, line, LabelAt);
                    m_sections.back().labels.push_back(label);
                } else {
                    // A line of its own, such as a banner, is no field's label.
                    grid->addWidget(label, line, LabelAt, 1, -1);
                }
            }
            if (control) {
                grid->addWidget(control, line, FieldAt);
                m_tabOrder.push_back(control);
            }
            if (row.unknown) {
                const QString unknownName =
                    name.isEmpty() ? QString() : QStringLiteral("Unknown: ") + name;
                if (QWidget* button = CreateControl(row.unknown, unknownName)) {
                    grid->addWidget(button, line, UnknownAt);
                    unknownButtons.push_back(button);
                    if (row.control) m_unknownButtonOf[row.control] = row.unknown;
                }
            }
            if (row.extra) {
                QString extraName = name;
                if (!row.extraKey.empty())
                    extraName += QStringLiteral(" ") + QString::fromStdString(row.extraKey);
                if (QWidget* extra = CreateControl(row.extra, extraName.trimmed())) {
                    grid->addWidget(extra, line, ExtraAt);
                    m_tabOrder.push_back(extra);
                    if (qobject_cast<QLabel*>(extra))
                        extra->setMinimumWidth(fontMetrics().averageCharWidth() *
                                               NoteWidthInCharacters);
                }
            }
            ++line;
        }
        // Enter and Tab go from field to field first; the section's "-->" buttons follow.
        m_tabOrder.insert(m_tabOrder.end(), unknownButtons.begin(), unknownButtons.end());
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int id : m_model.Buttons()) {
        if (QWidget* button = CreateControl(id, {})) {
            buttons->addWidget(button);
            m_tabOrder.push_back(button);
        }
    }
    outer->addLayout(buttons);
    ChainTabOrder();
}

void CFormDialog::LineUpFields() {
    ensurePolished();
    // A framed section's fields start further in by its frame and margin; its label column is
    // narrower by as much, so that the fields of every section start at one x.
    auto inset = [](const Section& section) {
        return section.box
                   ? section.box->contentsMargins().left() + section.grid->contentsMargins().left()
                   : 0;
    };
    int fieldStart = 0;
    for (const Section& section : m_sections)
        for (const QLabel* label : section.labels)
            fieldStart = std::max(fieldStart, inset(section) + label->sizeHint().width());
    // One spacing after the label column in every section, whatever the style would choose for
    // the controls beside it. A grid leaves out the spacing after a column that holds nothing,
    // so a section without labels takes it into the column's width.
    int spacing = style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    if (spacing < 0)
        spacing = style()->layoutSpacing(QSizePolicy::Label, QSizePolicy::LineEdit, Qt::Horizontal);
    for (const Section& section : m_sections) {
        section.grid->setHorizontalSpacing(spacing);
        section.grid->setColumnMinimumWidth(LabelAt, fieldStart - inset(section) +
                                                         (section.labels.empty() ? spacing : 0));
    }
}

void CFormDialog::ChainTabOrder() {
    for (size_t i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

} // namespace kavrel
