// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keyboard mnemonics for a form's labels, which are given as plain texts.

#include <QString>
#include <QStringList>

namespace kavrel {

// The letter after a text's mnemonic mark, in lower case, or a null QChar.
QChar MnemonicLetter(const QString& markedText);

// Marks one character of each plain text with "&" (escaping any "&" the text holds) so that
// Alt+letter reaches every field. Letters in `reserved` (the buttons' own) are not used; each
// text takes the first free initial of a word, else any free letter or digit, else none.
QStringList AssignMnemonics(const QStringList& plainTexts, QString reserved);

// The text without its mnemonic marks ("&&" becomes "&").
QString StripMnemonic(const QString& text);

} // namespace kavrel
