#pragma once

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
struct ServerAddress;

// Where the forms are kept: the data folder chosen in the folder list, or a database
// server several workstations share. The server's password is never asked for here:
// it comes from the user's ~/.pgpass, or a box asks for it when connecting.
class ServerBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit ServerBox(QWidget *parent = nullptr);

    QRadioButton *optDataFolder;  // "Data folder"
    QRadioButton *optServer;      // "Database server"
    QLineEdit *txtServerHost;
    QSpinBox *txtServerPort;
    QLineEdit *txtServerDatabase;
    QLineEdit *txtServerUser;
    QComboBox *cboServerTls;  // libpq's sslmode
    QPushButton *cmdConnectServer;

    // The address the boxes describe; the boxes show the given one.
    ServerAddress address() const;
    void showAddress(const ServerAddress &address);
    // Shows which of the two is in use without reporting a choice.
    void showServerInUse(bool server);

signals:
    void serverChosen();      // Connect pressed
    void dataFolderChosen();  // "Data folder" picked while a server was in use

private:
    void enableServerBoxes();
};
