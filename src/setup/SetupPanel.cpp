#include "setup/SetupPanel.h"

#include "ui/ButtonShortcut.h"
#include "ui/RaisedPanel.h"
#include "ui/TypingLengthValidator.h"

#include "setup/MailingAddressBox.h"
#include "setup/ServerBox.h"
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The two indicators: a red cross while the data files are not bound, a green tick once they are.
QPixmap indicatorPixmap(bool bound)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(bound ? QColor(0, 150, 0) : QColor(200, 0, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(2, 2, 28, 28);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    if (bound) {
        p.drawLine(9, 17, 14, 22);
        p.drawLine(14, 22, 23, 10);
    } else {
        p.drawLine(10, 10, 22, 22);
        p.drawLine(22, 10, 10, 22);
    }
    return pixmap;
}

// A printer: paper in, the body, paper out; for themes that have no printer icon.
QPixmap printerPixmap()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(9, 3, 14, 10);
    p.setBrush(QColor(120, 130, 145));
    p.drawRoundedRect(3, 12, 26, 12, 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(9, 20, 14, 9);
    p.drawLine(12, 24, 20, 24);
    return pixmap;
}

}  // namespace

FolderList::FolderList(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Dir1"));
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    m_tree = new QTreeView(this);
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    m_tree->setToolTip(tr("Double click the folder to select"));
    m_pathLabel = new QLabel(this);
    m_pathLabel->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    layout->addWidget(m_pathLabel);
    connect(m_tree, &QTreeView::doubleClicked, this,
            [this](const QModelIndex &index) { setPath(m_model->filePath(index)); });
    // The tree reads folders in the background: the path is opened once its folders are read.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &folder) {
        if (m_path == folder || m_path.startsWith(folder))
            showPath();
    });
}

void FolderList::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showPath();
}

void FolderList::setPath(const QString &path)
{
    // Like the old folder list, only a different path is a change.
    if (path == m_path) {
        showPath();
        return;
    }
    m_path = path;
    showPath();
    emit changed();
}

void FolderList::showPath()
{
    m_pathLabel->setText(QDir::toNativeSeparators(m_path));
    const QModelIndex index = m_model->index(m_path);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_tree->expand(index);
        m_tree->scrollTo(index, QAbstractItemView::PositionAtTop);
    }
}

SetupPanel::SetupPanel(QWidget *parent)
    : QFrame(parent)
{
    makeRaisedPanel(this, QStringLiteral("Panel3D7"));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    QStringList drives;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            drives << QDir(volume.rootPath()).absolutePath();
    }
    drives.removeDuplicates();
    drives.sort();
    Drive1->addItems(drives);
    Dir1 = new FolderList(this);

    static const char *const labels[7]
        = {"Name", "Addr 1", "City", "State", "FAA Cert. #", "Country", "Zip"};
    auto *agency = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        Text8[i] = new QLineEdit(this);
        Text8[i]->setObjectName(QStringLiteral("Text8(%1)").arg(i));
        agency->addWidget(new QLabel(tr(labels[i]), this), i, 0);
        agency->addWidget(Text8[i], i, 1);
    }
    // Typing limits only; they match the columns of the agency table.
    const int limits[7] = {100, 100, 58, 40, 30, 50, 20};
    for (int i = 0; i < 7; ++i)
        TypingLengthValidator::install(Text8[i], limits[i]);  // a paste is cut between characters
    Command2 = new QPushButton(tr("Delete"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    giveShortcut(Command2, tr("Delete the agency"), QKeySequence(Qt::ALT | Qt::Key_E));
    agency->addWidget(Command2, 7, 1, Qt::AlignRight);

    Command3D29 = new QPushButton(this);
    Command3D29->setObjectName(QStringLiteral("Command3D29"));
    // The printer choice shows a printer (the theme's, else a drawn one).
    Command3D29->setIcon(
        QIcon::fromTheme(QStringLiteral("document-print"), QIcon(printerPixmap())));
    giveShortcut(Command3D29, tr("Choose the printer"), QKeySequence(Qt::ALT | Qt::Key_P));
    SSCommand9 = new QPushButton(this);
    SSCommand9->setObjectName(QStringLiteral("SSCommand9"));
    SSCommand9->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    giveShortcut(SSCommand9, tr("Manage the inspectors"), QKeySequence(Qt::ALT | Qt::Key_G));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command3D29);
    buttons->addWidget(new QLabel(tr("Printers "), this));
    buttons->addSpacing(24);
    buttons->addWidget(SSCommand9);
    buttons->addWidget(new QLabel(tr("Agents"), this));
    buttons->addStretch();
    cmdImportAccess = new QPushButton(tr("Import Access data..."), this);
    cmdImportAccess->setObjectName(QStringLiteral("cmdImportAccess"));
    giveShortcut(cmdImportAccess,
                 tr("Bring the forms, inspectors, agency and narratives of the old program's "
                    "Access files into this program's data folder"),
                 QKeySequence(Qt::ALT | Qt::Key_I));
    buttons->addWidget(cmdImportAccess);

    auto *indicators = new QWidget(this);
    indicators->setFixedSize(32, 32);
    for (int i = 0; i < 2; ++i) {
        Picture1[i] = new QLabel(indicators);
        Picture1[i]->setObjectName(QStringLiteral("Picture1(%1)").arg(i));
        Picture1[i]->setPixmap(indicatorPixmap(i == 1));
        Picture1[i]->setGeometry(0, 0, 32, 32);
        Picture1[i]->setToolTip(i == 1 ? tr("Data files found") : tr("Data files not found"));
    }

    auto *folder = new QVBoxLayout;
    auto *folderHead = new QHBoxLayout;
    folderHead->addWidget(new QLabel(tr("Path to Data"), this));
    folderHead->addStretch();
    folderHead->addWidget(indicators);
    folder->addLayout(folderHead);
    folder->addWidget(Drive1);
    folder->addWidget(Dir1, 1);
    dataSource = new ServerBox(this);
    folder->addWidget(dataSource);

    auto *title = new QLabel(tr("Set-up"), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);

    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Agency"), this));
    right->addLayout(agency);
    mailingAddresses = new MailingAddressBox(this);
    right->addWidget(mailingAddresses);
    logbookTemplate = new LogbookTemplateBox(this);
    right->addWidget(logbookTemplate);
    chkPrintChecklist = new QCheckBox(tr("Checklist before printing an approved form"), this);
    chkPrintChecklist->setObjectName(QStringLiteral("chkPrintChecklist"));
    right->addWidget(chkPrintChecklist);
    right->addStretch();
    right->addLayout(buttons);

    auto *columns = new QHBoxLayout;
    columns->addLayout(folder, 1);
    columns->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(columns, 1);

    connect(Dir1, &FolderList::changed, this, &SetupPanel::Dir1_Change);
    connect(Drive1, &QComboBox::activated, this, &SetupPanel::Drive1_Change);
    showIndicator(0);
}

void SetupPanel::showIndicator(int index)
{
    Picture1[index]->raise();
    m_frontIndicator = index;
}

QString SetupPanel::driveOf(const QString &path, const QStringList &drives)
{
    QString best;
    const QString cleanPath = QDir::cleanPath(path);
    for (const QString &drive : drives) {
        const QString root = QDir::cleanPath(drive);
        const bool inside = cleanPath == root || root == QLatin1String("/")
                            || cleanPath.startsWith(root + QLatin1Char('/'));
        if (inside && root.size() > best.size())
            best = drive;
    }
    return best;
}
