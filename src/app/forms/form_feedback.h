// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The beep, message boxes and help that forms and the help window produce. Each goes through a
// replaceable function so that tests can watch the order of events without a real desktop.

#include "entry/form_host.h"

class QString;
class QWidget;

namespace kavrel {

using MessagePresenter = MessageAnswer (*)(QWidget* parent, const QString& text, MessageIcon icon,
                                           MessageButtons buttons);
using BeepSound = void (*)();
using HelpOpener = bool (*)(QWidget* parent, int contextNumber);

// Each setter installs a replacement (nullptr restores the default) and returns the previous one.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);
BeepSound SetBeepSound(BeepSound sound);
HelpOpener SetHelpOpener(HelpOpener opener);

// A message box titled with the application's name, with the icon and buttons asked for.
MessageAnswer PresentMessage(QWidget* parent, const QString& text, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok);
void SoundBeep();
bool OpenHelpTopic(QWidget* parent, int contextNumber);

} // namespace kavrel
