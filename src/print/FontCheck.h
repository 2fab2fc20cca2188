#pragma once

#include <QString>
#include <QStringList>

// Decides whether a font the form asks for by name can be printed, and with which
// installed family. A family counts as installed when the system has it or its
// metric-compatible substitute, so the printed layout keeps the widths it was made for.
class FontCheck
{
public:
    virtual ~FontCheck() = default;

    // The installed family that prints `family`, or an empty string when there is none.
    virtual QString installedFamily(const QString &family) const = 0;

    bool isInstalled(const QString &family) const { return !installedFamily(family).isEmpty(); }

    // The metric-compatible stand-in for a family the form names ("" when it has none).
    static QString substituteFor(const QString &family);

    // How much the substitute is narrowed (QFont stretch, 100 = as drawn) to take the
    // width of the family it stands in for.
    static int substituteStretch(const QString &family);
};

// Looks the families up in the system's font database.
class SystemFontCheck : public FontCheck
{
public:
    QString installedFamily(const QString &family) const override;

private:
    QString findFamily(const QString &family) const;
    mutable QStringList m_families;  // read once: the font list does not change during a run
};
