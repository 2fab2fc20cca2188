#include "setup/ServerBox.h"

#include "data/ServerAddress.h"
#include "ui/ButtonShortcut.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// libpq's sslmode values, the safest last.
const char *const kTlsModes[]
    = {"disable", "allow", "prefer", "require", "verify-ca", "verify-full"};

QLineEdit *serverLine(QWidget *parent, const char *name, int limit)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(limit);
    return box;
}

}  // namespace

ServerBox::ServerBox(QWidget *parent)
    : QGroupBox(tr("Where the forms are kept"), parent)
{
    setObjectName(QStringLiteral("grpDataSource"));
    optDataFolder = new QRadioButton(tr("Data folder"), this);
    optDataFolder->setObjectName(QStringLiteral("optDataFolder"));
    optServer = new QRadioButton(tr("Database server"), this);
    optServer->setObjectName(QStringLiteral("optServer"));
    auto *choice = new QButtonGroup(this);
    choice->addButton(optDataFolder);
    choice->addButton(optServer);
    optDataFolder->setChecked(true);

    txtServerHost = serverLine(this, "txtServerHost", 255);
    txtServerHost->setPlaceholderText(tr("host name, or the folder of the server's socket"));
    txtServerPort = new QSpinBox(this);
    txtServerPort->setObjectName(QStringLiteral("txtServerPort"));
    txtServerPort->setRange(1, 65535);
    txtServerPort->setValue(5432);
    txtServerDatabase = serverLine(this, "txtServerDatabase", 63);
    txtServerUser = serverLine(this, "txtServerUser", 63);
    txtServerUser->setPlaceholderText(tr("your login name"));
    cboServerTls = new QComboBox(this);
    cboServerTls->setObjectName(QStringLiteral("cboServerTls"));
    for (const char *mode : kTlsModes)
        cboServerTls->addItem(QString::fromLatin1(mode));
    cboServerTls->setCurrentText(QStringLiteral("prefer"));
    cmdConnectServer = new QPushButton(tr("Connect"), this);
    cmdConnectServer->setObjectName(QStringLiteral("cmdConnectServer"));
    giveShortcut(cmdConnectServer, tr("Keep the forms on this server"),
                 QKeySequence(Qt::ALT | Qt::Key_O));

    auto *server = new QFormLayout;
    server->addRow(tr("Host"), txtServerHost);
    server->addRow(tr("Port"), txtServerPort);
    server->addRow(tr("Database"), txtServerDatabase);
    server->addRow(tr("User"), txtServerUser);
    server->addRow(tr("Encryption (TLS)"), cboServerTls);
    server->addRow(QString(), cmdConnectServer);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(optDataFolder);
    layout->addWidget(optServer);
    layout->addLayout(server);

    connect(optServer, &QRadioButton::toggled, this, &ServerBox::enableServerBoxes);
    connect(optDataFolder, &QRadioButton::clicked, this, &ServerBox::dataFolderChosen);
    connect(cmdConnectServer, &QPushButton::clicked, this, &ServerBox::serverChosen);
    enableServerBoxes();
}

ServerAddress ServerBox::address() const
{
    ServerAddress address;
    address.host = txtServerHost->text().trimmed();
    address.port = txtServerPort->value();
    address.database = txtServerDatabase->text().trimmed();
    address.user = txtServerUser->text().trimmed();
    address.tlsMode = cboServerTls->currentText();
    return address;
}

void ServerBox::showAddress(const ServerAddress &address)
{
    txtServerHost->setText(address.host);
    txtServerPort->setValue(address.port);
    txtServerDatabase->setText(address.database);
    txtServerUser->setText(address.user);
    cboServerTls->setCurrentText(address.tlsMode);
}

void ServerBox::showServerInUse(bool server)
{
    const QSignalBlocker quietFolder(optDataFolder);
    const QSignalBlocker quietServer(optServer);
    (server ? optServer : optDataFolder)->setChecked(true);
    enableServerBoxes();
}

void ServerBox::enableServerBoxes()
{
    const bool server = optServer->isChecked();
    for (QWidget *box :
         std::initializer_list<QWidget *>{txtServerHost, txtServerPort, txtServerDatabase,
                                          txtServerUser, cboServerTls, cmdConnectServer})
        box->setEnabled(server);
}
