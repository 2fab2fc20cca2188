#pragma once

#include <array>

// The eleven boxes of the find panel in the order the search reads them (which is
// also the order of the conditions): the box's name, its label, how many characters
// may be typed (0: no limit), what goes before the typed text in the pattern, and
// the Form field or fields it is matched against (several fields: any of them).
struct SearchBox
{
    const char *name;
    const char *label;
    int maxLength;
    const char *patternPrefix;
    std::array<const char *, 3> fields;  // unused slots are nullptr
};

inline constexpr std::array<SearchBox, 11> kSearchBoxes{{
    {"Text36", "Registration Mark", 20, "", {"RegNum"}},
    {"Text35", "Serial Number", 15, "", {"Serial"}},
    {"Text28", "Make", 40, "", {"Make"}},
    {"Text27", "Model", 30, "", {"Model"}},
    {"Text34", "Series", 30, "", {"Rating1"}},
    {"Text32", "Owner Name", 30, "", {"OwnerName"}},
    {"Text30", "City", 20, "", {"OwnerAdd2"}},
    // The second owner line reads "City, ST": the state follows a comma anywhere in it.
    {"Text33", "State (try a space in front)", 0, "*,", {"OwnerAdd2"}},
    {"Text31", "Unit Make", 30, "", {"PowMake", "ProMake", "AppMake"}},
    {"Text29", "Unit Model", 20, "", {"PowModel", "ProModel", "AppModel"}},
    {"Text37", "Agency Name", 0, "", {"AgencyName"}},
}};
