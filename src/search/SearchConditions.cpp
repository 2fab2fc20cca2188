#include "search/SearchConditions.h"

#include "search/SearchBoxes.h"

SearchConditions::SearchConditions(const QStringList &boxTexts)
{
    for (size_t i = 0; i < kSearchBoxes.size(); ++i) {
        const QString text = qsizetype(i) < boxTexts.size() ? boxTexts.at(qsizetype(i)) : QString();
        if (text.isEmpty())
            continue;  // the text is used exactly as typed: blanks count
        const SearchBox &box = kSearchBoxes[i];
        Condition condition;
        for (const char *field : box.fields) {
            if (field)
                condition.fields << QString::fromLatin1(field);
        }
        condition.pattern = QString::fromLatin1(box.patternPrefix) + text + QLatin1Char('*');
        m_conditions << condition;
    }
}

Criterion SearchConditions::criterion() const
{
    QList<Criterion> all;
    for (const Condition &condition : m_conditions) {
        all << Criterion::likeAnyOf(QStringLiteral("Form"), condition.fields, condition.pattern);
    }
    return Criterion::allOf(all);
}

QString SearchConditions::statement() const
{
    QString text = QStringLiteral("Select Form.* from Form");
    QStringList parts;
    for (const Condition &condition : m_conditions) {
        QString quoted = condition.pattern;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
        QStringList alternatives;
        for (const QString &field : condition.fields)
            alternatives << field + QLatin1String(" Like ") + quoted;
        parts << (alternatives.size() == 1
                      ? alternatives.first()
                      : QLatin1Char('(') + alternatives.join(QLatin1String(" OR "))
                            + QLatin1Char(')'));
    }
    if (!parts.isEmpty())
        text += QLatin1String(" where ") + parts.join(QLatin1String(" AND "));
    return text;
}
