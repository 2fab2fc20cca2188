#pragma once

#include <QFrame>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class QFileSystemModel;
class FolderList;
class MailingAddressBox;
class LogbookTemplateBox;
class ServerBox;

// The set-up panel: the data folder (drive and folder lists), the agency's record,
// the printer choice and the entry to the inspector administration.
class SetupPanel : public QFrame
{
    Q_OBJECT
public:
    explicit SetupPanel(QWidget *parent = nullptr);

    QComboBox *Drive1;             // roots of the mounted volumes
    FolderList *Dir1;              // the data folder; double-click selects
    QLineEdit *Text8[7];           // Name, Addr 1, City, State, FAA Cert. #, Country, Zip
    QPushButton *Command2;         // agency "Delete"
    QPushButton *Command3D29;      // printer set-up
    QPushButton *SSCommand9;       // "Agents"
    QPushButton *cmdImportAccess;  // "Import Access data...": the old program's data (src/import)
    QLabel *Picture1[2];           // (0) files not found / folder changing, (1) bound
    MailingAddressBox *mailingAddresses;  // where the FAA's copy goes
    LogbookTemplateBox *logbookTemplate;  // the template of the logbook entry
    QCheckBox *chkPrintChecklist;         // the checklist before printing an approved form
    ServerBox *dataSource;                // the data folder or a database server

    // Brings one indicator picture to the front.
    void showIndicator(int index);
    int frontIndicator() const { return m_frontIndicator; }

    // The drive list entry that holds path (the longest mounted root that is a prefix of it).
    static QString driveOf(const QString &path, const QStringList &drives);

signals:
    void Dir1_Change();
    void Drive1_Change();

private:
    int m_frontIndicator = 0;
};

// The folder list: a directory tree whose path changes when a folder is
// double-clicked or when code sets it; every change of the path is reported.
class FolderList : public QWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Sets the path and reports the change when it differs from the present one.
    void setPath(const QString &path);

signals:
    void changed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showPath();

    QTreeView *m_tree;
    QFileSystemModel *m_model;
    QLabel *m_pathLabel;
    QString m_path;
};
