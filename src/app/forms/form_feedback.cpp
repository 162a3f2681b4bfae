// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/forms/form_feedback.h"

#include "app/help/help.h"
#include "resources/strings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace kavrel {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        break;
    }
    return QMessageBox::Warning;
}

MessageAnswer DesktopMessage(QWidget* parent, const QString& text, MessageIcon icon,
                             MessageButtons buttons) {
    const std::string_view appName = LoadString(IDS_APP_NAME);
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(BoxIcon(icon), QString::fromUtf8(appName.data(), appName.size()), text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    // The buttons carry their words alone, whatever icons a desktop theme would add to them.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    const int answer = box.exec();
    if (!yesNo) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void DesktopBeep() {
    QApplication::beep();
}

MessagePresenter thePresenter = DesktopMessage;
BeepSound theBeep = DesktopBeep;
HelpOpener theHelpOpener = help::ShowTopic;

template <class Hook> Hook Replace(Hook& current, Hook replacement, Hook fallback) {
    Hook previous = current;
    current = replacement ? replacement : fallback;
    return previous;
}

} // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    return Replace(thePresenter, presenter, &DesktopMessage);
}

BeepSound SetBeepSound(BeepSound sound) {
    return Replace(theBeep, sound, &DesktopBeep);
}

HelpOpener SetHelpOpener(HelpOpener opener) {
    return Replace(theHelpOpener, opener, &help::ShowTopic);
}

MessageAnswer PresentMessage(QWidget* parent, const QString& text, MessageIcon icon,
                             MessageButtons buttons) {
    return thePresenter(parent, text, icon, buttons);
}

void SoundBeep() {
    theBeep();
}

bool OpenHelpTopic(QWidget* parent, int contextNumber) {
    return theHelpOpener(parent, contextNumber);
}

} // namespace kavrel
