#include "app/HelpWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent)
{
    // The guide is compiled into the program's library, which must register it itself.
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Help"));
    guide = new QTextBrowser(this);
    guide->setObjectName(QStringLiteral("guide"));
    guide->setOpenExternalLinks(true);
    guide->setSource(QUrl(QStringLiteral("qrc:/help/user-guide.html")));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *about = buttons->addButton(tr("&About"), QDialogButtonBox::HelpRole);
    about->setObjectName(QStringLiteral("about"));
    connect(about, &QPushButton::clicked, this, &HelpWindow::aboutRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(guide, 1);
    layout->addWidget(buttons);
    resize(720, 560);
}
