#include "data/JetPattern.h"

#include "data/JetMatcher.h"

namespace JetPattern {

bool matches(const QString &pattern, const QString &text)
{
    return JetMatcher(pattern).matches(text);
}

bool isPlainPrefix(const QString &pattern, QString *prefix)
{
    if (!pattern.endsWith(u'*'))
        return false;
    const QString body = pattern.chopped(1);
    for (QChar c : body) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            return false;
    }
    if (prefix)
        *prefix = body;
    return true;
}

}  // namespace JetPattern
