#include "print/PicturePages.h"

#include "print/PictureForwardingEngine.h"

// No file name: the writer's own engine never begins, so nothing is written.
PicturePages::PicturePages()
    : QPdfWriter(QString())
    , m_engine(std::make_unique<PictureForwardingEngine>())
{ }

PicturePages::~PicturePages() = default;

bool PicturePages::newPage()
{
    if (!m_engine->isActive())
        return false;
    m_engine->startNextPage();
    return true;
}

QList<QPicture> PicturePages::takePages()
{
    return m_engine->takePages();
}

QPaintEngine *PicturePages::paintEngine() const
{
    return m_engine.get();
}
