// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/forms/mnemonics.h"

namespace kavrel {

namespace {

qsizetype PickPosition(const QString& text, const QString& taken) {
    auto free = [&](qsizetype i) {
        return text[i].isLetterOrNumber() && !taken.contains(text[i].toLower());
    };
    for (qsizetype i = 0; i < text.size(); ++i)
        if (free(i) && (i == 0 || !text[i - 1].isLetterOrNumber())) return i;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (free(i)) return i;
    return -1;
}

} // namespace

QChar MnemonicLetter(const QString& markedText) {
    for (qsizetype i = 0; i + 1 < markedText.size(); ++i) {
        if (markedText[i] != u'&') continue;
        if (markedText[i + 1] != u'&') return markedText[i + 1].toLower();
        ++i;
    }
    return {};
}

QStringList AssignMnemonics(const QStringList& plainTexts, QString reserved) {
    reserved = reserved.toLower();
    QStringList result;
    for (const QString& plain : plainTexts) {
        const qsizetype pos = PickPosition(plain, reserved);
        QString marked;
        for (qsizetype i = 0; i < plain.size(); ++i) {
            if (i == pos) marked += u'&';
            if (plain[i] == u'&') marked += u'&';
            marked += plain[i];
        }
        if (pos >= 0) reserved += plain[pos].toLower();
        result.push_back(marked);
    }
    return result;
}

QString StripMnemonic(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

} // namespace kavrel
