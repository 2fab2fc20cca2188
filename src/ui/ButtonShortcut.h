#pragma once

#include <QAbstractButton>
#include <QKeySequence>
#include <QString>

// Gives a button keys that click it and names them in its tooltip, e.g. "Save the form
// (Ctrl+S)". Also the access key of a button whose caption is a fixed text that carries
// no underlined letter.
inline void giveShortcut(QAbstractButton *button, const QString &what, const QKeySequence &keys)
{
    button->setShortcut(keys);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(what, keys.toString(QKeySequence::NativeText)));
}
