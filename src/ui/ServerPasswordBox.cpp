#include "ui/ServerPasswordBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QObject>

std::optional<QString> ServerPasswordBox::ask(QWidget *parent, const QString &server,
                                              const QString &why)
{
    // The box waits for the user: the pointer is an arrow over it, whatever step asked.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    bool ok = false;
    const QString password = QInputDialog::getText(
        parent, QObject::tr("Database server password"),
        QObject::tr("The database server %1 did not let the program in:\n%2\n\n"
                    "If it needs a password, type it here (it is not stored):")
            .arg(server, why),
        QLineEdit::Password, QString(), &ok);
    QApplication::restoreOverrideCursor();
    if (!ok)
        return std::nullopt;
    return password;
}
