#pragma once

#include <QString>

// Writes a program folder holding the three database files with realistic content:
// N stored forms (N-number marks, a few hundred makes and models, owners and
// addresses, every unit kind, dates over 30 years, descriptions of 200 to 20 000
// characters in paragraphs), inspectors, narratives and an agency.
namespace DataGenerator {

struct Summary
{
    int forms = 0;
    int aircraft = 0;    // distinct registration marks
    int makeModels = 0;  // rows of the aircraft table
    qint64 descriptionCharacters = 0;
};

Summary generate(const QString &programFolder, int forms, quint32 seed = 337);

}  // namespace DataGenerator
