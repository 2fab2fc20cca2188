#pragma once

#include "app/AppContext.h"
#include "app/Form1.h"
#include "common/ScriptedMessages.h"
#include "data/Database.h"
#include "data/Schema.h"
#include "ui/Clock.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

// A main window on real database files in a temporary program folder, with
// scripted message boxes, a fixed clock and an observable end of the program.
class TestWindow
{
public:
    explicit TestWindow(const QDate &today = QDate(2001, 3, 5))
        : clock(today)
    {
        folder = dir.path();
    }

    // Creates the settings file and the data files of a new installation in the program folder.
    void install()
    {
        Schema::createSettingsFile(folder + QStringLiteral("/setup337.mdb"));
        Schema::createFormsFile(folder + QStringLiteral("/Form337.mdb"));
        Schema::createAgentsFile(folder + QStringLiteral("/FAAForm337A.mdb"));
    }

    // Runs SQL on one of the files of the program folder (before or after the window opens).
    void exec(const QString &file, const QString &sql, const QVariantList &params = {})
    {
        Database::open(folder + QLatin1Char('/') + file)->execute(sql, params);
    }
    QVariant value(const QString &file, const QString &sql, const QVariantList &params = {})
    {
        return Database::open(folder + QLatin1Char('/') + file)->value(sql, params);
    }

    Form1 &open()
    {
        AppContext context;
        context.programFolder = folder;
        context.messages = &messages;
        context.clock = &clock;
        context.endProgram = [this] {
            ++endCalls;
        };
        context.printEnvironment = printEnvironment;
        window = std::make_unique<Form1>(context);
        window->activate();
        return *window;
    }

    QTemporaryDir dir;
    QString folder;
    ScriptedMessages messages;
    FixedClock clock;
    int endCalls = 0;
    PrintEnvironment *printEnvironment = nullptr;  // null: the system's printers
    std::unique_ptr<Form1> window;
};
