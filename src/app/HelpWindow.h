#pragma once

#include <QDialog>

class QTextBrowser;

// The user guide shipped with the program, shown beside the form; its About button
// tells the version and the folders in use.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    QTextBrowser *guide;

signals:
    void aboutRequested();
};
