#pragma once

// Hears how far a print run, a preview or an export has got, and may stop it: the
// surface reports every finished page.
class PageProgress
{
public:
    virtual ~PageProgress() = default;

    // pagesDone of pagesTotal are finished. False: the user asked to stop.
    virtual bool pageDone(int pagesDone, int pagesTotal) = 0;
};
