#include "DataGenerator.h"

#include "data/Database.h"
#include "data/Schema.h"

#include <QDate>
#include <QDir>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <stdexcept>

namespace {

const QStringList kMakes = {
    "Cessna",       "Piper",
    "Beechcraft",   "Mooney",
    "Cirrus",       "Diamond",
    "Grumman",      "Bellanca",
    "Maule",        "Aeronca",
    "Champion",     "Luscombe",
    "Stinson",      "Taylorcraft",
    "Navion",       "Ercoupe",
    "Socata",       "Robinson",
    "Bell",         "Sikorsky",
    "Hughes",       "Schweizer",
    "de Havilland", "Lake",
    "Rockwell",     "Commander",
    "Helio",        "Murphy",
    "Vans",         "Lancair",
    "Glasair",      "Extra",
    "Pitts",        "American Champion",
    "Aviat",        "Quest",
    "Pilatus",      "Embraer",
    "Learjet",      "Dassault",
};
const QStringList kWords = {
    "removed",    "installed",   "replaced",      "inspected", "repaired",
    "fabricated", "per",         "drawing",       "rev",       "wing",
    "spar",       "rib",         "skin",          "doubler",   "rivets",
    "MS20470AD4", "fuel",        "tank",          "bladder",   "STC",
    "SA1234GL",   "antenna",     "avionics",      "panel",     "weight",
    "and",        "balance",     "revised",       "AC",        "43.13-1B",
    "chapter",    "4",           "the",           "left",      "right",
    "aileron",    "hinge",       "bracket",       "corrosion", "treated",
    "primed",     "zinc",        "chromate",      "bulkhead",  "station",
    "FS",         "123.5",       "engine",        "mount",     "propeller",
    "governor",   "landing",     "gear",          "strut",     "torque",
    "in-lbs",     "lower/upper", "fairing",       "approved",  "data",
    "field",      "approval",    "Form",          "337",       "instructions",
    "for",        "continued",   "airworthiness", "ICA",       "placard",
    "logbook",    "entry",       "made",          "flight",    "manual",
    "supplement",
};
const QStringList kFirst = {"John",       "Mary",    "Robert", "Linda", "James", "Patricia",
                            "Michael",    "Barbara", "David",  "Susan", "José",  "Zoë",
                            "Anne-Marie", "O'Brien", "Li",     "Ngozi", "Björn", "Chloé"};
const QStringList kLast = {"Smith",  "Johnson",  "Williams",  "Brown",    "Jones",  "Garcia",
                           "Miller", "Davis",    "Rodriguez", "Martinez", "O'Neil", "Müller",
                           "Nguyen", "Kowalski", "Lefèvre",   "Okafor",   "Tanaka"};
const QStringList kCities
    = {"Wichita, KS", "Tulsa, OK", "Dallas, TX", "Denver, CO", "Phoenix, AZ", "Boise, ID",
       "Omaha, NE",   "Reno, NV",  "Austin, TX", "Fargo, ND",  "Salem, OR",   "Macon, GA"};

void check(bool ok, const QSqlQuery &q)
{
    if (!ok)
        throw std::runtime_error(q.lastError().text().toStdString());
}

class Words
{
public:
    explicit Words(quint32 seed)
        : m_random(seed)
    { }
    int below(int n) { return int(m_random.bounded(quint32(n))); }
    QString pick(const QStringList &list) { return list.at(below(int(list.size()))); }

    // Paragraphs separated by CR LF, in all about `length` characters.
    QString description(int length)
    {
        QString text;
        text.reserve(length + 32);
        int paragraph = 0;
        const int paragraphLength = 150 + below(900);
        while (text.size() < length) {
            if (paragraph > paragraphLength) {
                text += QStringLiteral(".\r\n");
                paragraph = 0;
            } else if (!text.isEmpty()) {
                text += QLatin1Char(' ');
            }
            const QString word = pick(kWords);
            text += word;
            paragraph += int(word.size()) + 1;
        }
        return text;
    }

    // Mostly short descriptions with a long tail up to 20 000 characters.
    int descriptionLength()
    {
        const double u = m_random.generateDouble();
        return 200 + int(19800.0 * u * u * u);
    }

private:
    QRandomGenerator m_random;
};

}  // namespace

namespace DataGenerator {

Summary generate(const QString &programFolder, int forms, quint32 seed)
{
    QDir().mkpath(programFolder);
    const QString settings = programFolder + QStringLiteral("/setup337.mdb");
    const QString formsFile = programFolder + QStringLiteral("/Form337.mdb");
    const QString agentsFile = programFolder + QStringLiteral("/FAAForm337A.mdb");
    for (const QString &f : {settings, formsFile, agentsFile})
        QFile::remove(f);
    Schema::createSettingsFile(settings);
    Schema::createFormsFile(formsFile);
    Schema::createAgentsFile(agentsFile);
    Database::open(settings)->execute(QStringLiteral("UPDATE Setup SET DataPath = ?"),
                                      {QDir(programFolder).absolutePath() + QLatin1Char('/')});

    Words words(seed);
    Summary summary;
    auto db = Database::open(formsFile);
    db->execute(QStringLiteral("PRAGMA synchronous = OFF"));
    QSqlDatabase connection = db->connection();

    // A few hundred make and model pairs.
    QList<QPair<QString, QString>> types;
    for (const QString &make : kMakes) {
        const int models = 4 + words.below(8);
        for (int m = 0; m < models; ++m)
            types.append({make, QStringLiteral("%1-%2%3")
                                    .arg(make.left(2).toUpper())
                                    .arg(100 + words.below(800))
                                    .arg(m % 3 == 0 ? QStringLiteral("A") : QString())});
    }
    db->beginTransaction();
    QSqlQuery addType(connection);
    check(addType.prepare(QStringLiteral("INSERT INTO aircraft (Make, Model) VALUES (?, ?)")),
          addType);
    for (const auto &[make, model] : types) {
        addType.addBindValue(make);
        addType.addBindValue(model);
        check(addType.exec(), addType);
    }
    db->commit();
    summary.makeModels = int(types.size());

    // About five forms per aircraft over its life.
    const int aircraftCount = qMax(1, forms / 5);
    struct Aircraft
    {
        QString mark, make, model, serial, owner, address, city, zip;
    };
    QList<Aircraft> fleet;
    fleet.reserve(aircraftCount);
    for (int a = 0; a < aircraftCount; ++a) {
        const auto &type = types.at(words.below(int(types.size())));
        const QString letters
            = a % 3 == 0 ? QString() : QString(QChar('A' + a % 26)) + QChar('A' + (a / 26) % 26);
        fleet.append(
            {QStringLiteral("N%1%2")
                 .arg(1 + a % 99999)
                 .arg(a >= 99999 ? letters + QString::number(a / 99999) : letters),
             type.first, type.second, QStringLiteral("%1-%2").arg(words.below(90) + 10).arg(a),
             words.pick(kFirst) + QLatin1Char(' ') + words.pick(kLast),
             QStringLiteral("%1 %2 Street").arg(100 + words.below(9000)).arg(words.pick(kLast)),
             words.pick(kCities), QStringLiteral("%1 USA").arg(10000 + words.below(89999))});
    }
    summary.aircraft = int(fleet.size());

    QSqlQuery add(connection);
    check(add.prepare(QStringLiteral("INSERT INTO Form (RegNum, Make, Model, Serial, Rating1, "
                                     "OwnerName, OwnerAdd1, OwnerAdd2, OwnerName2,"
                                     " AirType1, AirType2, PowType1, PowType2, PowMake, PowModel, "
                                     "PowSerial, ProType1, ProType2, ProMake,"
                                     " ProModel, ProSerial, AppType1, AppType2, AppDesc, AppMake, "
                                     "AppModel, AppSerial, AgencyName, AgencyAdd1,"
                                     " AgencyAdd2, AgencyAdd3, AgencyCert, AgencyKind, Rating3, "
                                     "FormDate, ApproveName, Approved, ApprovedBy,"
                                     " ApproveCert, Signed, ApproveDate, Back) VALUES "
                                     "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
                                     "?,?,?,?,?,?,?,?,?,?,?,?,?)")),
          add);
    const QDate first(1996, 1, 1);
    const int days = 30 * 365;
    const QString dash(38, QLatin1Char('-'));
    db->beginTransaction();
    for (int i = 0; i < forms; ++i) {
        const Aircraft &a = fleet.at(words.below(int(fleet.size())));
        const int kind = words.below(4);
        const bool alteration = words.below(2) == 1;
        const QVariant yes(-1), no(0), null;
        auto flag = [&](int k, bool alt) {
            return kind == k && alteration == alt ? yes : (kind == k ? no : null);
        };
        const QDate date = first.addDays(qint64(i) * days / qMax(1, forms) + words.below(30));
        const QString back = words.description(words.descriptionLength());
        summary.descriptionCharacters += back.size();
        const QVariantList values = {
            a.mark,
            a.make,
            a.model,
            a.serial,
            QStringLiteral(" "),
            a.owner,
            a.address,
            a.city,
            a.zip,
            flag(0, false),
            flag(0, true),
            flag(1, false),
            flag(1, true),
            kind == 1 ? QVariant("Lycoming") : null,
            kind == 1 ? QVariant("O-360-A4M") : null,
            kind == 1 ? QVariant(QStringLiteral("L-%1-36A").arg(i)) : null,
            flag(2, false),
            flag(2, true),
            kind == 2 ? QVariant("McCauley") : null,
            kind == 2 ? QVariant("1C235/LFA7570") : null,
            kind == 2 ? QVariant(QString::number(700000 + i)) : null,
            flag(3, false),
            flag(3, true),
            kind == 3 ? QVariant("Autopilot servo") : null,
            kind == 3 ? QVariant("Garmin") : null,
            kind == 3 ? QVariant("GSA 28") : null,
            kind == 3 ? QVariant(QString::number(5000000 + i)) : null,
            QStringLiteral("Prairie Air Repair"),
            QStringLiteral("1 Hangar Road"),
            QStringLiteral("Wichita, KS"),
            QStringLiteral("67201 USA"),
            QStringLiteral("P3AR123K"),
            2,
            words.below(10) == 0 ? 1 : 0,
            date.toString(Qt::ISODate),
            words.pick(kFirst) + QLatin1Char(' ') + words.pick(kLast),
            words.below(8) == 0 ? no : yes,
            words.below(7),
            QStringLiteral("DMIR-%1").arg(words.below(40)),
            words.pick(kFirst) + QLatin1Char(' ') + words.pick(kLast),
            date.addDays(words.below(5)).toString(Qt::ISODate),
            back,
        };
        for (const QVariant &v : values)
            add.addBindValue(v);
        check(add.exec(), add);
        if ((i + 1) % 20000 == 0) {
            db->commit();
            db->beginTransaction();
        }
    }
    db->commit();
    summary.forms = forms;

    db->beginTransaction();
    QSqlQuery narrative(connection);
    check(narrative.prepare(
              QStringLiteral("INSERT INTO Narratives (Title, Description) VALUES (?, ?)")),
          narrative);
    for (int n = 0; n < 50; ++n) {
        narrative.addBindValue(QStringLiteral("Standard narrative %1: %2 %3")
                                   .arg(n)
                                   .arg(words.pick(kWords), words.pick(kWords)));
        narrative.addBindValue(words.description(300 + words.below(3000)));
        check(narrative.exec(), narrative);
    }
    db->execute(QStringLiteral(
        "INSERT INTO Agency (AgencyName, AgencyAdd1, AgencyAdd2, AgencyAdd3, AgencyCert, Rating1,"
        " Rating2, AgencyKind) VALUES ('Prairie Air Repair', '1 Hangar Road', 'Wichita', 'KS',"
        " 'P3AR123K', '67201', 'USA', 2)"));
    db->commit();
    db->execute(QStringLiteral("PRAGMA synchronous = FULL"));

    auto agents = Database::open(agentsFile);
    agents->beginTransaction();
    for (int n = 0; n < 20; ++n)
        agents->execute(
            QStringLiteral("INSERT INTO Agents (Name, Password, ApprovalNumber, Administrator) "
                           "VALUES (?,?,?,?)"),
            {kFirst.at(n % kFirst.size()) + QLatin1Char(' ') + kLast.at(n % kLast.size()),
             QStringLiteral("pw%1").arg(n), QStringLiteral("DMIR-%1").arg(n), n == 0 ? -1 : 0});
    agents->commit();
    return summary;
}

}  // namespace DataGenerator
