#pragma once

#include "narratives/NarrativeParts.h"

#include <QString>

#include <memory>

class TitleBoxEvents;

// The narrative library on the back page of the screen: the page button switches
// between the form boxes and the description of work; the title box lists the
// stored narratives, picking one copies its text into the description, and a newly
// typed title is stored with the description when the back page is closed.
// A stored narrative is never changed or removed here.
class NarrativeHandlers
{
public:
    explicit NarrativeHandlers(const NarrativeParts &parts);
    ~NarrativeHandlers();

    static constexpr int kListedTitleLength = 50;
    static const QString kPromptEmptyLibrary;
    static const QString kPromptPickOrType;

    void SSCommand3_Click();  // page button "Back" / "Front"

    // Title box: an entry picked from the list (by the user, or selected by the loss
    // of focus), a key pressed in it, the focus moving on to another control.
    void Combo13_Click();
    bool Combo13_KeyPress(int key);  // true when the key was consumed
    void Combo13_LostFocus();

    // Whether the user changed the title box's text since the back page was last closed.
    bool titleChanged() const { return m_titleChanged; }

private:
    void openBackPage();
    void closeBackPage();
    void rebuildTitleList();
    void storeNewNarrative();
    bool findNarrative(const QString &listedTitle, bool listedFromLibrary);
    void ensureLibraryOpen();

    NarrativeParts w;
    std::unique_ptr<TitleBoxEvents> m_titleBoxEvents;
    bool m_titleChanged = false;
    int m_libraryEntries = 0;  // the first entries of the title list come from the library
};
