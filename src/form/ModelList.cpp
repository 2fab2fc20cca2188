#include "form/ModelList.h"

#include "data/Criterion.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "form/FormScreen.h"
#include "ui/ControlText.h"
#include "ui/ListFill.h"

#include <QComboBox>

ModelList::ModelList(FormScreen &screen, Recordset &query)
    : s(screen)
    , m_query(query)
{ }

void ModelList::refill()
{
    QStringList models;
    // An unreadable aircraft table gives an empty list.
    skipFailingStep([&] {
        const Criterion ofMake
            = Criterion::equals(QStringLiteral("Make"), controlText(s.Combo1[1]));
        m_query.setSql(QStringLiteral("SELECT DISTINCT \"Model\" FROM \"aircraft\" WHERE ")
                           + ofMake.sql,
                       ofMake.params);
        m_query.refresh();
        for (; !m_query.eof(); m_query.moveNext()) {
            const QVariant model = m_query.field(QStringLiteral("Model"));
            if (!model.isNull())
                models << model.toString();
        }
        if (!m_query.isEmpty())
            m_query.moveFirst();
    });
    ListFill::replaceItems(s.Combo1[2], models);
}
