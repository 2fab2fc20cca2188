#pragma once

#include "app/AppContext.h"
#include "app/Form1.h"
#include "common/ScriptedMessages.h"
#include "common/TestEngine.h"
#include "data/Database.h"
#include "data/Schema.h"
#include "ui/Clock.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

// A main window on real database files in a temporary program folder, with
// scripted message boxes, a fixed clock and an observable end of the program. On the
// server engine the settings file names a database of the test server as the data folder.
class TestWindow
{
public:
    explicit TestWindow(const QDate &today = QDate(2001, 3, 5))
        : TestWindow(TestEngine::File, today)
    { }
    explicit TestWindow(TestEngine engine, const QDate &today = QDate(2001, 3, 5))
        : server(engine)
        , clock(today)
    {
        folder = dir.path();
    }

    // Creates the settings file and the data files of a new installation in the program
    // folder, or the settings file and the tables of a new server database.
    void install()
    {
        Schema::createSettingsFile(folder + QStringLiteral("/setup337.mdb"));
        if (server.onServer()) {
            QVERIFY2(server.fresh(), qPrintable(server.error()));
            exec(QStringLiteral("setup337.mdb"), QStringLiteral("UPDATE Setup SET DataPath = ?"),
                 {server.forms()});
            return;
        }
        Schema::createFormsFile(folder + QStringLiteral("/Form337.mdb"));
        Schema::createAgentsFile(folder + QStringLiteral("/FAAForm337A.mdb"));
    }

    // Where the window finds one of its files: in the program folder, or on the server.
    QString place(const QString &file) const
    {
        const bool settings
            = file.compare(QLatin1String(Schema::kSettingsFile), Qt::CaseInsensitive) == 0;
        return server.onServer() && !settings ? server.forms() : folder + QLatin1Char('/') + file;
    }

    // Runs SQL on one of the files of the program folder (before or after the window opens).
    void exec(const QString &file, const QString &sql, const QVariantList &params = {})
    {
        Database::open(place(file))->execute(sql, params);
    }
    QVariant value(const QString &file, const QString &sql, const QVariantList &params = {})
    {
        return Database::open(place(file))->value(sql, params);
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
    TestTables server;  // used on the server engine only
    ScriptedMessages messages;
    FixedClock clock;
    int endCalls = 0;
    PrintEnvironment *printEnvironment = nullptr;  // null: the system's printers
    std::unique_ptr<Form1> window;
};
