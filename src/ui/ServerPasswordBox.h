#pragma once

#include <QString>

#include <optional>

class QWidget;

// The box that asks for a database server's password when the user's ~/.pgpass holds none
// for it. The password is not stored anywhere; nullopt when the user cancels.
namespace ServerPasswordBox {

std::optional<QString> ask(QWidget *parent, const QString &server, const QString &why);

}  // namespace ServerPasswordBox
